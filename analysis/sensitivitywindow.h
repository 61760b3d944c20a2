#pragma once

#include "analysis/analysissheet.h"
#include "analysis/sensitivitydata.h"
#include "analysis/sensitivitymodule.h"
#include "model/sensitivity.h"

#include <vector>

class NameLegend;
class QBarSet;
class QChart;
class QChartView;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;
class QStackedBarSeries;
class QTableWidget;
class QValueAxis;

// How robust the choice is: the global priorities as bars split into what each criterion
// brings, a slider per criterion weight (the others follow in proportion), the ranking at those
// weights, and per criterion the weight at which another alternative draws level with the best.
class SensitivityWindow : public SensitivityView
{
    Q_OBJECT
public:
    // Slider positions per unit of weight.
    static constexpr int SliderSteps = 1000;

    explicit SensitivityWindow(SensitivityData data, QWidget *parent = nullptr);

    const SensitivityData &data() const { return m_data; }
    const SensitivityState &state() const { return m_state; }
    QChartView *chartView() const { return m_chartView; }

    // Sets one criterion's weight as its slider does, the others rescaled in proportion.
    void setWeight(int criterion, double weight);
    std::vector<double> weights() const override { return m_state.weights; }
    void setWeights(const std::vector<double> &weights) override;
    int level() const override { return m_level; }
    // Shows another level of a tree, its sliders where they were left.
    void setLevel(int level) override;
    // "Критерии верхнего уровня" or the path of the criterion whose sub-criteria are shown.
    QString levelText(int level) const;
    // Back to the weights the wizard computed.
    void resetWeights();
    // Prints the analysis sheet (asks first, like the wizard's own print).
    void printSheet();
    // The same sheet as a PDF file the person chooses.
    void exportSheetPdf();
    // The analysis sheet as the window stands.
    AnalysisSheet analysisSheet() const;

    // Hatched bars with black borders, told apart on a grey print too; plain colours again.
    void setPrintLook(bool print);

    // Texts as shown, for the sheet and for checking.
    QString rankingText() const;
    QString criticalText() const;
    QList<QStringList> thresholdRows() const;
    static QStringList thresholdHeaders();

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildChart();
    QWidget *buildSliders();
    QWidget *buildCriteriaLegend();
    QWidget *buildLevelRow();
    void fillBarSets();
    void fillCriteriaLegend();
    void fillSliders();
    void fillThresholdRows();
    void fitContent();
    void orderTabStops();
    SensitivityState stateAt(const std::vector<double> &weights) const;
    std::vector<double> computedWeights() const;
    bool isTree() const { return !m_data.tree.isFlat(); }
    void showState();
    void showSliders();
    void showChart();
    void showRanking();
    void showThresholds();
    QString weightText(double w) const;

    SensitivityData m_data;
    SensitivityState m_state;
    int m_level = 0;
    // The criteria the sliders move at this level.
    QStringList m_names;
    // Where each level's sliders were left; empty: at the computed weights.
    std::vector<std::vector<double>> m_levelWeights;

    QChart *m_chart = nullptr;
    QChartView *m_chartView = nullptr;
    QStackedBarSeries *m_series = nullptr;
    QValueAxis *m_valueAxis = nullptr;
    std::vector<QBarSet *> m_sets;
    QBarSet *m_restSet = nullptr;
    QGridLayout *m_legendGrid = nullptr;
    QGridLayout *m_sliderGrid = nullptr;
    std::vector<QLabel *> m_sliderNames;
    QComboBox *m_levelBox = nullptr;
    QWidget *m_content = nullptr;
    std::vector<QSlider *> m_sliders;
    std::vector<QLabel *> m_sliderValues;
    NameLegend *m_legend = nullptr;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_ranking = nullptr;
    QTableWidget *m_thresholds = nullptr;
    QLabel *m_critical = nullptr;
    QPushButton *m_resetBtn = nullptr;
    QPushButton *m_printBtn = nullptr;
};
