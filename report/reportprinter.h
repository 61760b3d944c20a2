#pragma once

#include "model/translatabletext.h"
#include "report/reportdata.h"

#include <QString>

class QPrinter;
class StringGrid;
class TRepForm;

// The question the main window asks before it prints.
inline constexpr TranslatableText PrintConfirmationText{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "Страница будет распечатана")};
inline constexpr TranslatableText PrintConfirmationCaption{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "Печать")};

inline constexpr TranslatableText CriteriaNamesHeading{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "Названия критериев")};
inline constexpr TranslatableText CriteriaNumberHeader{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "№ критерия")};
inline constexpr TranslatableText CriteriaNameHeader{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "Название")};
inline constexpr TranslatableText CriteriaMatrixHeading{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "Таблица относительной важности критериев")};
inline constexpr TranslatableText SubcriteriaMatrixHeading{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "Таблица относительной важности подкритериев «%1»")};
inline constexpr TranslatableText AlternativesMatrixHeading{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "Матрица сравнения для критерия '")};
inline const QString AlternativesMatrixHeadingEnd = QStringLiteral("'");
inline constexpr TranslatableText ResultHeading{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "Таблица глобальных приоритетов и результат")};
inline constexpr TranslatableText HierarchyWeightsHeading{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "Веса критериев:")};
inline constexpr TranslatableText DecisionSummaryPrefix{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "Резюме - ")};
inline const QString AlternativeLabelPrefix = QStringLiteral("Alt");
inline const QString HeaderSeparator = QStringLiteral(", ");

inline constexpr TranslatableText PrintCannotStartMessage{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "Не удалось начать печать: принтер не готов или файл не записывается")};
inline constexpr TranslatableText PrintCannotFinishMessage{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "Не удалось завершить печать: страница не отправлена на принтер")};
inline constexpr TranslatableText PrintNoPageWidthMessage{"ReportPrinter", QT_TRANSLATE_NOOP("ReportPrinter", "Не удалось начать печать: у принтера нет области печати")};

// The texts of a grid, row by row.
ReportTable gridTexts(const StringGrid &grid);

// Makes target as large as source and copies every cell, headers included; the target keeps
// its own look, so headers print like ordinary cells. Rows shorter than the longest give
// empty cells.
void CopyGridCells(const ReportTable &source, StringGrid &target);
void CopyGridCells(const StringGrid &source, StringGrid &target);

// Fills a fresh report page for wizard page data.pageIndex (1 to 4): which bands show, the
// heading, the tables, the alternatives legend, the summary and the header line.
void composeReport(TRepForm &page, const ReportData &data);

// A row of the page scaled from the page's width to the printer's, truncated to whole pixels.
int scaledRowHeight(int height, int printWidth, int pageWidth);

// Prints data as one sheet on the current printer (PrintTarget): a fresh report page, composed,
// scaled to the printable width, every table row on the sheet. Throws PlatformError when the
// printer cannot be opened or the document cannot be written; the page is disposed of in any
// case.
void printReport(const ReportData &data);
// The same sheet as a PDF file, written whole or not at all (PrintTarget::FileNotWritten).
void writeReportPdf(const ReportData &data, const QString &path);
// The same sheet painted on a printer that is already open: a preview's, or the one a print
// dialog chose. Throws PlatformError when the sheet cannot be painted.
void paintReport(const ReportData &data, QPrinter &printer);
