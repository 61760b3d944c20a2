#include "analysis/sensitivitymodule.h"

#include "platform/platformerror.h"
#include "platform/startuptrace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#ifndef ANALYZE_MODULES_FROM_PROGRAM
#define ANALYZE_MODULES_FROM_PROGRAM "../lib/analyze"
#endif
#ifndef ANALYZE_SENSITIVITY_MODULE
#define ANALYZE_SENSITIVITY_MODULE "libanalyze_sensitivity.so"
#endif

namespace {
const char *const CannotOpenText = QT_TRANSLATE_NOOP("SensitivityModule", "Окно чувствительности не открыть: %1");
const char *const MissingText = QT_TRANSLATE_NOOP("SensitivityModule", "не найден модуль %1");

QString cannotOpen(const QString &why)
{
    return QCoreApplication::translate("SensitivityModule", CannotOpenText).arg(why);
}

SensitivityModule::Factory loadFactory()
{
    // Kept for the life of the program: the windows it makes use its code.
    static SensitivityModule::Factory factory = nullptr;
    if (factory)
        return factory;
    const QString path = SensitivityModule::locate();
    if (path.isEmpty())
        throw PlatformError(cannotOpen(QCoreApplication::translate("SensitivityModule", MissingText)
                                           .arg(QStringLiteral(ANALYZE_SENSITIVITY_MODULE))));
    QLibrary library(path);
    // Its symbols resolve at once, so that a module that does not fit this program fails here
    // with the loader's reason rather than later in the middle of a paint.
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!library.load())
        throw PlatformError(cannotOpen(library.errorString()));
    factory = reinterpret_cast<SensitivityModule::Factory>(library.resolve(SensitivityModule::FactoryName));
    if (!factory)
        throw PlatformError(cannotOpen(library.errorString()));
    StartupTrace::mark("sensitivity module opened");
    return factory;
}
}

SensitivityView::~SensitivityView() = default;

QString SensitivityModule::locate()
{
    return locateFrom(QCoreApplication::applicationDirPath());
}

QString SensitivityModule::locateFrom(const QString &programDirectory)
{
    const QStringList candidates = {
        programDirectory + QStringLiteral("/" ANALYZE_MODULES_FROM_PROGRAM "/" ANALYZE_SENSITIVITY_MODULE),
#ifdef ANALYZE_BUILD_MODULE_DIR
        QStringLiteral(ANALYZE_BUILD_MODULE_DIR "/" ANALYZE_SENSITIVITY_MODULE),
#endif
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    }
    return QString();
}

SensitivityView *SensitivityModule::create(SensitivityData data, QWidget *parent)
{
    StartupTrace::mark("sensitivity window asked for");
    const Factory factory = loadFactory();
    SensitivityView *window = factory(&data, parent);
    StartupTrace::mark("sensitivity window built");
    StartupTrace::watchFirstPaint(window, "first paint of the sensitivity window");
    return window;
}
