#include "app/matrixreport.h"

#include "app/pagetexts.h"
#include "platform/stringgrid.h"
#include "platform/stringgridmodel.h"
#include "report/reportdata.h"

void addMatrixEstimates(ReportData &data, const StringGrid &grid, int n, bool allowMissing)
{
    if (!allowMissing || n <= 0 || data.table.size() <= n)
        return;
    const StringGridModel *model = grid.gridModel();
    int missing = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            QStringList &upper = data.table[i];
            QStringList &lower = data.table[j];
            if (j >= upper.size() || i >= lower.size() || !upper.at(j).isEmpty() || !lower.at(i).isEmpty())
                continue;
            ++missing;
            const QString estimate = model->estimate(j, i);
            const QString mirror = model->estimate(i, j);
            // Items not linked yet have no estimate: their pairs stay blank.
            if (estimate.isEmpty() || mirror.isEmpty())
                continue;
            upper[j] = estimate;
            lower[i] = mirror;
            data.estimatedCells.append({j, i});
            data.estimatedCells.append({i, j});
        }
    }
    const int pairs = n * (n - 1) / 2;
    const QString count = givenCountNote(pairs - missing, pairs);
    data.estimateNote = data.estimatedCells.isEmpty() ? count : EstimatedMatrixNote.text() + QStringLiteral(" ") + count;
}
