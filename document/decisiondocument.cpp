#include "document/decisiondocument.h"

#include <QCoreApplication>

#include <algorithm>

bool DecisionDocument::operator==(const DecisionDocument &other) const
{
    if (!(user == other.user && criteria == other.criteria && alternatives == other.alternatives
          && criteriaJudgements == other.criteriaJudgements
          && alternativesJudgements == other.alternativesJudgements && allowMissing == other.allowMissing))
        return false;
    // An entry left out and an empty one both mean no sub-criteria.
    for (qsizetype i = 0; i < std::max(subcriteria.size(), other.subcriteria.size()); ++i) {
        if (!(subcriteria.value(i) == other.subcriteria.value(i)))
            return false;
    }
    return true;
}

bool DecisionDocument::hasSubcriteria() const
{
    for (const SubcriteriaSet &set : subcriteria) {
        if (!set.isEmpty())
            return true;
    }
    return false;
}

Hierarchy DecisionDocument::hierarchy() const
{
    Hierarchy tree = Hierarchy::flat(criteria, criteriaJudgements);
    for (qsizetype i = 0; i < tree.criteria.size() && i < subcriteria.size(); ++i) {
        tree.criteria[i].subcriteria = subcriteria.at(i).criteria;
        tree.criteria[i].judgements = subcriteria.at(i).judgements;
    }
    return tree;
}

void DecisionDocument::setHierarchy(const Hierarchy &tree)
{
    criteria.clear();
    subcriteria.clear();
    for (const CriterionNode &node : tree.criteria) {
        criteria.append(node.name);
        subcriteria.append(SubcriteriaSet{node.subcriteria, node.judgements});
    }
    criteriaJudgements = tree.judgements;
    if (!hasSubcriteria())
        subcriteria.clear();
}

int DecisionDocument::leafCount() const
{
    int count = 0;
    for (int i = 0; i < criteria.size(); ++i) {
        const SubcriteriaSet set = subcriteriaOf(i);
        count += set.isEmpty() ? 1 : Hierarchy{set.criteria, {}}.leafCount();
    }
    return count;
}

namespace {

// The path of the k-th criterion with sub-criteria; empty when there is none.
CriterionPath subcriteriaPath(const Hierarchy &tree, int matrix)
{
    return tree.subcriteriaPlaces().value(subcriteriaIndexOf(matrix)).path;
}

// A leaf's name as messages give it: its path of names.
QString leafText(const DecisionDocument &document, int leaf)
{
    if (!document.hasSubcriteria())
        return document.criteria.value(leaf);
    const Hierarchy tree = document.hierarchy();
    return tree.pathText(tree.leaves().value(leaf).path);
}

} // namespace

QString describeMatrix(const DecisionDocument &document, int matrix)
{
    if (matrix == CriteriaMatrix)
        return QCoreApplication::translate("DecisionFile", "матрица критериев");
    if (isSubcriteriaMatrix(matrix)) {
        const Hierarchy tree = document.hierarchy();
        return QCoreApplication::translate("DecisionFile", "матрица подкритериев «%1»")
                .arg(tree.pathText(subcriteriaPath(tree, matrix)));
    }
    return QCoreApplication::translate("DecisionFile", "матрица альтернатив для критерия %1 («%2»)")
            .arg(QString::number(matrix + 1), leafText(document, matrix));
}

QString describeCell(const DecisionDocument &document, int matrix, int row, int col)
{
    const QStringList names = matrixItems(document, matrix);
    const QString place = QCoreApplication::translate("DecisionFile", "строка %1 («%2»), столбец %3 («%4»)")
                                  .arg(QString::number(row + 1), names.value(row),
                                       QString::number(col + 1), names.value(col));
    if (matrix == CriteriaMatrix)
        return QCoreApplication::translate("DecisionFile", "матрица критериев, %1").arg(place);
    if (isSubcriteriaMatrix(matrix))
        return QStringLiteral("%1, %2").arg(describeMatrix(document, matrix), place);
    return QCoreApplication::translate("DecisionFile", "матрица альтернатив для критерия %1 («%2»), %3")
            .arg(QString::number(matrix + 1), leafText(document, matrix), place);
}

QList<QStringList> matrixOf(const DecisionDocument &document, int matrix)
{
    if (matrix == CriteriaMatrix)
        return document.criteriaJudgements;
    if (isSubcriteriaMatrix(matrix)) {
        if (!document.hasSubcriteria())
            return {};
        const Hierarchy tree = document.hierarchy();
        const CriterionNode *node = tree.node(subcriteriaPath(tree, matrix));
        return node ? node->judgements : QList<QStringList>();
    }
    return document.alternativesJudgements.value(matrix);
}

QStringList matrixItems(const DecisionDocument &document, int matrix)
{
    if (matrix == CriteriaMatrix)
        return document.criteria;
    if (!isSubcriteriaMatrix(matrix))
        return document.alternatives;
    if (!document.hasSubcriteria())
        return {};
    const Hierarchy tree = document.hierarchy();
    QStringList names;
    if (const CriterionNode *node = tree.node(subcriteriaPath(tree, matrix))) {
        for (const CriterionNode &sub : node->subcriteria)
            names.append(sub.name);
    }
    return names;
}

void setMatrixOf(DecisionDocument &document, int matrix, const QList<QStringList> &cells)
{
    if (matrix == CriteriaMatrix) {
        document.criteriaJudgements = cells;
    } else if (isSubcriteriaMatrix(matrix)) {
        Hierarchy tree = document.hierarchy();
        if (CriterionNode *node = tree.node(subcriteriaPath(tree, matrix))) {
            node->judgements = cells;
            document.setHierarchy(tree);
        }
    } else if (matrix >= 0 && matrix < document.alternativesJudgements.size()) {
        document.alternativesJudgements[matrix] = cells;
    }
}

QList<int> matricesOf(const DecisionDocument &document)
{
    QList<int> matrices{CriteriaMatrix};
    const qsizetype inner = document.hasSubcriteria() ? document.hierarchy().subcriteriaPlaces().size() : 0;
    for (int k = 0; k < inner; ++k)
        matrices.append(subcriteriaMatrix(k));
    for (int c = 0; c < document.leafCount(); ++c)
        matrices.append(c);
    return matrices;
}
