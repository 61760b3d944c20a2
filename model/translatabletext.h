#pragma once

#include <QCoreApplication>
#include <QString>

// A text the person reads, kept as its Russian source and translated each time it is shown, so
// that it follows the language chosen after start-up. Defined with QT_TRANSLATE_NOOP on the
// same context, so that lupdate finds it.
struct TranslatableText
{
    const char *context;
    const char *source;

    QString text() const { return QCoreApplication::translate(context, source); }
};
