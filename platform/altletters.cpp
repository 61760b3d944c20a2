#include "platform/altletters.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace {

// Controls that take a typed character as text. A grid and its cell editor are left to the
// grid's own key rules, which refuse a character that is not a judgement's with a message.
bool takesCharacters(const QObject *object)
{
    const bool textControl = qobject_cast<const QLineEdit *>(object) || qobject_cast<const QAbstractSpinBox *>(object)
        || qobject_cast<const QTextEdit *>(object) || qobject_cast<const QPlainTextEdit *>(object);
    if (!textControl)
        return false;
    for (const QObject *up = object->parent(); up; up = up->parent()) {
        if (qobject_cast<const QAbstractItemView *>(up))
            return false;
    }
    return true;
}

class UnansweredAltFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !takesCharacters(watched))
            return false;
        const auto *key = static_cast<const QKeyEvent *>(event);
        // Control with Alt is AltGr on some desktops, and Meta belongs to the desktop: both may
        // type characters of their own.
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        if (!(modifiers & Qt::AltModifier) || (modifiers & (Qt::ControlModifier | Qt::MetaModifier)))
            return false;
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint())
            return false;
        QApplication::beep();
        return true;
    }
};

}

namespace AltLetters {

void refuseUnanswered()
{
#ifdef Q_OS_MACOS
    // Option, which Qt reports as Alt, is how a Mac types many characters.
    return;
#endif
    // Once for each application object: the filter goes with it.
    static QPointer<UnansweredAltFilter> filter;
    if (filter)
        return;
    filter = new UnansweredAltFilter(qApp);
    qApp->installEventFilter(filter);
}

}
