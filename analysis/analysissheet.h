#pragma once

#include "analysis/sensitivitydata.h"

#include <QList>
#include <QString>
#include <QStringList>

class QGraphicsView;
class QPainter;
class QPrinter;

// The printed analysis of a decision, one sheet: the contribution chart, the threshold table
// and, for every matrix whose consistency ratio is out of bounds, the judgements to revise first.
struct AnalysisSheet
{
    QString title;
    QString header;
    QGraphicsView *chart = nullptr;
    QStringList tableHeaders;
    QList<QStringList> tableRows;
    int boldRow = -1;
    QString critical;
    QString ranking; // one alternative a line
    std::vector<ReviewedMatrix> matrices;
};

// Design width of the sheet; the drawing is scaled to the paper from it.
constexpr int AnalysisSheetWidth = 800;

// The lines that name the revisions of one matrix: none when its ratio is within bounds.
QStringList revisionLines(const ReviewedMatrix &matrix);

// Draws the sheet at design size from the top left; returns the height it took.
int drawAnalysisSheet(QPainter &painter, const AnalysisSheet &sheet);

// Prints the sheet on the current printer (PrintTarget), shrunk to fit one page. Throws
// PlatformError when the printer cannot be opened or the document cannot be written.
void printAnalysisSheet(const AnalysisSheet &sheet);
// The same sheet as a PDF file, written whole or not at all (PrintTarget::FileNotWritten).
void writeAnalysisSheetPdf(const AnalysisSheet &sheet, const QString &path);
// The same sheet on a printer that is already open.
void paintAnalysisSheet(const AnalysisSheet &sheet, QPrinter &printer);
