#pragma once

#include "document/decisiondocument.h"
#include "model/missingjudgements.h"
#include "model/priorities.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// What a matrix left out, in a decision that allows missing judgements.
struct MissingPairs
{
    int missing = 0;
    std::vector<EstimatedJudgement> estimated; // by row then col
    std::optional<JudgementPair> askNext;      // set when something is missing
    int given(int order) const { return order * (order - 1) / 2 - missing; }
};

struct SubcriteriaResult
{
    CriterionPath path;
    QString name;
    PriorityResult matrix;
    MissingPairs left;
};

struct LeafResult
{
    CriterionPath path;
    QString name;
    double weight = 0.0;
};

// A decision computed from a document, without a window, by the same checks and the same
// arithmetic in the same order as the wizard: the criteria matrix, then every sub-criteria
// matrix (depth-first), then each leaf's alternatives matrix, then the global priorities. The
// digits are the window's.
struct DecisionResults
{
    PriorityResult criteria;
    std::vector<SubcriteriaResult> subcriteria; // one per criterion with sub-criteria, depth-first
    std::vector<LeafResult> leaves;            // depth-first; without sub-criteria, the criteria
    std::vector<PriorityResult> alternatives;  // one per leaf
    std::vector<double> global;               // one per alternative
    std::vector<int> best;                    // 0-based, in order
    QString decision;                         // the result page's sentence
    // Only when the decision allows missing judgements: of the criteria matrix and of each leaf's.
    bool allowMissing = false;
    MissingPairs criteriaLeft;
    std::vector<MissingPairs> alternativesLeft;
};

// The first cell that keeps the decision from being computed, with the program's own message.
struct JudgementFailure
{
    int matrix = CriteriaMatrix; // CriteriaMatrix, the leaf whose alternatives it is, or subcriteriaMatrix(k)
    int row = 0;                 // 0-based
    int col = 0;
    QString text;                // the cell as the file holds it
    QString message;             // "Ячейка должна быть заполнена", ...
    QString place;               // describeCell(): matrix, row and column with their names
    // Set when the known pairs of the matrix do not link these items (0-based) to its first one;
    // row, col and text mean nothing then, and place is describeMatrix().
    std::vector<int> unlinked;
};

struct DecisionComputation
{
    std::optional<DecisionResults> results;
    std::optional<JudgementFailure> failure;
};

// Cells are read as the window reads them after opening the file: with the separator of the
// default locale, checked by the same validation pass.
DecisionComputation computeDecision(const DecisionDocument &document);

// {"criteria": M, "subcriteria": [{"path": [i, ...], "name": "...", "matrix": M}, ...],
//  "leaves": [{"path": [...], "name": "...", "weight": w}, ...], "alternatives": [M, ...],
//  "global": [...], "best": [...], "decision": "..."},
// M = {"weights": [...], "lambdaMax": x, "ci": x, "ri": x, "cr": x, "inconsistent": b}; numbers
// in the shortest form that reads back as the same double. Ends with a newline. When the decision
// allows missing judgements every M also has "missing": k, "estimated": [[row, col, value], ...]
// and, when k > 0, "askNext": [row, col].
QByteArray resultsJson(const DecisionResults &results);

// "Ячейка должна быть заполнена: матрица критериев, строка 1 («A»), столбец 2 («B»)"; for
// unlinked items the matrix and the items.
QString failureText(const JudgementFailure &failure);
