#include "model/priorities.h"

#include <cmath>
#include <cstddef>

const double RandomIndexTable[15] = {0.58, 0.90, 1.12, 1.19, 1.24, 1.32, 1.35, 1.41,
                                     1.45, 1.49, 1.51, 1.53, 1.56, 1.57, 1.59};

double randomIndex(int n)
{
    if (n < RandomIndexFirstOrder || n > RandomIndexLastOrder)
        return 0.0;
    return RandomIndexTable[n - RandomIndexFirstOrder];
}

bool isInconsistent(double cr)
{
    return cr > ConsistencyThreshold;
}

bool isUsableMatrix(int n, const std::vector<std::vector<double>> &a)
{
    if (n < 1 || n > RandomIndexLastOrder || a.size() != std::size_t(n))
        return false;
    for (const std::vector<double> &row : a) {
        if (row.size() != std::size_t(n))
            return false;
        for (double v : row) {
            if (!std::isfinite(v) || v <= 0.0)
                return false;
        }
    }
    return true;
}

// The printed digits depend on the order of every product and sum below; keep it as it is.
PriorityResult computeLocalPriorities(int n, const std::vector<std::vector<double>> &a)
{
    PriorityResult result;
    if (!isUsableMatrix(n, a))
        return result;
    const std::size_t size = std::size_t(n);

    std::vector<double> roots(size);
    for (std::size_t i = 0; i < size; ++i) {
        double product = 1.0;
        for (std::size_t j = 0; j < size; ++j)
            product *= a[i][j];
        roots[i] = std::pow(product, 1.0 / n);
    }

    double sum = 0.0;
    for (std::size_t i = 0; i < size; ++i)
        sum += roots[i];

    result.weights.resize(size);
    for (std::size_t i = 0; i < size; ++i)
        result.weights[i] = roots[i] / sum;

    double lambdaMax = 0.0;
    for (std::size_t j = 0; j < size; ++j) {
        double columnSum = 0.0;
        for (std::size_t i = 0; i < size; ++i)
            columnSum += a[i][j];
        lambdaMax += columnSum * result.weights[j];
    }
    result.lambdaMax = lambdaMax;

    result.ci = n > 1 ? std::fabs((lambdaMax - n) / (n - 1)) : 0.0;
    result.ri = randomIndex(n);
    result.cr = result.ri > 0.0 ? result.ci / result.ri : 0.0;
    result.inconsistent = isInconsistent(result.cr);
    return result;
}
