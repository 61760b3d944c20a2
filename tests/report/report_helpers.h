#pragma once

#include "report/reportdata.h"

#include <QString>
#include <QStringList>

// Maps Arial to Liberation Sans, as the program does at start-up.
void useReportFonts();

// Names as the person would give them; criterion i is "Критерий i+1", alternative k "Вариант X".
QStringList criteriaNames(int n);
QStringList alternativeNames(int m);

// What the main window hands over on each wizard page. Every cell of the tables is a distinct
// text, so that a lost or misplaced cell shows.
ReportData namesPage(int n, int m);
ReportData criteriaPage(int n);
ReportData alternativesPage(int m, const QString &criterion);
ReportData resultPage(int n, int m);

// A comparison table for the given header names: headers, "1" on the diagonal, "r/c" judgements
// and a priority column "0.0000rrr1".
ReportTable comparisonTable(const QStringList &names);

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

// The lines of a sheet's text, blanks at both ends removed, empty lines dropped.
QStringList sheetLines(const QString &text);
// The cells of one line of pdftotext -layout output: runs separated by two or more blanks.
QStringList lineCells(const QString &line);
