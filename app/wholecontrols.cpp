#include "app/wholecontrols.h"

#include <QLabel>

namespace WholeControls {

namespace {
QList<QWidget *> directChildren(const QWidget *panel)
{
    return panel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
}
}

void widenLabels(QWidget *panel)
{
    for (QWidget *child : directChildren(panel)) {
        auto *label = qobject_cast<QLabel *>(child);
        if (!label || label->wordWrap())
            continue;
        const QSize needed = label->sizeHint();
        label->resize(qMax(label->width(), needed.width()), qMax(label->height(), needed.height()));
    }
}

QRect childrenBounds(const QWidget *panel)
{
    QRect bounds;
    for (const QWidget *child : directChildren(panel))
        bounds |= child->geometry();
    return bounds;
}

void keepWhole(QWidget *panel, Qt::Orientations directions)
{
    const QRect bounds = childrenBounds(panel);
    if (bounds.isNull())
        return;
    if (directions & Qt::Horizontal)
        panel->setMinimumWidth(qMax(panel->minimumWidth(), bounds.right() + 1 + Gap));
    if (directions & Qt::Vertical)
        panel->setMinimumHeight(qMax(panel->minimumHeight(), bounds.bottom() + 1 + Gap));
}

}
