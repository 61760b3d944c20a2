#pragma once

#include "document/decisiondocument.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

// Reading, checking and writing decision files (UTF-8 JSON, extension .ahp, format
// "analyze-decision", version 1, or 2 for a decision with sub-criteria). See docs/decision-file.md.

// The highest version read. A decision without sub-criteria is written as version 1, so that
// earlier copies of the program still open it.
constexpr int DecisionFileVersion = 2;
constexpr int FlatDecisionFileVersion = 1;
inline const QString DecisionFileFormat = QStringLiteral("analyze-decision");
inline const QString DecisionFileSuffix = QStringLiteral("ahp");
// A full 15 x 10 decision takes a few kilobytes; anything this large is not a decision file, and
// is refused before it is read (and never written, so that every saved file opens again).
constexpr qint64 MaxDecisionFileSize = 16 * 1024 * 1024;

struct DecisionReadResult
{
    std::optional<DecisionDocument> document; // set when the file was accepted
    QString error;                            // what is wrong (and where, for a cell) otherwise
};

// The rules a document must keep to be written or accepted: counts 3..15 and 3..10, sub-criteria
// 2..15 a criterion, at most four levels and 50 leaves, every matrix square of its order
// (alternatives: one per leaf), "1" on every diagonal. Empty
// when the document keeps them, else what is wrong (and where, for a cell).
QString checkDecision(const DecisionDocument &document);

// Checks everything: JSON, format, version, counts, matrix sizes, every cell and name a string.
DecisionReadResult readDecision(const QByteArray &bytes);
// The same from a file; a file that cannot be opened, is not a regular file or is implausibly
// large is refused too. The error is the reason alone, without the file's name.
DecisionReadResult readDecisionFile(const QString &path);
// What a refused file reads as, composed once by whoever reports it:
// "Файл «decision.ahp» не открыт. Файл повреждён: …".
QString notOpenedText(const QString &path, const QString &reason);

// String members written after "version", besides the decision's own (a recovery copy names the
// file of its session); readers that do not know them ignore them.
using ExtraMembers = QList<std::pair<QString, QString>>;

// The file's bytes (UTF-8 JSON, members in the documented order). Writes whatever it is given;
// saveDecisionFile checks first.
QByteArray writeDecision(const DecisionDocument &document, const ExtraMembers &extra = {});
// Whole or not at all (WholeFile::write): on failure the old file is left whole, false is
// returned and *error says why, with the system's cause.
// A document that checkDecision refuses, or one too large to be read again, is not written.
bool saveDecisionFile(const QString &path, const DecisionDocument &document, QString *error,
                      const ExtraMembers &extra = {});
