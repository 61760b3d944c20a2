#pragma once

#include "model/translatabletext.h"

// Texts the main window writes into its pages besides those of its form.
inline constexpr TranslatableText InconsistentRatioMessage{"TMainForm", QT_TRANSLATE_NOOP("TMainForm", "Отношение согласованности больше 0.27(9)")};

// The header cells of the grids.
inline constexpr TranslatableText CriteriaCornerHeader{"TMainForm", QT_TRANSLATE_NOOP("TMainForm", "Критерии")};
inline constexpr TranslatableText CriteriaPriorityHeader{"TMainForm", QT_TRANSLATE_NOOP("TMainForm", "Приоритет")};
inline constexpr TranslatableText AltPriorityHeader{"TMainForm", QT_TRANSLATE_NOOP("TMainForm", "Лок.приоритет")};
inline constexpr TranslatableText LocalPrioritiesHeader{"TMainForm", QT_TRANSLATE_NOOP("TMainForm", "Лок.приор.")};
inline constexpr TranslatableText GlobalPrioritiesHeader{"TMainForm", QT_TRANSLATE_NOOP("TMainForm", "Глоб.приор.")};
inline constexpr TranslatableText GlobalValueHeader{"TMainForm", QT_TRANSLATE_NOOP("TMainForm", "Значение")};

// The local priorities table of a decision with sub-criteria: a row a leaf.
inline constexpr TranslatableText LeafHeader{"TMainForm", QT_TRANSLATE_NOOP("TMainForm", "Критерий")};
inline constexpr TranslatableText LeafWeightHeader{"TMainForm", QT_TRANSLATE_NOOP("TMainForm", "Вес")};
inline constexpr TranslatableText EstimatedValuesNote{"TMainForm", QT_TRANSLATE_NOOP("TMainForm", "Курсивом — значения, вычисленные с оценками пропущенных сравнений.")};
inline constexpr TranslatableText EstimatedMatrixNote{"TMainForm", QT_TRANSLATE_NOOP("TMainForm", "Курсивом — значения, оценённые по остальным сравнениям.")};
inline constexpr TranslatableText EstimatedCountNote{"TMainForm", QT_TRANSLATE_N_NOOP("TMainForm", "Задано %1 из %n сравнений.")};
inline constexpr TranslatableText EstimatedCountNoteOne{"TMainForm", QT_TRANSLATE_N_NOOP("TMainForm", "Задано %1 из %n сравнения.")};

// "Задано 14 из 45 сравнений.", in the count's grammatical form.
inline QString givenCountNote(int given, int total)
{
    return (russianGenitiveSingular(total) ? EstimatedCountNoteOne : EstimatedCountNote).text(total).arg(given);
}
