// What the program looks up in the sensitivity module when it opens it (analysis/sensitivitymodule).

#include "analysis/sensitivitymodule.h"
#include "analysis/sensitivitywindow.h"

extern "C" Q_DECL_EXPORT SensitivityView *analyzeCreateSensitivityWindow(SensitivityData *data, QWidget *parent)
{
    static_assert(std::is_same_v<decltype(&analyzeCreateSensitivityWindow), SensitivityModule::Factory>);
    return new SensitivityWindow(std::move(*data), parent);
}
