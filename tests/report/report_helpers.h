#pragma once

#include "report/reportdata.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// Maps Arial to Liberation Sans, as the program does at start-up.
void useReportFonts();

// What the main window hands over on each wizard page: criterion i is named "Критерий i+1",
// alternative k "Вариант X"; every cell of the tables is a distinct text, so that a lost or
// misplaced cell shows.
ReportData namesPage(int n, int m);
ReportData criteriaPage(int n);
ReportData alternativesPage(int m, const QString &criterion);
ReportData resultPage(int n, int m);

// A printed sheet: the PDF written by printReport and what pdftotext -layout reads from it.
struct PrintedSheet
{
    QString pdfPath;
    QString text;
    int pages = 0;
    QString title;
};

// Prints data to a PDF named name (in REPORT_SHEETS_DIR when set, so that the sheets can be
// looked at, else in a temporary folder) and reads it back.
PrintedSheet printSheet(const ReportData &data, const QString &name);

// A word on a sheet and its box in points from the paper's top-left corner.
struct SheetWord
{
    QString text;
    QRectF box;
};
QList<SheetWord> sheetWords(const QString &pdfPath);

// The lines of a sheet's text with their runs of blanks made single, empty lines dropped.
QStringList sheetLines(const QString &text);
