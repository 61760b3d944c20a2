#pragma once

#include <QStringList>

#include <vector>

class NameLegend;
class QMainWindow;
class RankingBars;
struct DecisionResults;
namespace Ui {
class TMainForm;
}

// The alternatives' names where the wizard's grids show only their letters: a legend line on
// the alternatives and result pages, the headers' tooltips, and on the result page the ranking
// and the criterion weights as named bars beside the result tables.
class NameDisplays
{
public:
    NameDisplays(QMainWindow *window, Ui::TMainForm *ui);

    // After the names or the language changed.
    void showNames();
    void showResults(const DecisionResults &results);

private:
    QStringList alternatives() const;
    QStringList criteria() const;
    // "A — Шкода Октавия" for a header cell that holds an alternative's letter.
    QString letterTip(const QString &cell) const;

    Ui::TMainForm *ui;
    NameLegend *m_alternativesLegend;
    NameLegend *m_resultLegend;
    RankingBars *m_ranking;
    RankingBars *m_weights;
    // The last results shown, named again when the names or the language change.
    std::vector<double> m_global;
    std::vector<double> m_criterionWeights;
};
