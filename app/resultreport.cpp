#include "app/resultreport.h"

#include "app/pagetexts.h"

#include "document/decisiondocument.h"
#include "document/decisionresults.h"
#include "model/decisionmodel.h"
#include "model/numberformat.h"

#include <QDate>

namespace {
// The date stamp's form, as the window writes it.
const QString DateFormat = QStringLiteral("dd.MM.yyyy");
constexpr int ResultPageIndex = 4;
}

ReportData resultReportData(const DecisionDocument &document, const DecisionResults &results,
                            const QString &dateText)
{
    const int n = document.criteriaCount();
    const int m = document.alternativesCount();
    ReportData data;
    data.pageIndex = ResultPageIndex;
    data.alternativesCount = m;
    data.alternativeNames = document.alternatives;
    data.criteriaNames = document.criteria;
    data.userName = document.user;
    data.dateText = dateText;

    // Column 0 holds the letters, column i + 1 the local priorities under criterion i.
    QStringList header{LocalPrioritiesHeader.text()};
    header += document.criteria;
    data.table.append(header);
    for (int j = 0; j < m; ++j) {
        QStringList row{alternativeLetter(j)};
        for (int i = 0; i < n; ++i) {
            const std::vector<double> &weights = results.alternatives.at(size_t(i)).weights;
            row << formatPriority(size_t(j) < weights.size() ? weights[size_t(j)] : 0.0);
        }
        data.table.append(row);
    }
    for (double global : results.global)
        data.globalPriorities << formatMeasure(global);
    data.decision = results.decision;
    return data;
}

QString reportDateText()
{
    return QDate::currentDate().toString(DateFormat);
}
