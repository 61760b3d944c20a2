#include "platform/namelistbox.h"

#include <QAccessible>

NameListBox::NameListBox(QWidget *parent)
    : QListWidget(parent)
{
}

void NameListBox::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(current.row());
        QAccessible::updateAccessibility(&event);
    }
}
