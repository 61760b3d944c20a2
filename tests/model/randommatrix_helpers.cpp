#include "randommatrix_helpers.h"

#include "model/priorities.h"

#include <QStringList>

namespace {
// Picks 0..7 are 1/9 … 1/2, 8..16 are 1 … 9, as in the script.
constexpr int ScaleSize = 17;
}

std::uint64_t ReferenceGenerator::next()
{
    m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
    return m_state >> 33;
}

Matrix ReferenceGenerator::matrix(int n)
{
    Matrix a(std::size_t(n), std::vector<double>(std::size_t(n), 1.0));
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const int pick = int(next() % ScaleSize);
            // The texts below 1 are 1/k; their mirror is k, and the other way round.
            const double k = pick < 8 ? double(9 - pick) : double(pick - 7);
            a[std::size_t(i)][std::size_t(j)] = pick < 8 ? 1.0 / k : k;
            a[std::size_t(j)][std::size_t(i)] = pick < 8 ? k : 1.0 / k;
        }
    }
    return a;
}

ReferenceDecision referenceDecision(std::uint64_t seed, int n, int m)
{
    ReferenceGenerator generator(seed);
    ReferenceDecision decision;
    decision.weights = computeLocalPriorities(n, generator.matrix(n)).weights;
    for (int i = 0; i < n; ++i)
        decision.local.push_back(computeLocalPriorities(m, generator.matrix(m)).weights);
    return decision;
}

std::vector<QStringList> referenceFields(const QString &text)
{
    std::vector<QStringList> fields;
    for (const QString &item : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        fields.push_back(item.split(QLatin1Char(',')));
    return fields;
}
