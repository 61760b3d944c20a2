#include "app/overflowarrowstyle.h"

#include "app/buttonicons.h"

#include <QApplication>

QIcon OverflowArrowStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton)
        return ButtonIcons::overflow();
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

void OverflowArrowStyle::install()
{
    if (qobject_cast<OverflowArrowStyle *>(QApplication::style()))
        return;
    QApplication::setStyle(new OverflowArrowStyle(QApplication::style()->name()));
}
