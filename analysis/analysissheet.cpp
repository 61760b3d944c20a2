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

namespace {

constexpr int Margin = 20;
constexpr int CellPadding = 4;
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

int drawTable(QPainter &painter, int top, const AnalysisSheet &sheet)
{
    const int columns = int(sheet.tableHeaders.size());
    if (columns == 0)
        return top;
    const int width = AnalysisSheetWidth - 2 * Margin;
    // The first column holds the names and takes what the numbers leave.
    const int numberWidth = width / (columns + 2);
    const int firstWidth = width - numberWidth * (columns - 1);
    const QFont headerFont = sheetFont(11, true);
    const QFont cellFont = sheetFont(11);
    const int rowHeight = QFontMetrics(cellFont).height() + 2 * CellPadding;

    auto drawRow = [&](int y, const QStringList &texts, const QFont &font, int height) {
        int x = Margin;
        painter.setFont(font);
        for (int c = 0; c < columns; ++c) {
            const int w = c == 0 ? firstWidth : numberWidth;
            const QRect cell(x, y, w, height);
            painter.drawRect(cell);
            const Qt::Alignment align = c == 0 || c == 3 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter;
            const QString text = c < texts.size() ? texts.at(c) : QString();
            painter.drawText(cell.adjusted(CellPadding, 0, -CellPadding, 0), int(align) | Qt::TextWordWrap,
                             QFontMetrics(font).elidedText(text, Qt::ElideRight, (w - 2 * CellPadding) * 2));
            x += w;
        }
    };
    const int headerHeight = 2 * QFontMetrics(headerFont).height() + 2 * CellPadding;
    drawRow(top, sheet.tableHeaders, headerFont, headerHeight);
    top += headerHeight;
    for (int r = 0; r < sheet.tableRows.size(); ++r) {
        drawRow(top, sheet.tableRows.at(r), r == sheet.boldRow ? sheetFont(11, true) : cellFont, rowHeight);
        top += rowHeight;
    }
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
    lines << QCoreApplication::translate("AnalysisSheet", "%1: отношение согласованности %2").arg(matrix.title, formatMeasure(result.cr));
    for (const JudgementRevision &revision : judgementRevisions(n, matrix.a, 3)) {
        const QString present = revision.row < matrix.texts.size() && revision.col < matrix.texts.at(revision.row).size()
                                    ? matrix.texts.at(revision.row).at(revision.col)
                                    : formatGeneral(matrix.a[size_t(revision.row)][size_t(revision.col)]);
        lines << QCoreApplication::translate("AnalysisSheet", "    %1 : %2 — сейчас %3, подходит %4, отношение согласованности станет %5")
                     .arg(quoted(nameAt(matrix.names, revision.row)), quoted(nameAt(matrix.names, revision.col)),
                          present, revision.suggestedText, formatMeasure(revision.crAfter));
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
    QPrinter *const printer = &job->printer();
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
    job->send();
}
