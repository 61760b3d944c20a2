#pragma once

#include <vector>

// Local priorities of one pairwise-comparison matrix by the geometric-mean method, and the
// consistency measures that come with them.
struct PriorityResult
{
    std::vector<double> weights;
    double lambdaMax = 0.0;
    double ci = 0.0;
    double ri = 0.0;
    double cr = 0.0;
    bool inconsistent = false;
};

// Random consistency index of orders 3..17; entry n - 3 belongs to order n. These are the
// values this program has always used, not the textbook list.
constexpr int RandomIndexFirstOrder = 3;
constexpr int RandomIndexLastOrder = 17;
extern const double RandomIndexTable[15];

// A consistency ratio strictly above this marks a matrix inconsistent (0.28 is above it).
constexpr double ConsistencyThreshold = 0.2799999999;

// The table entry for order n; 0.0 for an order the table does not hold.
double randomIndex(int n);
bool isInconsistent(double cr);

// a[i][j] is the judgement of item i over item j. An order outside 1..RandomIndexLastOrder, a
// matrix of another shape or an entry that is not a positive finite number gives an empty
// result (no weights, all measures 0). Orders 1 and 2 have no random index: their ratio is 0.
// An n x n matrix of positive finite entries, n within 1..RandomIndexLastOrder.
bool isUsableMatrix(int n, const std::vector<std::vector<double>> &a);

PriorityResult computeLocalPriorities(int n, const std::vector<std::vector<double>> &a);
