#include "platform/focusframe.h"

#include <QEvent>
#include <QPainter>

FocusFrame *FocusFrame::attach(QWidget *control)
{
    return new FocusFrame(control);
}

FocusFrame::FocusFrame(QWidget *control)
    : QWidget(control)
    , m_control(control)
{
    setObjectName(control->objectName() + QStringLiteral("FocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(control->rect());
    setVisible(control->hasFocus());
    control->installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_control) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            setVisible(m_control->hasFocus());
            raise();
            break;
        case QEvent::Resize:
            setGeometry(m_control->rect());
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), 2);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}
