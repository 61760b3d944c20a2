#pragma once

#include <QByteArray>
#include <QString>

struct DecisionDocument;
struct DecisionResults;

// The computed decision as a spreadsheet, for the window's "Экспорт результатов…" and for
// "analyze --export". The first sheet has a header row, then one row per alternative in the
// alternatives' order: its name, its global priority and its place. A workbook (.xlsx) goes on
// with the criterion weights and every matrix with its weights and consistency measures; a
// comma-separated file (.csv) holds the first sheet alone. Numbers are stored as numbers.
namespace ResultsExport {

enum class Format { Unknown, Workbook, Csv };

// By the file's suffix, whatever its case.
Format formatOf(const QString &path);

// 1 for the highest global priority; equal priorities share a place.
int rankOf(const DecisionResults &results, int alternative);

// UTF-8, "." decimals in the shortest form that reads back as the same double, quoted as
// RFC 4180 says (CRLF line ends).
QByteArray csv(const DecisionDocument &document, const DecisionResults &results);

// The .xlsx bytes; false with *reason when the workbook could not be made.
bool workbook(const DecisionDocument &document, const DecisionResults &results, QByteArray *bytes, QString *reason);

// Writes path whole, or leaves it as it was and says why in *reason.
bool write(const QString &path, const DecisionDocument &document, const DecisionResults &results, QString *reason);

}
