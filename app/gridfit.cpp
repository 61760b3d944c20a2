#include "app/gridfit.h"

#include <cmath>

namespace {
int share(int extent, int count, int d)
{
    if (count <= 0)
        return 0;
    return static_cast<int>(std::trunc(double(extent - 20) / count - d));
}
}

int fittedRowHeight(int gridHeight, int rowCount, const GridFitRule &rule)
{
    int height = share(gridHeight, rowCount, rule.d);
    if (height < MinCellHeight)
        height = MinCellHeight;
    if (height > MaxCellHeight)
        height = MaxCellHeight;
    return height;
}

int fittedColWidth(int gridWidth, int colCount, const GridFitRule &rule)
{
    int width = share(gridWidth, colCount, rule.d);
    if (width < rule.widthFloor)
        width = rule.widthReplacement;
    if (width > MaxCellWidth)
        width = MaxCellWidth;
    return width;
}
