#include "app/qtoptions.h"

#include <QCoreApplication>

namespace {

struct QtOption
{
    const char *name;
    const char *valueName; // empty: the option takes no value
    const char *description;
    const char *context;   // QGuiApplication: Qt's own text, translated by Qt's own translation
};

const char *const QtContext = "QGuiApplication";
const char *const OwnContext = "QtOptions";

// Those QApplication takes on every platform, then those the X11 platform takes.
const QtOption Options[] = {
    {"platform", "platformName[:options]", "QPA plugin. See QGuiApplication documentation for available options for each plugin.", QtContext},
    {"platformpluginpath", "path", "Path to the platform plugins.", QtContext},
    {"platformtheme", "theme", "Platform theme.", QtContext},
    {"plugin", "plugin", "Additional plugins to load, can be specified multiple times.", QtContext},
    {"qwindowgeometry", "geometry", "Window geometry for the main window, using the X11-syntax, like 100x100+50+50.", QtContext},
    {"qwindowicon", "icon", "Default window icon.", QtContext},
    {"qwindowtitle", "title", "Title of the first window.", QtContext},
    {"reverse", "", "Sets the application's layout direction to Qt::RightToLeft (debugging helper).", QtContext},
    {"session", "session", "Restores the application from an earlier session.", QtContext},
    {"style", "style", QT_TRANSLATE_NOOP("QtOptions", "Стиль виджетов: fusion, windows и другие установленные."), OwnContext},
    {"stylesheet", "file", QT_TRANSLATE_NOOP("QtOptions", "Таблица стилей Qt из файла."), OwnContext},
    {"widgetcount", "", QT_TRANSLATE_NOOP("QtOptions", "Число виджетов, оставшихся при выходе (для отладки)."), OwnContext},
    {"display", "display", "Display name, overrides $DISPLAY.", QtContext},
    {"geometry", "geometry", QT_TRANSLATE_NOOP("QtOptions", "То же, что --qwindowgeometry."), OwnContext},
    {"title", "title", QT_TRANSLATE_NOOP("QtOptions", "То же, что --qwindowtitle."), OwnContext},
    {"icon", "icon", QT_TRANSLATE_NOOP("QtOptions", "То же, что --qwindowicon."), OwnContext},
    {"name", "name", "Instance name according to ICCCM 4.1.2.5.", QtContext},
    {"visual", "id", "ID of the X11 Visual to use.", QtContext},
    {"nograb", "", "Disable mouse grabbing (useful in debuggers).", QtContext},
    {"dograb", "", "Force mouse grabbing (even when running in a debugger).", QtContext},
};

}

QList<QCommandLineOption> qtOwnOptions(bool listedInHelp)
{
    QList<QCommandLineOption> options;
    for (const QtOption &option : Options) {
        QCommandLineOption qtOption(QString::fromLatin1(option.name),
                                    QCoreApplication::translate(option.context, option.description),
                                    QString::fromLatin1(option.valueName));
        if (!listedInHelp)
            qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        options << qtOption;
    }
    return options;
}
