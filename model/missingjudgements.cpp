#include "model/missingjudgements.h"

#include "model/judgement.h"

#include <cmath>
#include <cstddef>

namespace {

using Matrix = std::vector<std::vector<double>>;
constexpr int MaxOrder = RandomIndexLastOrder;

bool positive(double v)
{
    return std::isfinite(v) && v > 0.0;
}

bool usableShape(int n, const Matrix &a)
{
    if (n < 1 || n > MaxOrder || a.size() != std::size_t(n))
        return false;
    for (const std::vector<double> &row : a) {
        if (row.size() != std::size_t(n))
            return false;
    }
    return true;
}

// Fixed-size, so that a whole computation allocates next to nothing.
struct KnownGraph
{
    int n = 0;
    bool known[MaxOrder][MaxOrder] = {};
    int degree[MaxOrder] = {};
    int pairs = 0;
};

KnownGraph knownGraph(int n, const Matrix &a)
{
    KnownGraph g;
    g.n = n;
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (positive(a[std::size_t(i)][std::size_t(j)]) && positive(a[std::size_t(j)][std::size_t(i)])) {
                g.known[i][j] = g.known[j][i] = true;
                ++g.degree[i];
                ++g.degree[j];
                ++g.pairs;
            }
        }
    }
    return g;
}

// Path lengths from one item over known pairs; -1 for an item it does not reach.
void distancesFrom(const KnownGraph &g, int from, int *distance)
{
    int queue[MaxOrder];
    int head = 0;
    int tail = 0;
    for (int i = 0; i < g.n; ++i)
        distance[i] = -1;
    distance[from] = 0;
    queue[tail++] = from;
    while (head < tail) {
        const int i = queue[head++];
        for (int j = 0; j < g.n; ++j) {
            if (g.known[i][j] && distance[j] < 0) {
                distance[j] = distance[i] + 1;
                queue[tail++] = j;
            }
        }
    }
}

bool linked(const KnownGraph &g)
{
    int distance[MaxOrder];
    distancesFrom(g, 0, distance);
    for (int i = 0; i < g.n; ++i) {
        if (distance[i] < 0)
            return false;
    }
    return true;
}

std::optional<JudgementPair> askNextPair(const KnownGraph &g)
{
    int distance[MaxOrder][MaxOrder];
    for (int i = 0; i < g.n; ++i)
        distancesFrom(g, i, distance[i]);
    std::optional<JudgementPair> best;
    int bestDegrees = 0;
    int bestDistance = 0;
    for (int i = 0; i < g.n; ++i) {
        for (int j = i + 1; j < g.n; ++j) {
            if (g.known[i][j])
                continue;
            const int degrees = g.degree[i] + g.degree[j];
            // No path is as long as n edges.
            const int apart = distance[i][j] < 0 ? g.n : distance[i][j];
            // Scanning by row then column, only a strictly better pair replaces the one found.
            if (!best || degrees < bestDegrees || (degrees == bestDegrees && apart > bestDistance)) {
                best = JudgementPair{i, j};
                bestDegrees = degrees;
                bestDistance = apart;
            }
        }
    }
    return best;
}

// The weights of the linked graph g (not normalised: the largest is 1). False when a diagonal
// entry has no logarithm.
bool solveLeastSquares(const KnownGraph &g, const Matrix &a, double *w)
{
    const int n = g.n;
    double r[MaxOrder];
    double mean = 0.0;
    for (int i = 0; i < n; ++i) {
        const std::vector<double> &row = a[std::size_t(i)];
        if (!positive(row[std::size_t(i)]))
            return false;
        double sum = std::log(row[std::size_t(i)]);
        for (int j = 0; j < n; ++j) {
            if (g.known[i][j])
                sum += std::log(row[std::size_t(j)]);
        }
        r[i] = sum;
        mean += sum;
    }
    mean /= n;
    for (int i = 0; i < n; ++i)
        r[i] -= mean;

    // y_0 = 0; the Laplacian without item 0's row and column is positive definite when the graph
    // is linked, so Cholesky needs no pivoting.
    const int m = n - 1;
    double l[MaxOrder][MaxOrder];
    double x[MaxOrder];
    for (int p = 0; p < m; ++p) {
        for (int q = 0; q <= p; ++q)
            l[p][q] = p == q ? double(g.degree[p + 1]) : (g.known[p + 1][q + 1] ? -1.0 : 0.0);
        x[p] = r[p + 1];
    }
    for (int k = 0; k < m; ++k) {
        double d = l[k][k];
        for (int s = 0; s < k; ++s)
            d -= l[k][s] * l[k][s];
        if (!(d > 0.0))
            return false;
        l[k][k] = std::sqrt(d);
        for (int p = k + 1; p < m; ++p) {
            double v = l[p][k];
            for (int s = 0; s < k; ++s)
                v -= l[p][s] * l[k][s];
            l[p][k] = v / l[k][k];
        }
    }
    for (int p = 0; p < m; ++p) {
        for (int s = 0; s < p; ++s)
            x[p] -= l[p][s] * x[s];
        x[p] /= l[p][p];
    }
    for (int p = m - 1; p >= 0; --p) {
        for (int s = p + 1; s < m; ++s)
            x[p] -= l[s][p] * x[s];
        x[p] /= l[p][p];
    }

    double y[MaxOrder];
    y[0] = 0.0;
    double largest = 0.0;
    for (int i = 1; i < n; ++i) {
        y[i] = x[i - 1];
        if (y[i] > largest)
            largest = y[i];
    }
    // Shifted so that no weight overflows, whatever the cells.
    for (int i = 0; i < n; ++i)
        w[i] = std::exp(y[i] - largest);
    return true;
}

void normalise(int n, double *w)
{
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
        sum += w[i];
    for (int i = 0; i < n; ++i)
        w[i] /= sum;
}

} // namespace

IncompleteMatrixResult computeIncompleteMatrix(int n, const Matrix &a)
{
    IncompleteMatrixResult result;
    if (!usableShape(n, a))
        return result;
    const KnownGraph g = knownGraph(n, a);
    result.missing = n * (n - 1) / 2 - g.pairs;
    if (result.missing == 0) {
        result.priorities = computeLocalPriorities(n, a);
        return result;
    }

    result.askNext = askNextPair(g);
    int distance[MaxOrder];
    distancesFrom(g, 0, distance);
    for (int i = 0; i < n; ++i) {
        if (distance[i] < 0)
            result.unlinked.push_back(i);
    }
    if (!result.unlinked.empty())
        return result;

    double w[MaxOrder];
    if (!solveLeastSquares(g, a, w))
        return result;
    Matrix completed = a;
    result.estimated.reserve(std::size_t(result.missing));
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (g.known[i][j])
                continue;
            const std::size_t si = std::size_t(i);
            const std::size_t sj = std::size_t(j);
            completed[si][sj] = w[i] / w[j];
            completed[sj][si] = w[j] / w[i];
            result.estimated.push_back({i, j, completed[si][sj]});
        }
    }
    result.priorities = computeLocalPriorities(n, completed);
    // Weights beyond what a double holds leave nothing to show.
    if (result.priorities.weights.empty())
        result.estimated.clear();
    return result;
}

IncompleteMatrixResult computeIncompleteMatrix(const QList<QStringList> &cells, int n, bool allowMissing,
                                               const QLocale &locale)
{
    if (n < 1 || n > MaxOrder)
        return {};
    const QChar point = decimalPointOf(locale);
    const QStringList none;
    auto fileText = [&](int i, int j) -> const QString & {
        static const QString empty;
        const QStringList &row = i < cells.size() ? cells.at(i) : none;
        return j < row.size() ? row.at(j) : empty;
    };

    Matrix a(std::size_t(n), std::vector<double>(std::size_t(n), 0.0));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const QString &text = fileText(i, j);
            if (allowMissing && i != j && text.isEmpty() && fileText(j, i).isEmpty())
                continue;
            const JudgementCheck check = validateJudgement(fromFileText(text, point), locale);
            if (!check.valid) {
                IncompleteMatrixResult result;
                result.problem = JudgementCellProblem{i, j, check.message};
                return result;
            }
            a[std::size_t(i)][std::size_t(j)] = check.value;
        }
    }
    return computeIncompleteMatrix(n, a);
}

bool leastSquaresWeights(int n, const Matrix &a, std::vector<double> *weights)
{
    if (!usableShape(n, a))
        return false;
    const KnownGraph g = knownGraph(n, a);
    if (!linked(g))
        return false;
    double w[MaxOrder];
    if (!solveLeastSquares(g, a, w))
        return false;
    normalise(n, w);
    weights->assign(w, w + n);
    return true;
}

QString unlinkedItemsText(const QStringList &names, const std::vector<int> &unlinked)
{
    QStringList quoted;
    for (int item : unlinked)
        quoted << QuotedItemName.text().arg(names.value(item));
    return UnlinkedItemsMessage.text().arg(names.value(0), quoted.join(QStringLiteral(", ")));
}
