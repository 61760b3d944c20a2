#include "analysis/sensitivitymodule.h"

#include "platform/platformerror.h"
#include "platform/programmodule.h"
#include "platform/startuptrace.h"

#include <QCoreApplication>

#ifndef ANALYZE_SENSITIVITY_MODULE
#define ANALYZE_SENSITIVITY_MODULE "libanalyze_sensitivity.so"
#endif

namespace {
const char *const CannotOpenText = QT_TRANSLATE_NOOP("SensitivityModule", "Окно чувствительности не открыть: %1");

SensitivityModule::Factory loadFactory()
{
    static SensitivityModule::Factory factory = nullptr;
    if (factory)
        return factory;
    QString reason;
    factory = reinterpret_cast<SensitivityModule::Factory>(
        ProgramModule::resolve(QStringLiteral(ANALYZE_SENSITIVITY_MODULE), SensitivityModule::FactoryName, &reason));
    if (!factory)
        throw PlatformError(QCoreApplication::translate("SensitivityModule", CannotOpenText).arg(reason));
    StartupTrace::mark("sensitivity module opened");
    return factory;
}
}

SensitivityView::~SensitivityView() = default;

QString SensitivityModule::locate()
{
    return ProgramModule::locate(QStringLiteral(ANALYZE_SENSITIVITY_MODULE));
}

QString SensitivityModule::locateFrom(const QString &programDirectory)
{
    return ProgramModule::locateFrom(programDirectory, QStringLiteral(ANALYZE_SENSITIVITY_MODULE));
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
