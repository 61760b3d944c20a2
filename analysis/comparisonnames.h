#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The names a comparison grid stands for: its items in order and, for an alternatives matrix,
// the criterion it is judged by (empty for the criteria matrices). The window hands them over
// on demand, so renamed items show at once.
struct ComparisonNames
{
    QStringList items;
    QString criterion;
    bool criteriaMatrix = true;
    // For the sub-criteria of a criterion: that criterion's path ("Безопасность › Активная");
    // empty for the top matrix and the alternatives.
    QString group{};

    bool isCriteria() const { return criteriaMatrix; }
    QString item(int i) const { return i >= 0 && i < items.size() ? items.at(i) : QString(); }
};

using ComparisonNamesSource = std::function<ComparisonNames()>;
