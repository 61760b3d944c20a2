#pragma once

#include "report/reportdata.h"

#include <QString>

class StringGrid;
class TRepForm;

// The question the main window asks before it prints.
inline const QString PrintConfirmationText = QStringLiteral("Страница будет распечатана");
inline const QString PrintConfirmationCaption = QStringLiteral("Печать");

inline const QString CriteriaNamesHeading = QStringLiteral("Названия критериев");
inline const QString CriteriaNumberHeader = QStringLiteral("№ критерия");
inline const QString CriteriaNameHeader = QStringLiteral("Название");
inline const QString CriteriaMatrixHeading = QStringLiteral("Таблица относительной важности критериев");
inline const QString AlternativesMatrixHeading = QStringLiteral("Матрица сравнения для критерия '");
inline const QString AlternativesMatrixHeadingEnd = QStringLiteral("'");
inline const QString ResultHeading = QStringLiteral("Таблица глобальных приоритетов и результат");
inline const QString DecisionSummaryPrefix = QStringLiteral("Резюме - ");
inline const QString AlternativeLabelPrefix = QStringLiteral("Alt");
inline const QString HeaderSeparator = QStringLiteral(", ");

inline const QString PrintCannotStartMessage = QStringLiteral("Не удалось начать печать: принтер не готов или файл не записывается");
inline const QString PrintCannotFinishMessage = QStringLiteral("Не удалось завершить печать: страница не отправлена на принтер");
inline const QString PrintNoPageWidthMessage = QStringLiteral("Не удалось начать печать: у принтера нет области печати");

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
