#pragma once

#include <QStyledItemDelegate>

class Decision;

// Shows a top criterion with sub-criteria as "Качество ▸ 2" in the names page's list. The list's
// items keep the bare names, which the name editor and the document read; only what is drawn
// and read out says how many sub-criteria a criterion has.
class CriterionListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    CriterionListDelegate(const Decision *decision, QObject *parent);

    // What the entry shows: "Качество ▸ 2", or the name alone.
    QString shownText(const QModelIndex &index) const;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    const Decision *m_decision;
};
