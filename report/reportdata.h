#pragma once

#include <QString>
#include <QStringList>
#include <QPair>
#include <QVector>

// The texts of a grid as rows of cells; row 0 and column 0 are the grid's headers.
using ReportTable = QVector<QStringList>;

// What the report copies from the main window, exactly as the screen shows it.
struct ReportData
{
    // The wizard page being printed: 1 names, 2 criteria matrix, 3 alternatives matrix,
    // 4 result.
    int pageIndex = 1;
    // m, the number of alternatives.
    int alternativesCount = 0;
    QStringList alternativeNames;
    QStringList criteriaNames;

    // Consistency measures of the matrix on the page (pages 2 and 3).
    QString rndCoordText;
    QString idxCoordText;
    QString ratioCoordText;

    // The criterion whose alternatives matrix is on the screen (page 3), or whose sub-criteria
    // matrix is (page 2, its path; empty for the top criteria).
    QString criterionName;

    // The page's own grid: the criteria matrix (page 2), the current alternatives matrix
    // (page 3) or the local priorities table (page 4; with sub-criteria a row a leaf: its path,
    // its weight and the local priorities under it).
    ReportTable table;

    // Global priority of each alternative, in letter order (page 4).
    QStringList globalPriorities;
    // The decision sentence (page 4).
    QString decision;
    // With sub-criteria (page 4): the weights as a compact tree, one line a top criterion
    // ("Качество 0.21 › Сборка 0.16, Материалы 0.05"); empty without.
    QStringList hierarchyLines;
    // Cells of the table (col, row) whose values rest on estimated judgements, printed in italics,
    // and the note under the sheet that says so and how many judgements were given; empty when
    // nothing was left out.
    QVector<QPair<int, int>> estimatedCells;
    QString estimateNote;

    QString userName;
    QString dateText;
};
