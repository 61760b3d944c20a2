#include "model/decisionmodel.h"

namespace {
const QString AlternativeLetters = QStringLiteral("ABCDEFGHIJ");
}

void DecisionModel::clearStores()
{
    CriterionWeight.fill(0.0);
    AltMatrixValue.fill(0.0);
    AltMatrixText.fill(QString());
}

void DecisionModel::writeDiagonals(int alternatives)
{
    for (int c = 0; c < MaxCriterionSlots; ++c)
        writeDiagonal(c, alternatives);
}

void DecisionModel::writeDiagonal(int criterion, int alternatives)
{
    for (int k = 0; k < alternatives && k < StoreRows; ++k) {
        AltMatrixText.set(criterion, k, k, QStringLiteral("1"));
        AltMatrixValue.set(criterion, k, k, 1.0);
    }
}

bool DecisionModel::anyInconsistent(int criteria) const
{
    if (CriteriaInconsistent || SubcriteriaInconsistent.contains(true))
        return true;
    for (int c = 0; c < criteria; ++c) {
        if (AltMatrixInconsistent.value(c))
            return true;
    }
    return false;
}

QString alternativeLetter(int k)
{
    if (k < 0 || k >= AlternativeLetters.size())
        return QString();
    return AlternativeLetters.mid(k, 1);
}

QString defaultCriterionName(int i)
{
    return CriterionNameTemplate.text().arg(i + 1);
}

QString defaultAlternativeName(int k)
{
    return AlternativeNameTemplate.text().arg(alternativeLetter(k));
}
