#include "document/decisiondocument.h"

#include <QCoreApplication>

bool DecisionDocument::operator==(const DecisionDocument &other) const
{
    return user == other.user && criteria == other.criteria && alternatives == other.alternatives
            && criteriaJudgements == other.criteriaJudgements
            && alternativesJudgements == other.alternativesJudgements;
}

namespace {

QString swapped(const QString &text, QChar a, QChar b)
{
    if (a == b)
        return text;
    QString result = text;
    for (QChar &c : result) {
        if (c == a)
            c = b;
        else if (c == b)
            c = a;
    }
    return result;
}

} // namespace

QString toFileText(const QString &cellText, QChar decimalPoint)
{
    return swapped(cellText, decimalPoint, QLatin1Char('.'));
}

QString fromFileText(const QString &fileText, QChar decimalPoint)
{
    return swapped(fileText, QLatin1Char('.'), decimalPoint);
}

QChar decimalPointOf(const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

QString describeCell(const DecisionDocument &document, int matrix, int row, int col)
{
    const QStringList &names = matrix == CriteriaMatrix ? document.criteria : document.alternatives;
    const QString place = QCoreApplication::translate("DecisionFile", "строка %1 («%2»), столбец %3 («%4»)")
                                  .arg(QString::number(row + 1), names.value(row),
                                       QString::number(col + 1), names.value(col));
    if (matrix == CriteriaMatrix)
        return QCoreApplication::translate("DecisionFile", "матрица критериев, %1").arg(place);
    return QCoreApplication::translate("DecisionFile", "матрица альтернатив для критерия %1 («%2»), %3")
            .arg(QString::number(matrix + 1), document.criteria.value(matrix), place);
}

QList<QStringList> matrixOf(const DecisionDocument &document, int matrix)
{
    if (matrix == CriteriaMatrix)
        return document.criteriaJudgements;
    return document.alternativesJudgements.value(matrix);
}
