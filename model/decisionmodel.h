#pragma once

#include "model/boundedstore.h"
#include "model/hierarchy.h"
#include "model/translatabletext.h"

#include <QString>

// Limits of a decision: how many criteria and alternatives the wizard lets a person choose.
constexpr int MinCriteria = 3;
constexpr int MaxCriteria = 15;
constexpr int MinAlternatives = 3;
constexpr int MaxAlternatives = 10;
constexpr int InitialCount = 10;

// Shape of the per-criterion stores: [criterion slot][column][row]. A slot a leaf: without
// sub-criteria, a slot a criterion.
constexpr int MaxCriterionSlots = MaxLeaves;
constexpr int StoreColumns = 12;
constexpr int StoreRows = 10;
// Column of the stores that keeps RI (row 0), CI (row 1) and CR (row 2) of a matrix.
constexpr int ResultColumn = 11;
constexpr int InconsistencyFlagCount = MaxLeaves;

// The one decision session. The criteria count and the alternatives count are not kept here:
// they are the positions of the two spin controls of the title page, and the criteria matrix
// is the texts of its grid, so nothing here can disagree with what the person sees.
struct DecisionModel
{
    BoundedMatrixStore<QString, MaxCriterionSlots, StoreColumns, StoreRows> AltMatrixText;
    BoundedMatrixStore<double, MaxCriterionSlots, StoreColumns, StoreRows> AltMatrixValue;
    BoundedArray<double, MaxCriterionSlots> CriterionWeight;

    int CurrentCriterion = 0;

    bool SessionPrepared = false;
    bool CriteriaComputed = false;
    bool CriteriaInconsistent = false;
    BoundedArray<bool, MaxCriterionSlots> AltMatrixComputed;
    BoundedArray<bool, InconsistencyFlagCount> AltMatrixInconsistent;
    // The matrices of the criteria with sub-criteria, in the tree's depth-first order.
    QList<bool> SubcriteriaComputed;
    QList<bool> SubcriteriaInconsistent;

    // Every slot of both stores and every weight back to empty text and 0.0.
    void clearStores();
    // "1" and 1.0 on the diagonal of the first `alternatives` rows, in every criterion slot.
    void writeDiagonals(int alternatives);
    // Copies the used stores' diagonal of one slot again (shown matrices always hold it).
    void writeDiagonal(int criterion, int alternatives);
    // True when any inconsistency flag below `criteria` (or the criteria matrix's, or a
    // sub-criteria matrix's) is set.
    bool anyInconsistent(int criteria) const;
};

// Label of alternative k (from 0): the k-th letter of "ABCDEFGHIJ"; empty outside 0..9.
QString alternativeLetter(int k);
// "Критерий 1", "Критерий 2", ...
inline constexpr TranslatableText CriterionNameTemplate{"DecisionModel", QT_TRANSLATE_NOOP("DecisionModel", "Критерий %1")};
QString defaultCriterionName(int i);
// "Альтернатива   A", ...
inline constexpr TranslatableText AlternativeNameTemplate{"DecisionModel", QT_TRANSLATE_NOOP("DecisionModel", "Альтернатива   %1")};
QString defaultAlternativeName(int k);
