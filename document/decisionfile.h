#pragma once

#include "document/decisiondocument.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Reading, checking and writing decision files (UTF-8 JSON, extension .ahp, format
// "analyze-decision", version 1). See docs/decision-file.md.

constexpr int DecisionFileVersion = 1;

struct DecisionReadResult
{
    std::optional<DecisionDocument> document; // set when the file was accepted
    QString error;                            // what is wrong (and where, for a cell) otherwise
};

// Checks everything: JSON, format, version, counts, matrix sizes, every cell and name a string.
DecisionReadResult readDecision(const QByteArray &bytes);
// The same from a file; a file that cannot be opened, is not a regular file or is implausibly
// large is refused with a message too.
DecisionReadResult readDecisionFile(const QString &path);

QByteArray writeDecision(const DecisionDocument &document);
// Atomic (QSaveFile): on failure the old file is left whole, false is returned and *error says why.
bool saveDecisionFile(const QString &path, const DecisionDocument &document, QString *error);
