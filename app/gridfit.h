#pragma once

// How a grid spreads its space over its rows and columns when the window changes size.
struct GridFitRule
{
    int d;               // subtracted from each share before truncation
    int widthFloor;      // a width below this ...
    int widthReplacement;// ... becomes this
};

constexpr int MinCellHeight = 20;
constexpr int MaxCellHeight = 40;
constexpr int MaxCellWidth = 120;

constexpr GridFitRule ChoiceTabFit{0, 60, 70};
constexpr GridFitRule CompTabFit{0, 40, 40};
constexpr GridFitRule GlobTabFit{2, 70, 70};
constexpr GridFitRule GlobalesFit{2, 40, 40};

int fittedRowHeight(int gridHeight, int rowCount, const GridFitRule &rule);
int fittedColWidth(int gridWidth, int colCount, const GridFitRule &rule);
