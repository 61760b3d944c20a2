#include "platform/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ScreenFit {

void fitOnScreen(QWidget *window, const QWidget *near)
{
    const QScreen *screen = near ? near->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // Before the window is first shown its frame is not known yet; the title bar and the borders
    // of a usual window manager are taken instead.
    QMargins frame(window->geometry().left() - window->frameGeometry().left(),
                   window->geometry().top() - window->frameGeometry().top(),
                   window->frameGeometry().right() - window->geometry().right(),
                   window->frameGeometry().bottom() - window->geometry().bottom());
    if (!window->isVisible() || frame.isNull())
        frame = QMargins(4, 30, 4, 4);
    const QSize room = available.size().shrunkBy(frame);
    const QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    QRect placed(window->pos(), size.grownBy(frame));
    if (near && !window->isVisible()) {
        placed.moveCenter(near->frameGeometry().center());
    }
    placed.moveRight(qMin(placed.right(), available.right()));
    placed.moveBottom(qMin(placed.bottom(), available.bottom()));
    placed.moveLeft(qMax(placed.left(), available.left()));
    placed.moveTop(qMax(placed.top(), available.top()));
    window->move(placed.topLeft());
}

}
