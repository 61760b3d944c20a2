#pragma once

#include "analysis/sensitivitydata.h"

#include <QDialog>

#include <vector>

// The sensitivity window as the main window sees it. The window itself, with Qt Charts and the
// OpenGL libraries that Qt Charts brings, lives in a module of its own (analyze_sensitivity),
// opened at its first use so that none of it is loaded at start-up.
class SensitivityView : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;
    ~SensitivityView() override;

    // The criterion weights as the sliders stand.
    virtual std::vector<double> weights() const = 0;
    // All the weights at once, as the sliders left them (a window made again keeps them).
    virtual void setWeights(const std::vector<double> &weights) = 0;
    // The level of the criteria tree the sliders move: 0 the top criteria, k + 1 the sub-criteria
    // of the k-th criterion that has them (always 0 without sub-criteria).
    virtual int level() const = 0;
    virtual void setLevel(int level) = 0;
};

namespace SensitivityModule {

// The name the module exports its window's maker under.
inline constexpr char FactoryName[] = "analyzeCreateSensitivityWindow";
using Factory = SensitivityView *(*)(SensitivityData *data, QWidget *parent);

// The module's file in the installed tree (relative to the program) or in the build tree,
// as dataDirectoryOf() finds the program's data; empty when neither holds it.
QString locate();
QString locateFrom(const QString &programDirectory);

// A new sensitivity window, the module opened first if need be. Throws a PlatformError saying
// why when the module is missing or cannot be opened.
SensitivityView *create(SensitivityData data, QWidget *parent);

} // namespace SensitivityModule
