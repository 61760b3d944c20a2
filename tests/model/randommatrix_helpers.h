#pragma once

#include <QStringList>

#include <cstdint>
#include <vector>

using Matrix = std::vector<std::vector<double>>;

// The matrices of reference/ahp_reference.py (a 64-bit LCG drawing the upper triangle row by row
// from 1/9 … 9), so that a table row names only a seed.
Matrix referenceMatrix(std::uint64_t *state, int n);

// The weights of an n x n criteria matrix, then one m x m matrix's priorities per criterion.
struct ReferenceDecision {
    std::vector<double> weights;
    Matrix local;
};
ReferenceDecision referenceDecision(std::uint64_t seed, int n, int m);

// "a,b c,d" -> {{"a", "b"}, {"c", "d"}}
std::vector<QStringList> referenceFields(const QString &text);
