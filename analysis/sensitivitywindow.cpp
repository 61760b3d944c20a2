#include "analysis/sensitivitywindow.h"

#include "analysis/analysissheet.h"
#include "analysis/namelegend.h"
#include "model/decisionmodel.h"
#include "model/numberformat.h"
#include "platform/accessiblesupport.h"
#include "platform/errordisplay.h"
#include "platform/filechooser.h"
#include "platform/focusframe.h"
#include "platform/questionbox.h"
#include "platform/screenfit.h"
#include "report/reportprinter.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <cmath>
#include <iterator>

namespace {

constexpr int ThresholdColumns = 5;

double rounded(double v, double scale)
{
    return std::round(v * scale) / scale;
}

QString quoted(const QString &name)
{
    // Quotation marks differ between the languages, so they go through the translation too.
    return QCoreApplication::translate("SensitivityWindow", "«%1»", "a name in quotation marks").arg(name);
}

// Fifteen criteria need fifteen colours that a reader tells apart, none of them near white:
// mostly Kelly's colours of maximum contrast, the pairs among them too alike replaced.
QColor criterionColour(int i)
{
    static const QRgb colours[] = {0x0067a5, 0xf38400, 0x008856, 0xbe0032, 0x875692, 0xf3c300, 0xa1caf1, 0x882d17,
                                   0xe68fac, 0x40e0d0, 0x8db600, 0x1f1f7a, 0x5a5a5a, 0x2b3d26, 0xc2b280};
    return QColor(colours[i % int(std::size(colours))]);
}

// On a grey print colours of the same lightness look alike: each criterion also gets a hatching.
Qt::BrushStyle criterionPattern(int i)
{
    static const Qt::BrushStyle patterns[] = {Qt::SolidPattern, Qt::BDiagPattern, Qt::Dense4Pattern, Qt::HorPattern,
                                              Qt::FDiagPattern, Qt::CrossPattern, Qt::VerPattern, Qt::DiagCrossPattern,
                                              Qt::Dense6Pattern, Qt::Dense2Pattern, Qt::Dense5Pattern, Qt::Dense3Pattern,
                                              Qt::Dense7Pattern, Qt::Dense1Pattern};
    return patterns[i % int(std::size(patterns))];
}

QString at(const QStringList &list, int i)
{
    return i >= 0 && i < list.size() ? list.at(i) : QString();
}

// The share of the criteria outside the level shown: a grey that no criterion's colour comes near.
const QColor RestColour(0xd0d0d0);

// Width of the names beside the sliders; a name wraps onto as many lines as it needs.
constexpr int SliderCaptionWidth = 160;

}

SensitivityWindow::SensitivityWindow(SensitivityData data, QWidget *parent)
    : SensitivityView(parent)
    , m_data(std::move(data))
{
    setObjectName(QStringLiteral("SensitivityWindow"));
    setWindowTitle(tr("Чувствительность решения"));
    setAttribute(Qt::WA_DeleteOnClose);
    setSizeGripEnabled(true);
    AccessibleSupport::install();
    m_names = m_data.criteria;
    if (isTree())
        m_levelWeights.resize(size_t(m_data.tree.levelCount()));

    buildChart();
    // The bars stand over the alternatives' letters; their names are spelled out underneath.
    m_legend = new NameLegend(this);
    m_legend->setObjectName(QStringLiteral("alternativesLegend"));
    m_legend->setNames(m_data.alternatives);
    auto *chartRow = new QHBoxLayout;
    chartRow->addWidget(m_chartView, 1);
    chartRow->addWidget(buildCriteriaLegend());
    auto *chartColumn = new QVBoxLayout;
    chartColumn->addLayout(chartRow, 1);
    chartColumn->addWidget(m_legend);
    auto *top = new QHBoxLayout;
    top->addLayout(chartColumn, 3);
    top->addWidget(buildSliders(), 2);

    auto *rankingBox = new QGroupBox(tr("Ранжирование при этих весах"), this);
    m_ranking = new QLabel(rankingBox);
    m_ranking->setObjectName(QStringLiteral("ranking"));
    m_ranking->setTextFormat(Qt::PlainText);
    m_ranking->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *rankingLayout = new QVBoxLayout(rankingBox);
    rankingLayout->addWidget(m_ranking);
    rankingLayout->addStretch();

    auto *thresholdBox = new QGroupBox(tr("При каком весе лучшая альтернатива меняется"), this);
    m_thresholds = new QTableWidget(0, ThresholdColumns, thresholdBox);
    m_thresholds->setObjectName(QStringLiteral("thresholds"));
    m_thresholds->setAccessibleName(thresholdBox->title());
    // Nothing here is edited cell by cell: Tab goes on to the buttons instead of circling the cells.
    m_thresholds->setTabKeyNavigation(false);
    m_thresholds->setHorizontalHeaderLabels(thresholdHeaders());
    m_thresholds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_thresholds->setSelectionMode(QAbstractItemView::NoSelection);
    m_thresholds->verticalHeader()->setVisible(false);
    m_thresholds->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // The columns fit their texts, measured once per slider step in showThresholds(): left to the
    // header, each changed cell would measure its whole column again.
    m_thresholds->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_thresholds->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    fillThresholdRows();
    m_critical = new QLabel(thresholdBox);
    m_critical->setObjectName(QStringLiteral("mostCritical"));
    m_critical->setWordWrap(true);
    m_critical->setTextFormat(Qt::PlainText);
    auto *thresholdLayout = new QVBoxLayout(thresholdBox);
    thresholdLayout->addWidget(m_thresholds);
    thresholdLayout->addWidget(m_critical);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(rankingBox, 1);
    bottom->addWidget(thresholdBox, 3);

    m_printBtn = new QPushButton(tr("&Печать…"), this);
    m_printBtn->setObjectName(QStringLiteral("printSheet"));
    m_printBtn->setAutoDefault(false);
    auto *pdfBtn = new QPushButton(tr("&Экспорт в PDF…"), this);
    pdfBtn->setObjectName(QStringLiteral("exportSheetPdf"));
    pdfBtn->setAutoDefault(false);
    auto *closeBtn = new QPushButton(tr("&Закрыть"), this);
    closeBtn->setObjectName(QStringLiteral("closeSensitivity"));
    closeBtn->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_printBtn);
    buttons->addWidget(pdfBtn);
    buttons->addStretch();
    buttons->addWidget(closeBtn);

    // On a small screen the chart, the sliders and the tables scroll inside the window, while
    // Печать and Закрыть stay in view under them.
    auto *content = new QWidget;
    m_content = content;
    content->setObjectName(QStringLiteral("sensitivityContent"));
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    if (isTree())
        layout->addWidget(buildLevelRow());
    layout->addLayout(top);
    layout->addLayout(bottom);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("sensitivityScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    // The controls inside are the stops of the keyboard, not the area around them.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidget(content);
    auto *windowLayout = new QVBoxLayout(this);
    windowLayout->addWidget(m_scroll, 1);
    windowLayout->addLayout(buttons);

    connect(m_printBtn, &QPushButton::clicked, this, [this] { ErrorDisplay::guarded([this] { printSheet(); }); });
    connect(pdfBtn, &QPushButton::clicked, this, [this] { ErrorDisplay::guarded([this] { exportSheetPdf(); }); });
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::close);

    resetWeights();
    if (isTree())
        orderTabStops();
    fitContent();
    // The window itself may be as small as its buttons and a little of what scrolls.
    setMinimumSize(qMin(content->minimumWidth(), 480), buttons->minimumSize().height() + 200);
    resize(1100, 760);
    ScreenFit::fitOnScreen(this, parent ? parent->window() : nullptr);
}

void SensitivityWindow::fitContent()
{
    // A box layout gives a row holding wrapped text its full height for the width, however
    // small the window; its own minimum leaves that out, and the rows above were squeezed under
    // theirs: the chart was drawn over the ranking and the sliders lost their tracks.
    QLayout *layout = m_content->layout();
    const QSize least = layout->totalMinimumSize();
    const int leastHeight = layout->hasHeightForWidth() ? layout->totalHeightForWidth(least.width()) : 0;
    m_content->setMinimumSize(least.width(), qMax(least.height(), leastHeight));
}

QWidget *SensitivityWindow::buildLevelRow()
{
    auto *row = new QWidget(this);
    row->setObjectName(QStringLiteral("levelRow"));
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(tr("&Уровень:"), row);
    m_levelBox = new QComboBox(row);
    m_levelBox->setObjectName(QStringLiteral("sensitivityLevel"));
    m_levelBox->setAccessibleName(tr("Уровень критериев, чьи веса двигаются"));
    for (int level = 0; level < m_data.tree.levelCount(); ++level)
        m_levelBox->addItem(levelText(level));
    label->setBuddy(m_levelBox);
    layout->addWidget(label);
    layout->addWidget(m_levelBox);
    layout->addStretch();
    connect(m_levelBox, qOverload<int>(&QComboBox::currentIndexChanged), this, &SensitivityWindow::setLevel);
    return row;
}

QString SensitivityWindow::levelText(int level) const
{
    if (level <= 0)
        return tr("Критерии верхнего уровня");
    return m_data.tree.tree().pathText(m_data.tree.levelPath(level)).simplified();
}

void SensitivityWindow::setLevel(int level)
{
    if (!isTree() || level < 0 || level >= m_data.tree.levelCount() || level == m_level)
        return;
    m_levelWeights[size_t(m_level)] = m_state.weights;
    m_level = level;
    m_names = m_data.tree.levelNames(level);
    fillBarSets();
    fillCriteriaLegend();
    fillSliders();
    fillThresholdRows();
    orderTabStops();
    const std::vector<double> kept = m_levelWeights[size_t(level)];
    if (kept.empty()) {
        resetWeights();
    } else {
        m_state = stateAt(kept);
        showState();
    }
    const QSignalBlocker blocker(m_levelBox);
    m_levelBox->setCurrentIndex(level);
    fitContent();
}

// Sliders made again come last among the window's children; the keyboard still meets them in
// the order the window shows them.
void SensitivityWindow::orderTabStops()
{
    QList<QWidget *> stops{m_levelBox, m_chartView};
    for (QSlider *slider : m_sliders)
        stops << slider;
    stops << m_resetBtn << m_thresholds << m_printBtn;
    for (int k = 1; k < stops.size(); ++k)
        setTabOrder(stops.at(k - 1), stops.at(k));
}

SensitivityState SensitivityWindow::stateAt(const std::vector<double> &weights) const
{
    return isTree() ? m_data.tree.state(m_level, weights) : computeSensitivity(weights, m_data.localPriorities);
}

std::vector<double> SensitivityWindow::computedWeights() const
{
    return isTree() ? m_data.tree.levelWeights(m_level) : m_data.weights;
}

void SensitivityWindow::fillThresholdRows()
{
    m_thresholds->setRowCount(int(m_names.size()));
    for (int r = 0; r < m_thresholds->rowCount(); ++r)
        for (int c = 0; c < ThresholdColumns; ++c) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(c == 0 || c == 3 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            m_thresholds->setItem(r, c, item);
        }
}

QStringList SensitivityWindow::thresholdHeaders()
{
    return {tr("Критерий"), tr("Вес"), tr("Вес, при котором лучшая меняется"), tr("Догоняет"), tr("Изменение, %")};
}

void SensitivityWindow::buildChart()
{
    m_chart = new QChart;
    m_chart->setTitle(tr("Глобальные приоритеты и вклад критериев"));
    m_chart->setAnimationOptions(QChart::NoAnimation);
    // The chart's own legend cuts long names: on the screen the criteria are listed beside it,
    // whole, and the chart's legend is drawn on paper only.
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->legend()->setVisible(false);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_series = new QStackedBarSeries;
    fillBarSets();
    const int m = int(m_data.alternatives.size());
    m_chart->addSeries(m_series);
    auto *categories = new QBarCategoryAxis;
    QStringList labels;
    // The letters of the wizard's result grids: ten full names do not fit under the bars.
    for (int j = 0; j < m; ++j)
        labels << alternativeLetter(j);
    categories->append(labels);
    m_chart->addAxis(categories, Qt::AlignBottom);
    m_series->attachAxis(categories);
    m_valueAxis = new QValueAxis;
    // Three significant digits, as every number of the window.
    m_valueAxis->setLabelFormat(QStringLiteral("%.3g"));
    // The axis writes its numbers as the rest of the window does, with the locale's separator.
    m_chart->setLocalizeNumbers(true);
    m_chart->setLocale(locale());
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);
    m_series->attachAxis(m_valueAxis);
    m_chartView = new QChartView(m_chart, this);
    m_chartView->setObjectName(QStringLiteral("contributionChart"));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setAccessibleName(tr("Диаграмма: глобальные приоритеты и вклад критериев"));
    FocusFrame::attach(m_chartView);
    // The view takes the focus and carries the name; its drawing area is not a second stop.
    m_chartView->viewport()->setFocusPolicy(Qt::NoFocus);
    m_chartView->setMinimumSize(360, 320);
}

void SensitivityWindow::fillBarSets()
{
    // Clearing the series deletes its sets.
    m_series->clear();
    m_sets.clear();
    m_restSet = nullptr;
    const int m = int(m_data.alternatives.size());
    auto add = [this, m](const QString &name, const QColor &colour) {
        auto *set = new QBarSet(name);
        set->setColor(colour);
        set->setBorderColor(colour.darker(130));
        for (int j = 0; j < m; ++j)
            set->append(0.0);
        m_series->append(set);
        return set;
    };
    for (int i = 0; i < m_names.size(); ++i)
        m_sets.push_back(add(m_names.at(i), criterionColour(i)));
    if (m_level > 0)
        m_restSet = add(tr("Остальные критерии"), RestColour);
}

QWidget *SensitivityWindow::buildCriteriaLegend()
{
    auto *legend = new QWidget(this);
    legend->setObjectName(QStringLiteral("criteriaLegend"));
    m_legendGrid = new QGridLayout(legend);
    m_legendGrid->setContentsMargins(0, 8, 0, 0);
    m_legendGrid->setVerticalSpacing(2);
    fillCriteriaLegend();
    return legend;
}

void SensitivityWindow::fillCriteriaLegend()
{
    QGridLayout *grid = m_legendGrid;
    QWidget *legend = grid->parentWidget();
    while (QLayoutItem *item = grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (int r = 0; r < grid->rowCount(); ++r)
        grid->setRowStretch(r, 0);
    QStringList names;
    for (const QString &criterion : m_names)
        names << criterion.simplified();
    if (m_restSet)
        names << m_restSet->label();
    const int swatch = fontMetrics().height() - 4;
    for (int i = 0; i < names.size(); ++i) {
        QPixmap colour(swatch, swatch);
        colour.fill(i < m_names.size() ? criterionColour(i) : RestColour);
        auto *mark = new QLabel(legend);
        mark->setPixmap(colour);
        auto *name = new QLabel(names.at(i), legend);
        name->setObjectName(QStringLiteral("legendName%1").arg(i + 1));
        name->setTextFormat(Qt::PlainText);
        name->setWordWrap(true);
        int widest = SliderCaptionWidth;
        for (const QString &word : name->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
            widest = qMax(widest, fontMetrics().horizontalAdvance(word) + 2);
        name->setFixedWidth(widest);
        name->setMinimumHeight(name->heightForWidth(widest));
        grid->addWidget(mark, i, 0, Qt::AlignTop);
        grid->addWidget(name, i, 1);
    }
    grid->setRowStretch(int(names.size()), 1);
}

QWidget *SensitivityWindow::buildSliders()
{
    auto *box = new QGroupBox(tr("Веса критериев"), this);
    m_sliderGrid = new QGridLayout;
    m_sliderGrid->setVerticalSpacing(2);
    m_sliderGrid->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(box);
    layout->addLayout(m_sliderGrid);
    fillSliders();
    m_resetBtn = new QPushButton(tr("&Вернуть расчётные веса"), box);
    m_resetBtn->setObjectName(QStringLiteral("resetWeights"));
    m_resetBtn->setAutoDefault(false);
    connect(m_resetBtn, &QPushButton::clicked, this, &SensitivityWindow::resetWeights);
    layout->addStretch();
    layout->addWidget(m_resetBtn, 0, Qt::AlignRight);
    return box;
}

void SensitivityWindow::fillSliders()
{
    for (std::vector<QLabel *> *labels : {&m_sliderNames, &m_sliderValues}) {
        qDeleteAll(*labels);
        labels->clear();
    }
    qDeleteAll(m_sliders);
    m_sliders.clear();
    QGridLayout *grid = m_sliderGrid;
    QWidget *box = grid->parentWidget();
    QStringList names;
    for (const QString &criterion : m_names)
        names << criterion.simplified();
    for (int i = 0; i < m_names.size(); ++i) {
        const QString caption = m_names.at(i).simplified();
        auto *name = new QLabel(caption, box);
        name->setObjectName(QStringLiteral("weightName%1").arg(i + 1));
        name->setTextFormat(Qt::PlainText);
        name->setWordWrap(true);
        // Wide enough for its longest word, so that wrapping never cuts one.
        int widest = SliderCaptionWidth;
        for (const QString &word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            widest = qMax(widest, fontMetrics().horizontalAdvance(word) + 2);
        name->setFixedWidth(widest);
        name->setMinimumHeight(name->heightForWidth(widest));
        name->setToolTip(m_names.at(i));
        auto *slider = new QSlider(Qt::Horizontal, box);
        slider->setObjectName(QStringLiteral("weightSlider%1").arg(i + 1));
        slider->setRange(0, SliderSteps);
        slider->setPageStep(SliderSteps / 20);
        // Before anything asks for the slider's interface, which is made once.
        AccessibleSupport::setValueScale(slider, SliderSteps);
        // Two criteria of one name are told apart by their numbers.
        slider->setAccessibleName(names.count(names.at(i)) > 1 ? tr("Вес критерия %1 «%2»").arg(i + 1).arg(names.at(i))
                                                                : tr("Вес критерия «%1»").arg(names.at(i)));
        // A track short enough to vanish at the window's smallest size cannot be read or dragged.
        slider->setMinimumWidth(fontMetrics().averageCharWidth() * 12);
        auto *value = new QLabel(box);
        value->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0,0000")) + 4);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(name, i, 0);
        grid->addWidget(slider, i, 1);
        grid->addWidget(value, i, 2);
        m_sliderNames.push_back(name);
        m_sliders.push_back(slider);
        m_sliderValues.push_back(value);
        connect(slider, &QSlider::valueChanged, this, [this, i](int position) {
            setWeight(i, double(position) / SliderSteps);
        });
    }
}

void SensitivityWindow::setWeight(int criterion, double weight)
{
    if (criterion < 0 || size_t(criterion) >= m_state.weights.size())
        return;
    m_state = stateAt(rescaledWeights(m_state.weights, criterion, weight));
    showState();
}

void SensitivityWindow::setWeights(const std::vector<double> &weights)
{
    if (weights.size() != m_state.weights.size())
        return;
    m_state = stateAt(weights);
    if (m_state.weights.size() != weights.size())
        m_state.weights = weights;
    showState();
}

void SensitivityWindow::resetWeights()
{
    m_state = stateAt(computedWeights());
    // Bad input gives an empty state; the sliders still need weights to move.
    if (m_state.weights.size() != size_t(m_names.size()))
        m_state.weights = computedWeights();
    showState();
}

void SensitivityWindow::showState()
{
    showSliders();
    showChart();
    showRanking();
    showThresholds();
}

QString SensitivityWindow::weightText(double w) const
{
    return formatReadable(w, locale());
}

void SensitivityWindow::showSliders()
{
    for (size_t i = 0; i < m_sliders.size(); ++i) {
        const double w = i < m_state.weights.size() ? m_state.weights[i] : 0.0;
        const QSignalBlocker blocker(m_sliders[i]);
        m_sliders[i]->setValue(int(std::lround(w * SliderSteps)));
        m_sliderValues[i]->setText(weightText(w));
    }
}

void SensitivityWindow::showChart()
{
    double highest = 0.0;
    for (size_t i = 0; i < m_sets.size(); ++i) {
        QBarSet *set = m_sets[i];
        for (int j = 0; j < set->count(); ++j) {
            const double v = i < m_state.contributions.size() && size_t(j) < m_state.contributions[i].size()
                                 ? m_state.contributions[i][size_t(j)] : 0.0;
            if (set->at(j) != v)
                set->replace(j, v);
        }
    }
    if (m_restSet) {
        for (int j = 0; j < m_restSet->count(); ++j) {
            const double v = size_t(j) < m_state.rest.size() ? m_state.rest[size_t(j)] : 0.0;
            if (m_restSet->at(j) != v)
                m_restSet->replace(j, v);
        }
    }
    for (double g : m_state.globals)
        highest = std::max(highest, g);
    // The axis moves in tenths, so small slider steps leave it still.
    const double top = std::max(0.1, std::ceil(highest * 10.0 - 1e-9) / 10.0);
    if (m_valueAxis->max() != top) {
        // Ticks on round numbers: hundredths in fives up to 0.3, tenths above.
        const double step = top <= 0.3 + 1e-9 ? 0.05 : 0.1;
        m_valueAxis->setRange(0.0, top);
        m_valueAxis->setTickCount(int(std::lround(top / step)) + 1);
    }
}

void SensitivityWindow::showRanking()
{
    m_ranking->setText(rankingText());
    // The chart's bars read as the ranking they draw.
    m_chartView->setAccessibleDescription(rankingText());
}

QString SensitivityWindow::rankingText() const
{
    QStringList lines;
    for (size_t k = 0; k < m_state.ranking.size(); ++k) {
        const int j = m_state.ranking[k];
        const double g = size_t(j) < m_state.globals.size() ? m_state.globals[size_t(j)] : 0.0;
        lines << tr("%1. %2 — %3 — %4").arg(k + 1).arg(alternativeLetter(j), at(m_data.alternatives, j).simplified(),
                                                    formatReadable(g, locale()));
    }
    return lines.join(QLatin1Char('\n'));
}

QList<QStringList> SensitivityWindow::thresholdRows() const
{
    QList<QStringList> rows;
    for (int r = 0; r < m_thresholds->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < ThresholdColumns; ++c)
            row << m_thresholds->item(r, c)->text();
        rows << row;
    }
    return rows;
}

QString SensitivityWindow::criticalText() const
{
    return m_critical->text();
}

void SensitivityWindow::showThresholds()
{
    const QLocale locale = this->locale();
    for (int r = 0; r < m_thresholds->rowCount(); ++r) {
        const double w = size_t(r) < m_state.weights.size() ? m_state.weights[size_t(r)] : 0.0;
        QStringList texts{at(m_names, r), weightText(w), tr("не меняется"), QString(), QString()};
        if (size_t(r) < m_state.thresholds.size() && m_state.thresholds[size_t(r)].exists) {
            const WeightThreshold &t = m_state.thresholds[size_t(r)];
            texts[2] = weightText(t.weight);
            texts[3] = at(m_data.alternatives, t.newBest).simplified();
            const double change = relativeWeightChange(w, t.weight) * 100.0;
            if (std::isfinite(change)) {
                const QString shown = formatPercent(change, locale);
                texts[4] = (rounded(change, 10.0) > 0 ? QStringLiteral("+") : QString()) + shown;
            } else {
                texts[4] = QStringLiteral("—");
            }
        }
        const bool critical = r == m_state.mostCritical;
        for (int c = 0; c < ThresholdColumns; ++c) {
            QTableWidgetItem *item = m_thresholds->item(r, c);
            if (item->text() != texts[c])
                item->setText(texts[c]);
            QFont font = item->font();
            if (font.bold() != critical) {
                font.setBold(critical);
                item->setFont(font);
            }
        }
    }
    for (int c = 1; c < ThresholdColumns; ++c)
        m_thresholds->resizeColumnToContents(c);
    if (m_state.mostCritical >= 0 && size_t(m_state.mostCritical) < m_state.thresholds.size()) {
        const WeightThreshold &t = m_state.thresholds[size_t(m_state.mostCritical)];
        m_critical->setText(tr("Самый чувствительный критерий — %1: при весе %2 вместо %3 %4 догоняет лучшую альтернативу.")
                                .arg(quoted(at(m_names, t.criterion)), weightText(t.weight),
                                     weightText(m_state.weights[size_t(t.criterion)]),
                                     quoted(at(m_data.alternatives, t.newBest).simplified())));
    } else {
        m_critical->setText(tr("Ни один вес не меняет лучшую альтернативу: выбор устойчив."));
    }
}

void SensitivityWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LocaleChange && m_chart) {
        m_chart->setLocale(locale());
        showState();
    }
}

void SensitivityWindow::printSheet()
{
    if (!QuestionBox::ask(PrintConfirmationText.text(), PrintConfirmationCaption.text()))
        return;
    setPrintLook(true);
    const auto restore = qScopeGuard([this] { setPrintLook(false); });
    printAnalysisSheet(analysisSheet());
}

void SensitivityWindow::exportSheetPdf()
{
    // The sheet at the weights the sliders stood at when the person asked.
    const AnalysisSheet sheet = analysisSheet();
    const QString path = FileChooser::saveFileOfType(this, tr("Экспорт в PDF"), QString(), {tr("Документы PDF (*.pdf)")});
    if (path.isEmpty())
        return;
    setPrintLook(true);
    const auto restore = qScopeGuard([this] { setPrintLook(false); });
    writeAnalysisSheetPdf(sheet, path);
}

AnalysisSheet SensitivityWindow::analysisSheet() const
{
    AnalysisSheet sheet;
    // A tree's sheet says which level its sliders and thresholds are of.
    sheet.title = isTree() ? tr("Чувствительность решения: %1").arg(levelText(m_level)) : tr("Чувствительность решения");
    sheet.header = m_data.userName + QStringLiteral(", ") + m_data.dateText;
    sheet.chart = m_chartView;
    sheet.tableHeaders = thresholdHeaders();
    sheet.tableRows = thresholdRows();
    sheet.boldRow = m_state.mostCritical;
    sheet.critical = criticalText();
    sheet.ranking = rankingText();
    sheet.matrices = m_data.matrices;
    return sheet;
}

void SensitivityWindow::setPrintLook(bool print)
{
    m_chart->legend()->setVisible(print);
    // Laid out now, not at the next turn of the event loop: the sheet is drawn before that.
    if (QGraphicsLayout *layout = m_chart->layout())
        layout->activate();
    for (size_t i = 0; i < m_sets.size(); ++i) {
        const QColor colour = criterionColour(int(i));
        m_sets[i]->setBrush(print ? QBrush(colour.darker(120), criterionPattern(int(i))) : QBrush(colour));
        m_sets[i]->setBorderColor(print ? QColor(Qt::black) : colour.darker(130));
    }
    if (m_restSet)
        m_restSet->setBorderColor(print ? QColor(Qt::black) : RestColour.darker(130));
}
