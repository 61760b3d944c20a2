#include "report/reportprinter.h"

#include "model/decisionmodel.h"
#include "platform/platformerror.h"
#include "platform/printtarget.h"
#include "platform/stringgrid.h"
#include "report/repform.h"
#include "report/wrappedcell.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPicture>
#include <QPrinter>

#include <memory>

namespace {

// A cell's font shrinks to fit its column no further than this size on the paper.
constexpr double SmallestTextPoints = 6.0;

QString alternativeLabel(int index)
{
    return AlternativeLabelPrefix + alternativeLetter(index);
}

QString entry(const QStringList &list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

struct BandVisibility
{
    bool header;
    bool legend;
    bool consistency;
    bool globalPriorities;
    bool table;
    bool decision;
};

void showBands(TRepForm &page, const BandVisibility &shown)
{
    page.panel1()->setVisible(shown.header);
    page.panel5()->setVisible(shown.legend);
    page.panel2()->setVisible(shown.consistency);
    page.panel6()->setVisible(shown.globalPriorities);
    page.panel4()->setVisible(shown.table);
    page.panel3()->setVisible(shown.decision);
    page.arrangeBands();
}

// The first half of the alternatives runs down the left pair of columns, the rest down the right.
void fillLegend(StringGrid &legend, int m, const QStringList &names)
{
    const int rows = (m + 1) / 2;
    legend.setRowCount(rows);
    for (int i = 0; i < rows; ++i) {
        const bool paired = i + rows < m;
        legend.setCell(0, i, alternativeLabel(i));
        legend.setCell(1, i, entry(names, i));
        legend.setCell(2, i, paired ? alternativeLabel(i + rows) : QString());
        legend.setCell(3, i, paired ? entry(names, i + rows) : QString());
    }
}

void copyMeasures(TRepForm &page, const ReportData &data)
{
    page.rndCoordEdit()->setText(data.rndCoordText);
    page.ratioCoordEdit()->setText(data.ratioCoordText);
    page.idxCoordEdit()->setText(data.idxCoordText);
    // A text wider than its edit shows its beginning, as on the screen.
    for (QLineEdit *edit : {page.rndCoordEdit(), page.ratioCoordEdit(), page.idxCoordEdit()})
        edit->setCursorPosition(0);
}

void fillCriteriaTable(StringGrid &grid, const QStringList &criteria)
{
    const int count = int(criteria.size());
    grid.setColCount(count + 1);
    grid.setRowCount(2);
    grid.setCell(0, 0, CriteriaNumberHeader.text());
    grid.setCell(0, 1, CriteriaNameHeader.text());
    for (int i = 0; i < grid.colCount() - 1; ++i) {
        grid.setCell(i + 1, 0, QString::number(i + 1));
        grid.setCell(i + 1, 1, criteria.at(i));
    }
}

void fillGlobalPriorities(StringGrid &grid, int m, const QStringList &priorities)
{
    grid.setColCount(m);
    for (int i = 0; i < m; ++i) {
        grid.setCell(i, 0, alternativeLabel(i));
        grid.setCell(i, 1, entry(priorities, i));
    }
}

QList<StringGrid *> pageGrids(const TRepForm &page)
{
    return {page.repGrid(), page.altRep(), page.globalesRep()};
}

// Lets the hidden page take in what changed before it is measured or drawn.
void settle(TRepForm &page)
{
    page.ensurePolished();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Narrow columns of a wide table would break their words. The grid's font shrinks until its
// widest word fits its column, but never below the smallest readable size; a word that still
// does not fit breaks inside itself.
void fitFontToColumns(StringGrid &grid, int smallestPixelSize)
{
    const int textMargin = 2 * WrappedCell::horizontalPadding(grid.font()) + 1;
    const QFontMetrics metrics(grid.font());
    double share = 1.0;
    for (int c = 0; c < grid.colCount(); ++c) {
        const int room = grid.colWidth(c) - textMargin;
        if (room <= 0)
            continue;
        for (int r = 0; r < grid.rowCount(); ++r) {
            const QStringList words = grid.cell(c, r).split(QChar(u' '), Qt::SkipEmptyParts);
            for (const QString &word : words) {
                const int needed = metrics.horizontalAdvance(word);
                if (needed > room)
                    share = qMin(share, double(room) / needed);
            }
        }
    }
    QFont font = grid.font();
    const int size = qMax(qMin(font.pixelSize(), smallestPixelSize), int(font.pixelSize() * share));
    if (size == font.pixelSize())
        return;
    font.setPixelSize(size);
    grid.setFont(font);
}

// Every row tall enough for the wrapped texts of its cells, and never lower than it was.
void fitRowsToTexts(StringGrid &grid)
{
    for (int r = 0; r < grid.rowCount(); ++r) {
        int needed = grid.rowHeight(r);
        for (int c = 0; c < grid.colCount(); ++c)
            needed = qMax(needed, WrappedCell::heightFor(grid.font(), grid.cell(c, r), grid.colWidth(c)));
        grid.setRowHeight(r, needed);
    }
}

}

ReportTable gridTexts(const StringGrid &grid)
{
    ReportTable table;
    table.reserve(grid.rowCount());
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList row;
        row.reserve(grid.colCount());
        for (int c = 0; c < grid.colCount(); ++c)
            row.append(grid.cell(c, r));
        table.append(row);
    }
    return table;
}

void CopyGridCells(const ReportTable &source, StringGrid &target)
{
    int cols = 0;
    for (const QStringList &row : source)
        cols = qMax(cols, int(row.size()));
    target.setColCount(cols);
    target.setRowCount(int(source.size()));
    // The grid never has fewer than one row and column; whatever lies outside the source is blank.
    for (int r = 0; r < target.rowCount(); ++r) {
        const QStringList row = r < source.size() ? source.at(r) : QStringList();
        for (int c = 0; c < target.colCount(); ++c)
            target.setCell(c, r, entry(row, c));
    }
}

void CopyGridCells(const StringGrid &source, StringGrid &target)
{
    CopyGridCells(gridTexts(source), target);
}

void composeReport(TRepForm &page, const ReportData &data)
{
    const int m = qBound(0, data.alternativesCount, MaxAlternatives);

    switch (data.pageIndex) {
    case 1:
        page.repName()->setText(CriteriaNamesHeading.text());
        fillLegend(*page.altRep(), m, data.alternativeNames);
        fillCriteriaTable(*page.repGrid(), data.criteriaNames);
        showBands(page, {true, true, false, false, true, false});
        break;
    case 2:
        page.repName()->setText(CriteriaMatrixHeading.text());
        copyMeasures(page, data);
        CopyGridCells(data.table, *page.repGrid());
        showBands(page, {true, false, true, false, true, false});
        break;
    case 3:
        page.repName()->setText(AlternativesMatrixHeading.text() + data.criterionName + AlternativesMatrixHeadingEnd);
        copyMeasures(page, data);
        CopyGridCells(data.table, *page.repGrid());
        showBands(page, {true, false, true, false, true, false});
        break;
    case 4:
        page.repName()->setText(ResultHeading.text());
        fillLegend(*page.altRep(), m, data.alternativeNames);
        fillGlobalPriorities(*page.globalesRep(), m, data.globalPriorities);
        showBands(page, {true, true, false, true, true, true});
        page.decision()->setText(DecisionSummaryPrefix.text() + data.decision);
        CopyGridCells(data.table, *page.repGrid());
        break;
    default:
        break;
    }
    page.studLabel()->setText(data.userName + HeaderSeparator + data.dateText);
}

int scaledRowHeight(int height, int printWidth, int pageWidth)
{
    if (pageWidth <= 0)
        return height;
    return int(qint64(height) * printWidth / pageWidth);
}

void printReport(const ReportData &data)
{
    // Disposed of on every way out, a failed print included.
    auto page = std::make_unique<TRepForm>();
    const std::unique_ptr<PrintTarget::Job> job = PrintTarget::open();
    QPrinter *const printer = &job->printer();

    composeReport(*page, data);
    settle(*page);

    const int printWidth = PrintTarget::printableWidth(*printer);
    const int pageWidth = page->width();
    if (printWidth <= 0)
        throw PlatformError(PrintNoPageWidthMessage.text());

    for (StringGrid *grid : pageGrids(*page))
        for (int r = 0; r < grid->rowCount(); ++r)
            grid->setRowHeight(r, scaledRowHeight(grid->rowHeight(r), printWidth, pageWidth));

    page->scaleBy(printWidth, pageWidth);

    const int smallestText = qRound(SmallestTextPoints * printer->resolution() / 72.0);
    for (StringGrid *grid : pageGrids(*page)) {
        const int width = grid->width() / grid->colCount();
        for (int c = 0; c < grid->colCount(); ++c)
            grid->setColWidth(c, width);
        fitFontToColumns(*grid, smallestText);
        fitRowsToTexts(*grid);
    }
    page->fitBandsToContents();
    for (StringGrid *grid : {page->altRep(), page->repGrid(), page->globalesRep()}) {
        grid->clearCurrentCell();
        grid->clearSelection();
    }

    printer->setDocName(page->repName()->text());
    settle(*page);

    QPainter painter;
    if (!painter.begin(printer))
        throw PlatformError(PrintCannotStartMessage.text());
    // A page grown taller than the paper by a long table shrinks, centred, onto the one sheet.
    const int printHeight = PrintTarget::printableHeight(*printer);
    if (printHeight > 0 && page->height() > printHeight) {
        const qreal shrink = qreal(printHeight) / page->height();
        painter.translate((printWidth - page->width() * shrink) / 2, 0);
        painter.scale(shrink, shrink);
    }
    // Straight onto a printer a widget renders as one bitmap; recorded first, it stays text
    // and lines.
    QPicture picture;
    page->render(&picture, QPoint(0, 0));
    // A picture plays back enlarged from its own resolution to the printer's; the page is
    // already in printer pixels.
    painter.scale(qreal(picture.logicalDpiX()) / printer->logicalDpiX(),
                  qreal(picture.logicalDpiY()) / printer->logicalDpiY());
    painter.drawPicture(0, 0, picture);
    if (!painter.end() || printer->printerState() == QPrinter::Error)
        throw PlatformError(PrintCannotFinishMessage.text());
    job->send();
}
