#include "app/controlcolours.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace {

const char Marker[] = "desktopColours";

class Keeper : public QObject
{
public:
    explicit Keeper(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(QString::fromLatin1(Marker));
        qApp->installEventFilter(this);
        keepAll();
    }

    // Every control the window holds now; those kept before already have their palette.
    void keepAll()
    {
        const QList<QWidget *> widgets = m_window->findChildren<QWidget *>();
        for (QWidget *widget : widgets)
            if (isControl(widget))
                keep(widget);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Polish && type != QEvent::ApplicationPaletteChange)
            return false;
        if (!watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (type == QEvent::ApplicationPaletteChange ? widget->property(Marker).toBool()
                                                     : isControl(widget) && inWindow(widget))
            keep(widget);
        return false;
    }

private:
    // Texts are coloured for the background they sit on (Accessibility), and widgets with colours
    // of their own keep them.
    static bool isControl(const QWidget *widget)
    {
        return !widget->testAttribute(Qt::WA_SetPalette) && !qobject_cast<const QLabel *>(widget);
    }

    // The widget belongs to the window or to a window it opened; a window of its own (a dialog)
    // already takes the desktop's palette.
    bool inWindow(const QWidget *widget) const
    {
        if (!m_window || widget->isWindow())
            return false;
        for (const QWidget *w = widget; w; w = w->parentWidget())
            if (w == m_window)
                return true;
        return false;
    }

    static void keep(QWidget *widget)
    {
        if (widget->isWindow())
            return;
        // Every colour set, so that nothing of a container's palette is handed down over it.
        const QPalette desktop = QApplication::palette(widget);
        QPalette colours;
        for (int group = 0; group < QPalette::NColorGroups; ++group)
            for (int role = 0; role < QPalette::NColorRoles; ++role)
                if (role != QPalette::NoRole)
                    colours.setBrush(QPalette::ColorGroup(group), QPalette::ColorRole(role),
                                     desktop.brush(QPalette::ColorGroup(group), QPalette::ColorRole(role)));
        widget->setProperty(Marker, true);
        widget->setPalette(colours);
    }

    QPointer<QWidget> m_window;
};

}

namespace ControlColours {

void keepDesktopColours(QWidget *window)
{
    // The keeper is the window's one child of that name.
    if (QObject *keeper = window->findChild<QObject *>(QString::fromLatin1(Marker), Qt::FindDirectChildrenOnly))
        static_cast<Keeper *>(keeper)->keepAll();
    else
        new Keeper(window);
}

}
