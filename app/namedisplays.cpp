#include "app/namedisplays.h"
#include "app/mainformui.h"

#include "analysis/namelegend.h"
#include "analysis/rankingbars.h"
#include "document/decisionresults.h"
#include "model/decisionmodel.h"
#include "platform/stringgrid.h"
#include "platform/stringgridmodel.h"

#include <QBoxLayout>
#include "app/widgetadapters.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QScrollArea>


NameDisplays::NameDisplays(QMainWindow *window, Ui::TMainForm *ui)
    : ui(ui)
    , m_alternativesLegend(new NameLegend(ui->AlternativesPage))
    , m_resultLegend(new NameLegend(ui->ResultPage))
    , m_ranking(new RankingBars(ui->ResultPage))
    , m_weights(new RankingBars(ui->ResultPage))
{
    Q_UNUSED(window);
    m_alternativesLegend->setObjectName(QStringLiteral("AlternativesLegend"));
    m_resultLegend->setObjectName(QStringLiteral("ResultLegend"));
    m_ranking->setObjectName(QStringLiteral("RankingBars"));
    m_ranking->setMarkBest(true);
    m_weights->setObjectName(QStringLiteral("WeightBars"));

    // The legend goes under the matrix's words, where the letters are read.
    auto *alternatives = static_cast<QBoxLayout *>(ui->AlternativesPage->layout());
    alternatives->insertWidget(alternatives->indexOf(ui->CompTab) + 2, m_alternativesLegend);

    // The named bars go under the result tables, which keep the page's width; the ranking and
    // the weights side by side, scrolled when a small window leaves them too little height.
    auto *bars = new QWidget;
    bars->setObjectName(QStringLiteral("ResultBars"));
    auto *row = new QHBoxLayout(bars);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(m_ranking, 1, Qt::AlignTop);
    row->addWidget(m_weights, 1, Qt::AlignTop);
    auto *scroll = new QScrollArea(ui->ResultPage);
    scroll->setObjectName(QStringLiteral("ResultBarsArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(bars);
    scroll->setMinimumHeight(m_ranking->fontMetrics().height() * 4);
    auto *result = static_cast<QBoxLayout *>(ui->ResultPage->layout());
    result->setStretchFactor(ui->GlobTab, 3);
    result->insertWidget(result->indexOf(ui->Panel6) + 1, scroll, 2);
    result->insertWidget(result->indexOf(scroll) + 1, m_resultLegend);

    for (StringGrid *grid : {ui->CompTab, ui->GlobTab, ui->Globales})
        grid->gridModel()->setToolTipText([this, grid](int col, int row) {
            return col == 0 || row == 0 ? letterTip(grid->cell(col, row)) : QString();
        });
}

QStringList NameDisplays::alternatives() const
{
    return listTexts(ui->AltList);
}

QStringList NameDisplays::criteria() const
{
    return listTexts(ui->Choices);
}

QString NameDisplays::letterTip(const QString &cell) const
{
    const QStringList names = alternatives();
    for (int k = 0; k < names.size(); ++k)
        if (cell == alternativeLetter(k))
            return QStringLiteral("%1 — %2").arg(cell, names.at(k));
    return QString();
}

void NameDisplays::showNames()
{
    const QStringList names = alternatives();
    m_alternativesLegend->setNames(names);
    m_resultLegend->setNames(names);
    m_ranking->setTitle(QCoreApplication::translate("NameDisplays", "Ранжирование альтернатив"));
    m_weights->setTitle(QCoreApplication::translate("NameDisplays", "Веса критериев"));
    m_ranking->setEntries(names, m_global);
    m_weights->setEntries(criteria(), m_criterionWeights);
}

void NameDisplays::showResults(const DecisionResults &results)
{
    m_global = results.global;
    m_criterionWeights = results.criteria.weights;
    showNames();
}
