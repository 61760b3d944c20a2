#include "entry/validationpass.h"

#include "entry/textgrid.h"
#include "model/judgement.h"

namespace {
// A cell the grid does not have reads as an unfilled cell.
QString textAt(const TextGrid &grid, int col, int row)
{
    if (col < 0 || row < 0 || col >= grid.colCount() || row >= grid.rowCount())
        return QString();
    return grid.cellText(col, row);
}
}

std::optional<ValidationFailure> runValidationPass(const TextGrid &grid, int n,
        const std::function<void(int i, int j, double value)> &onValue)
{
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const JudgementCheck check = validateJudgement(textAt(grid, j + 1, i + 1));
            if (!check.valid)
                return ValidationFailure{j + 1, i + 1, check.message};
            if (onValue)
                onValue(i, j, check.value);
        }
    }
    return std::nullopt;
}
