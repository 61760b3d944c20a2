#pragma once

#include "document/decisiondocument.h"

#include <QList>
#include <QString>
#include <optional>

// A group's decision: every off-diagonal judgement the geometric mean of the members' values.
struct MergeInput
{
    QString fileName;           // named in messages
    DecisionDocument document;
};

struct MergeResult
{
    std::optional<DecisionDocument> document;
    QString error; // names the file and what differs, or the empty or rejected cell
};

// Needs at least two documents with the same criteria and alternatives (names in order). For each
// pair i < j with mean g the cell holding a value >= 1 gets g with up to 15 significant digits and
// its mirror "1/" and the same text. The user of the result is the first document's. A document
// that allows missing judgements may leave pairs out (both cells empty): a pair is the mean over
// the documents that gave it, and stays empty when none did; the result allows missing
// judgements when any document does.
MergeResult mergeDecisions(const QList<MergeInput> &inputs);
