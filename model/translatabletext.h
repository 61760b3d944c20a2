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
    // A text with a count, "%n", whose translation has a form for each plural.
    QString text(int n) const { return QCoreApplication::translate(context, source, nullptr, n); }
};

// After "из N" Russian takes the genitive singular for 1, 21, 31, … (but 11) and the plural
// otherwise: "из 21 сравнения", "из 45 сравнений". The source texts are Russian, so the program
// picks between two of them; a translation picks its own forms by the count.
inline bool russianGenitiveSingular(int n)
{
    return n % 10 == 1 && n % 100 != 11;
}
