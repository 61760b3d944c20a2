#include "app/criterionlistdelegate.h"

#include "app/subcriteriadialog.h"
#include "document/decision.h"

CriterionListDelegate::CriterionListDelegate(const Decision *decision, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_decision(decision)
{
}

QString CriterionListDelegate::shownText(const QModelIndex &index) const
{
    const QString name = index.data(Qt::DisplayRole).toString();
    const Hierarchy tree = m_decision->hierarchy();
    const CriterionNode *node = tree.node({index.row()});
    return node && node->hasSubcriteria() ? criterionListText(name, int(node->subcriteria.size())) : name;
}

void CriterionListDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = shownText(index);
}
