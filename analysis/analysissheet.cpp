#include "analysis/analysissheet.h"

#include "model/numberformat.h"
#include "model/priorities.h"
#include "model/revision.h"
#include "platform/platformerror.h"
#include "platform/printtarget.h"
#include "report/reportprinter.h"

#include <QCoreApplication>
#include <QGraphicsView>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QVector>

#include <numeric>

namespace {

constexpr int Margin = 20;
constexpr int CellPadding = 4;
// The fourth column of the table names the alternative that draws level.
constexpr int NameColumn = 3;
// About 6 pt on paper: the sheet's 800 pixels are drawn some 7 inches wide.
constexpr int SmallestPixelSize = 9;
const QString FontFamily = QStringLiteral("Arial");

QFont sheetFont(int pixelSize, bool bold = false)
{
    QFont font(FontFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QString quoted(const QString &name)
{
    // Quotation marks differ between the languages, so they go through the translation too.
    return QCoreApplication::translate("AnalysisSheet", "«%1»", "a name in quotation marks").arg(name);
}

QString nameAt(const QStringList &names, int i)
{
    return i >= 0 && i < names.size() ? names.at(i).simplified() : QString();
}

// Draws wrapped text across the sheet; returns the new top.
int drawText(QPainter &painter, int top, const QString &text, const QFont &font, Qt::Alignment align = Qt::AlignLeft)
{
    painter.setFont(font);
    const QRect room(Margin, top, AnalysisSheetWidth - 2 * Margin, 10000);
    const QRect used = painter.boundingRect(room, int(align) | Qt::TextWordWrap, text);
    painter.drawText(room, int(align) | Qt::TextWordWrap, text);
    return top + used.height();
}

// Height a cell needs for its text wrapped at blanks, padding included.
int cellHeight(const QFont &font, const QString &text, int width)
{
    const QRect room(0, 0, qMax(1, width - 2 * CellPadding), 100000);
    return QFontMetrics(font).boundingRect(room, Qt::TextWordWrap, text).height() + 2 * CellPadding;
}

// The header's type shrinks evenly until every word of it fits its column, no further than
// the sheet's smallest size.
QFont headerFontFor(const QStringList &headers, const QVector<int> &widths)
{
    QFont font = sheetFont(11, true);
    auto fits = [&](const QFont &f) {
        const QFontMetrics metrics(f);
        for (int c = 0; c < headers.size() && c < widths.size(); ++c)
            for (const QString &word : headers.at(c).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                if (metrics.horizontalAdvance(word) > widths.at(c) - 2 * CellPadding)
                    return false;
        return true;
    };
    while (!fits(font) && font.pixelSize() > SmallestPixelSize)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

int drawTable(QPainter &painter, int top, const AnalysisSheet &sheet)
{
    const int columns = int(sheet.tableHeaders.size());
    if (columns == 0)
        return top;
    const int width = AnalysisSheetWidth - 2 * Margin;
    // Numbers take a narrow column each; the names of criteria and alternatives share the rest.
    const int numberWidth = width / (columns + 2);
    QVector<int> widths(columns, numberWidth);
    const int nameColumns = columns > NameColumn ? 2 : 1;
    const int nameWidth = (width - numberWidth * (columns - nameColumns)) / nameColumns;
    widths[0] = nameWidth;
    if (nameColumns == 2)
        widths[NameColumn] = nameWidth;
    widths[columns - 1] += width - std::accumulate(widths.cbegin(), widths.cend(), 0);
    const QFont headerFont = headerFontFor(sheet.tableHeaders, widths);

    // Every row is as tall as its tallest wrapped cell, so that no text crosses a border.
    auto rowHeight = [&](const QStringList &texts, const QFont &font) {
        int height = QFontMetrics(font).height() + 2 * CellPadding;
        for (int c = 0; c < columns && c < texts.size(); ++c)
            height = qMax(height, cellHeight(font, texts.at(c), widths.at(c)));
        return height;
    };
    auto drawRow = [&](int y, const QStringList &texts, const QFont &font) {
        const int height = rowHeight(texts, font);
        int x = Margin;
        painter.setFont(font);
        for (int c = 0; c < columns; ++c) {
            const QRect cell(x, y, widths.at(c), height);
            painter.drawRect(cell);
            const Qt::Alignment align = c == 0 || c == NameColumn ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter;
            const QString text = c < texts.size() ? texts.at(c) : QString();
            painter.drawText(cell.adjusted(CellPadding, CellPadding, -CellPadding, -CellPadding), int(align) | Qt::TextWordWrap, text);
            x += widths.at(c);
        }
        return y + height;
    };
    top = drawRow(top, sheet.tableHeaders, headerFont);
    for (int r = 0; r < sheet.tableRows.size(); ++r)
        top = drawRow(top, sheet.tableRows.at(r), r == sheet.boldRow ? sheetFont(11, true) : sheetFont(11));
    return top;
}

}

QStringList revisionLines(const ReviewedMatrix &matrix)
{
    const int n = int(matrix.a.size());
    const PriorityResult result = computeLocalPriorities(n, matrix.a);
    if (result.weights.empty() || !result.inconsistent)
        return {};
    QStringList lines;
    lines << QCoreApplication::translate("AnalysisSheet", "%1: отношение согласованности %2").arg(matrix.title, formatReadable(result.cr));
    for (const JudgementRevision &revision : judgementRevisions(n, matrix.a, 3)) {
        const QString present = revision.row < matrix.texts.size() && revision.col < matrix.texts.at(revision.row).size()
                                    ? matrix.texts.at(revision.row).at(revision.col)
                                    : formatReadable(matrix.a[size_t(revision.row)][size_t(revision.col)]);
        lines << QCoreApplication::translate("AnalysisSheet", "    %1 : %2 — сейчас %3, подходит %4, отношение согласованности станет %5")
                     .arg(quoted(nameAt(matrix.names, revision.row)), quoted(nameAt(matrix.names, revision.col)),
                          present, revision.suggestedText, formatReadable(revision.crAfter));
    }
    return lines;
}

int drawAnalysisSheet(QPainter &painter, const AnalysisSheet &sheet)
{
    painter.setPen(Qt::black);
    int top = Margin;
    top = drawText(painter, top, sheet.header, sheetFont(10), Qt::AlignRight);
    top = drawText(painter, top + 4, sheet.title, sheetFont(16, true), Qt::AlignHCenter) + 8;
    if (sheet.chart) {
        const int width = AnalysisSheetWidth - 2 * Margin;
        const int height = width * 9 / 16;
        sheet.chart->render(&painter, QRectF(Margin, top, width, height), QRect(), Qt::KeepAspectRatio);
        top += height + 10;
    }
    if (!sheet.ranking.isEmpty())
        top = drawText(painter, top, QCoreApplication::translate("AnalysisSheet", "Ранжирование: %1")
                                         .arg(sheet.ranking.split(QLatin1Char('\n')).join(QStringLiteral("; "))),
                       sheetFont(11)) + 8;
    top = drawTable(painter, top, sheet) + 6;
    if (!sheet.critical.isEmpty())
        top = drawText(painter, top, sheet.critical, sheetFont(11, true)) + 10;

    QStringList lines;
    for (const ReviewedMatrix &matrix : sheet.matrices)
        lines << revisionLines(matrix);
    if (lines.isEmpty()) {
        top = drawText(painter, top, QCoreApplication::translate("AnalysisSheet", "Все матрицы согласованы: пересматривать нечего."), sheetFont(11));
    } else {
        top = drawText(painter, top, QCoreApplication::translate("AnalysisSheet", "Что пересмотреть в несогласованных матрицах"), sheetFont(12, true)) + 2;
        for (const QString &line : lines)
            top = drawText(painter, top, line, sheetFont(10));
    }
    return top + Margin;
}

void printAnalysisSheet(const AnalysisSheet &sheet)
{
    const std::unique_ptr<PrintTarget::Job> job = PrintTarget::open();
    paintAnalysisSheet(sheet, job->printer());
    job->send();
}

void writeAnalysisSheetPdf(const AnalysisSheet &sheet, const QString &path)
{
    const std::unique_ptr<PrintTarget::Job> job = PrintTarget::openPdf(path);
    paintAnalysisSheet(sheet, job->printer());
    job->send();
}

void paintAnalysisSheet(const AnalysisSheet &sheet, QPrinter &target)
{
    QPrinter *const printer = &target;
    const int printWidth = PrintTarget::printableWidth(*printer);
    const int printHeight = PrintTarget::printableHeight(*printer);
    if (printWidth <= 0 || printHeight <= 0)
        throw PlatformError(PrintNoPageWidthMessage.text());

    // Recorded first, the sheet stays text and lines on paper and can be measured.
    QPicture picture;
    QPainter recorder(&picture);
    const int height = drawAnalysisSheet(recorder, sheet);
    recorder.end();

    printer->setDocName(sheet.title);
    QPainter painter;
    if (!painter.begin(printer))
        throw PlatformError(PrintCannotStartMessage.text());
    // Wide enough for the paper, and shrunk further when many red matrices make it taller.
    const qreal scale = std::min(qreal(printWidth) / AnalysisSheetWidth, qreal(printHeight) / std::max(1, height));
    painter.translate((printWidth - AnalysisSheetWidth * scale) / 2, 0);
    painter.scale(scale, scale);
    painter.scale(qreal(picture.logicalDpiX()) / printer->logicalDpiX(),
                  qreal(picture.logicalDpiY()) / printer->logicalDpiY());
    painter.drawPicture(0, 0, picture);
    if (!painter.end() || printer->printerState() == QPrinter::Error)
        throw PlatformError(PrintCannotFinishMessage.text());
}
