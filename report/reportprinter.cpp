#include "report/reportprinter.h"

#include "model/decisionmodel.h"
#include "platform/platformerror.h"
#include "platform/printtarget.h"
#include "platform/stringgrid.h"
#include "platform/stringgridmodel.h"
#include "report/repform.h"
#include "report/wrappedcell.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QVector>

#include <algorithm>
#include <memory>
#include <numeric>

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

// The widths a grid's columns need at a font: each text on one line, and the narrowest that
// keeps every word and number whole. Cells of the first row may turn upwards when allowed, the
// others too when upright is true.
struct ColumnNeeds
{
    QVector<int> oneLine;
    QVector<int> narrowest;
    // One line for every cell below the first row.
    QVector<int> bodyOneLine;
};

ColumnNeeds columnNeeds(const StringGrid &grid, const QFont &font, bool upright)
{
    ColumnNeeds needs;
    for (int c = 0; c < grid.colCount(); ++c) {
        int oneLine = 1;
        int bodyOneLine = 1;
        int narrowest = 1;
        for (int r = 0; r < grid.rowCount(); ++r) {
            const QString text = grid.cell(c, r);
            if (text.isEmpty())
                continue;
            const int line = WrappedCell::oneLineWidth(font, text);
            oneLine = qMax(oneLine, line);
            if (r > 0)
                bodyOneLine = qMax(bodyOneLine, line);
            int word = WrappedCell::widestWordWidth(font, text);
            if ((upright || r == 0) && !WrappedCell::isNumber(text))
                word = qMin(word, WrappedCell::upwardsWidth(font, text));
            narrowest = qMax(narrowest, word);
        }
        needs.oneLine.append(oneLine);
        needs.narrowest.append(narrowest);
        needs.bodyOneLine.append(qMax(narrowest, bodyOneLine));
    }
    return needs;
}

int total(const QVector<int> &widths)
{
    int sum = 0;
    for (int w : widths)
        sum += w;
    return sum;
}

// Shares the room between the columns. Each gets what it cannot do without; then the columns
// whose cells below the first row would wrap get one line for them, the cheapest first, since
// every such cell makes a row taller; what is left goes to the headings in proportion to what
// they lack for one line, and the rest evenly.
QVector<int> shareRoom(const ColumnNeeds &needs, int room)
{
    const int count = int(needs.oneLine.size());
    QVector<int> widths = needs.narrowest;
    QVector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&needs](int a, int b) {
        return needs.bodyOneLine.at(a) - needs.narrowest.at(a) < needs.bodyOneLine.at(b) - needs.narrowest.at(b);
    });
    for (int c : order) {
        const int lacking = needs.bodyOneLine.at(c) - widths.at(c);
        if (lacking > 0 && total(widths) + lacking <= room)
            widths[c] += lacking;
    }
    int spare = room - total(widths);
    int lacking = 0;
    for (int c = 0; c < count; ++c)
        lacking += qMax(0, needs.oneLine.at(c) - widths.at(c));
    if (spare > 0 && lacking > 0) {
        const double share = qMin(1.0, double(spare) / lacking);
        for (int c = 0; c < count; ++c)
            widths[c] += int(qMax(0, needs.oneLine.at(c) - widths.at(c)) * share);
        spare = room - total(widths);
    }
    if (spare > 0 && count > 0) {
        for (int c = 0; c < count; ++c)
            widths[c] += spare / count;
        widths[count - 1] += spare % count;
    }
    return widths;
}

// A table too wide for the paper first shrinks its type evenly, no further than the smallest
// readable size; only then do its texts wrap at blanks, and a heading word that still has no
// room runs upwards. Numbers and words are never broken. Columns are equal while every text
// fits one line in an equal share.
void fitGridToWidth(StringGrid &grid, int smallestPixelSize)
{
    const int count = grid.colCount();
    const int room = grid.width() - 2 * grid.frameWidth();
    if (count <= 0 || room <= 0)
        return;
    QFont font = grid.font();
    const int smallest = qMin(font.pixelSize(), smallestPixelSize);
    ColumnNeeds needs = columnNeeds(grid, font, false);
    while (total(needs.oneLine) > room && font.pixelSize() > smallest) {
        font.setPixelSize(qMax(smallest, qMin(font.pixelSize() - 1,
                                              int(font.pixelSize() * double(room) / total(needs.oneLine)))));
        needs = columnNeeds(grid, font, false);
    }
    if (total(needs.narrowest) > room)
        needs = columnNeeds(grid, font, true);
    grid.setFont(font);

    int widest = 0;
    for (int w : needs.oneLine)
        widest = qMax(widest, w);
    if (widest <= room / count) {
        for (int c = 0; c < count; ++c)
            grid.setColWidth(c, room / count);
        return;
    }
    const QVector<int> widths = shareRoom(needs, room);
    for (int c = 0; c < count; ++c)
        grid.setColWidth(c, widths.at(c));
}

// A label's text stays on the sheet: its type shrinks evenly until its widest word fits, no
// further than the smallest readable size; a word still too wide (a name typed without blanks)
// is then broken where the line ends, since nothing else keeps it on the paper.
void fitLabelToWidth(QLabel &label, int smallestPixelSize)
{
    const QString text = label.text();
    const int room = label.contentsRect().width() - 2 * label.margin();
    if (text.isEmpty() || room <= 0)
        return;
    auto widestWord = [&text](const QFont &font) {
        const QFontMetricsF metrics(font);
        qreal widest = 0;
        for (const QString &word : text.split(QChar(u' '), Qt::SkipEmptyParts))
            widest = qMax(widest, metrics.horizontalAdvance(word));
        return widest;
    };
    QFont font = label.font();
    const int smallest = qMin(font.pixelSize(), smallestPixelSize);
    while (widestWord(font) > room && font.pixelSize() > smallest)
        font.setPixelSize(qMax(smallest, qMin(font.pixelSize() - 1, int(font.pixelSize() * room / widestWord(font)))));
    label.setFont(font);
    if (widestWord(font) <= room)
        return;
    const QFontMetricsF metrics(font);
    QStringList words;
    for (const QString &word : text.split(QChar(u' '))) {
        QString piece;
        QString broken;
        for (const QChar ch : word) {
            if (!piece.isEmpty() && metrics.horizontalAdvance(piece + ch) > room) {
                broken += piece + QChar(u'\n');
                piece.clear();
            }
            piece += ch;
        }
        words << broken + piece;
    }
    label.setText(words.join(QChar(u' ')));
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

// Every row exactly as tall as its texts need: a row a leaf makes a long table, whose rows would
// otherwise keep the screen's spacing and push the sheet into shrinking everything.
void fitRowsTightly(StringGrid &grid)
{
    for (int r = 0; r < grid.rowCount(); ++r) {
        int needed = 1;
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
    case 3:
        if (data.pageIndex == 3)
            page.repName()->setText(AlternativesMatrixHeading.text() + data.criterionName + AlternativesMatrixHeadingEnd);
        else if (data.criterionName.isEmpty())
            page.repName()->setText(CriteriaMatrixHeading.text());
        else
            page.repName()->setText(SubcriteriaMatrixHeading.text().arg(data.criterionName));
        copyMeasures(page, data);
        CopyGridCells(data.table, *page.repGrid());
        for (const auto &[col, row] : data.estimatedCells)
            page.repGrid()->gridModel()->setItalic(col, row, true);
        // The note on estimates takes the band that the result page gives its decision.
        page.decision()->setText(data.estimateNote);
        showBands(page, {true, false, true, false, true, !data.estimateNote.isEmpty()});
        break;
    case 4:
        page.repName()->setText(ResultHeading.text());
        fillLegend(*page.altRep(), m, data.alternativeNames);
        fillGlobalPriorities(*page.globalesRep(), m, data.globalPriorities);
        showBands(page, {true, true, false, true, true, true});
        page.decision()->setText(DecisionSummaryPrefix.text() + data.decision
                                 + (data.hierarchyLines.isEmpty()
                                            ? QString()
                                            : QStringLiteral("\n") + HierarchyWeightsHeading.text() + QStringLiteral("\n")
                                                      + data.hierarchyLines.join(QStringLiteral("\n")))
                                 + (data.estimateNote.isEmpty() ? QString() : QStringLiteral("\n") + data.estimateNote));
        CopyGridCells(data.table, *page.repGrid());
        for (const auto &[col, row] : data.estimatedCells)
            page.repGrid()->gridModel()->setItalic(col, row, true);
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
    const std::unique_ptr<PrintTarget::Job> job = PrintTarget::open();
    paintReport(data, job->printer());
    job->send();
}

void writeReportPdf(const ReportData &data, const QString &path)
{
    const std::unique_ptr<PrintTarget::Job> job = PrintTarget::openPdf(path);
    paintReport(data, job->printer());
    job->send();
}

void paintReport(const ReportData &data, QPrinter &target)
{
    // Disposed of on every way out, a failed print included.
    auto page = std::make_unique<TRepForm>();
    QPrinter *const printer = &target;

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
        fitGridToWidth(*grid, smallestText);
        fitRowsToTexts(*grid);
    }
    // Up to the rows of the largest table without sub-criteria, rows keep that table's spacing.
    if (!data.hierarchyLines.isEmpty() && page->repGrid()->rowCount() > MaxAlternatives + 1)
        fitRowsTightly(*page->repGrid());
    for (QLabel *label : {page->studLabel(), page->repName(), page->decision()})
        fitLabelToWidth(*label, smallestText);
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
}
