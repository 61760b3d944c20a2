#include "platform/updown.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

UpDown::UpDown(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = qMin(minimum, maximum);
    m_maximum = qMax(minimum, maximum);
    setPosition(m_position);
}

void UpDown::setPosition(int position)
{
    const int bounded = qBound(m_minimum, position, m_maximum);
    if (bounded == m_position)
        return;
    m_position = bounded;
    update();
    QAccessibleValueChangeEvent changed(this, m_position);
    QAccessible::updateAccessibility(&changed);
}

void UpDown::press(Button button)
{
    setPosition(m_position + (button == Next ? 1 : -1));
    emit clicked(button);
}

QSize UpDown::sizeHint() const
{
    return QSize(16, 25);
}

void UpDown::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        button.state |= (m_pressed == i) ? QStyle::State_Sunken : QStyle::State_Raised;
        if (!isEnabled())
            button.state &= ~QStyle::State_Enabled;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);

        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(3, 2, -3, -2);
        if (m_pressed == i)
            arrow.rect.translate(1, 1);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void UpDown::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = event->position().y() < height() / 2 ? 0 : 1;
    update();
    press(m_pressed == 0 ? Next : Prior);
}

void UpDown::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressed = -1;
    update();
    QWidget::mouseReleaseEvent(event);
}

void UpDown::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        press(Next);
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        press(Prior);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void UpDown::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void UpDown::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}
