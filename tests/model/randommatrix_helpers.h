#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

using Matrix = std::vector<std::vector<double>>;

// The generator of reference/ahp_reference.py: a 64-bit LCG whose matrices the script and the
// tests both build, so that a table row names only a seed.
class ReferenceGenerator
{
public:
    explicit ReferenceGenerator(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    // A reciprocal matrix of order n, its upper triangle drawn row by row from 1/9 … 9, each
    // value and its mirror read as the cells read "k" and "1/k".
    Matrix matrix(int n);

private:
    std::uint64_t m_state;
};

// The local priorities of a random decision: the weights of an n x n criteria matrix, then one
// m x m matrix per criterion, in that order from one generator.
struct ReferenceDecision {
    std::vector<double> weights;
    Matrix local;
};
ReferenceDecision referenceDecision(std::uint64_t seed, int n, int m);

// "a b c" -> {"a", "b", "c"}, each then split at commas.
std::vector<QStringList> referenceFields(const QString &text);
