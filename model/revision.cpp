#include "model/revision.h"

#include "model/priorities.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

using Matrix = std::vector<std::vector<double>>;

// The scale in increasing order, so that a strict "<" scan keeps the smaller of two equally near.
const int ScaleDivisors[] = {9, 8, 7, 6, 5, 4, 3, 2};
constexpr int ScaleTop = 9;
// A value halfway (on the log scale) between two scale values is common: one reversed judgement in
// a 2-4-8 matrix puts a weight ratio at exactly sqrt 2. Rounding must not break such a tie.
constexpr double TieSlack = 1e-12;

bool isUsable(int n, const Matrix &a)
{
    return n <= MaxRevisionOrder && isUsableMatrix(n, a);
}

// How far value is from c on a logarithmic scale, as a ratio of at least 1.
double logDistance(double value, double c)
{
    return value >= c ? value / c : c / value;
}

// Deviations equal to ten significant digits sort as equal; a fixed grid keeps the order strict
// and weak, which a tolerance comparison would not.
long long deviationKey(double deviation)
{
    return std::llround(std::log(deviation) * 1e10);
}

// The text the mirror cell gets for a scale text: "7" and "1/7" swap, "1" stays.
QString mirrorText(const QString &text)
{
    if (text.startsWith(QLatin1String("1/")))
        return text.mid(2);
    return text == QLatin1String("1") ? text : QStringLiteral("1/") + text;
}

} // namespace

QString nearestScaleText(double value)
{
    if (!std::isfinite(value) || value <= 0.0)
        return QStringLiteral("1");
    QString best;
    double bestDistance = 0.0;
    auto consider = [&](double c, const QString &text) {
        const double d = logDistance(value, c);
        if (best.isEmpty() || d < bestDistance * (1.0 - TieSlack)) {
            best = text;
            bestDistance = d;
        }
    };
    for (int divisor : ScaleDivisors)
        consider(1.0 / divisor, QStringLiteral("1/%1").arg(divisor));
    for (int k = 1; k <= ScaleTop; ++k)
        consider(double(k), QString::number(k));
    return best;
}

double scaleTextValue(const QString &text)
{
    bool ok = false;
    if (text.startsWith(QLatin1String("1/"))) {
        const int divisor = text.mid(2).toInt(&ok);
        return ok && divisor >= 2 && divisor <= ScaleTop ? 1.0 / divisor : 0.0;
    }
    const int k = text.toInt(&ok);
    return ok && k >= 1 && k <= ScaleTop && text == QString::number(k) ? double(k) : 0.0;
}

std::vector<JudgementRevision> judgementRevisions(int n, const Matrix &a, int count)
{
    std::vector<JudgementRevision> revisions;
    if (count < 1 || !isUsable(n, a))
        return revisions;
    const PriorityResult present = computeLocalPriorities(n, a);
    const std::vector<double> &w = present.weights;
    if (w.size() != std::size_t(n))
        return revisions;

    struct Candidate {
        long long key;
        JudgementRevision revision;
    };
    std::vector<Candidate> candidates;
    candidates.reserve(std::size_t(n * (n - 1) / 2));
    for (int row = 0; row < n; ++row) {
        for (int col = row + 1; col < n; ++col) {
            JudgementRevision r;
            r.row = row;
            r.col = col;
            const double e = a[row][col] * w[col] / w[row];
            r.deviation = std::max(e, 1.0 / e);
            r.consistentValue = w[row] / w[col];
            candidates.push_back({deviationKey(r.deviation), r});
        }
    }
    // Built row by row, so a stable sort keeps equal deviations in (row, col) order.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &x, const Candidate &y) { return x.key > y.key; });
    const std::size_t kept = std::min(candidates.size(), std::size_t(count));
    for (std::size_t k = 0; k < kept; ++k)
        revisions.push_back(candidates[k].revision);

    // Only the kept rows pay for a recomputation.
    Matrix changed = a;
    for (JudgementRevision &r : revisions) {
        r.suggestedText = nearestScaleText(r.consistentValue);
        changed[r.row][r.col] = scaleTextValue(r.suggestedText);
        changed[r.col][r.row] = scaleTextValue(mirrorText(r.suggestedText));
        r.crAfter = computeLocalPriorities(n, changed).cr;
        changed[r.row][r.col] = a[r.row][r.col];
        changed[r.col][r.row] = a[r.col][r.row];
    }
    return revisions;
}

std::vector<IntransitiveTriple> intransitiveTriples(int n, const Matrix &a)
{
    std::vector<IntransitiveTriple> triples;
    if (!isUsable(n, a))
        return triples;
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (!(a[i][j] > 1.0))
                continue;
            for (int k = i + 1; k < n; ++k) {
                if (k != j && a[j][k] > 1.0 && a[k][i] > 1.0)
                    triples.push_back({i, j, k});
            }
        }
    }
    return triples;
}
