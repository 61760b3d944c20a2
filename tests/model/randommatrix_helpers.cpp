#include "randommatrix_helpers.h"

#include "model/priorities.h"

Matrix referenceMatrix(std::uint64_t *state, int n)
{
    Matrix a(std::size_t(n), std::vector<double>(std::size_t(n), 1.0));
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = i + 1; j < a.size(); ++j) {
            *state = *state * 6364136223846793005ULL + 1442695040888963407ULL;
            // Picks 0..7 are 1/9 … 1/2, 8..16 are 1 … 9; each read as the cells read "k" and "1/k".
            const int pick = int((*state >> 33) % 17);
            const double k = pick < 8 ? double(9 - pick) : double(pick - 7);
            a[i][j] = pick < 8 ? 1.0 / k : k;
            a[j][i] = pick < 8 ? k : 1.0 / k;
        }
    }
    return a;
}

ReferenceDecision referenceDecision(std::uint64_t seed, int n, int m)
{
    ReferenceDecision d;
    d.weights = computeLocalPriorities(n, referenceMatrix(&seed, n)).weights;
    for (int i = 0; i < n; ++i)
        d.local.push_back(computeLocalPriorities(m, referenceMatrix(&seed, m)).weights);
    return d;
}

std::vector<QStringList> referenceFields(const QString &text)
{
    std::vector<QStringList> fields;
    for (const QString &item : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        fields.push_back(item.split(QLatin1Char(',')));
    return fields;
}
