#include "platform/namelist.h"

#include <QAccessible>

NameList::NameList(QWidget *parent)
    : QListWidget(parent)
{
}

void NameList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(current.row());
        QAccessible::updateAccessibility(&event);
    }
}
