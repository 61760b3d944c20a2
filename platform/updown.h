#pragma once

#include <QWidget>

// A spin control without a text part: two stacked arrow buttons that step a position within a
// range, with no wrap-around. Each press of an arrow (mouse, or the Up and Down keys while it has
// the focus) moves the position when it can and is reported by clicked(), also at the ends.
class UpDown : public QWidget
{
    Q_OBJECT
public:
    enum Button { Next, Prior };

    explicit UpDown(QWidget *parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void setRange(int minimum, int maximum);
    int position() const { return m_position; }
    void setPosition(int position);

    // Presses one arrow as the person would.
    void press(Button button);

    QSize sizeHint() const override;

Q_SIGNALS:
    void clicked(UpDown::Button button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
    int m_pressed = -1; // the arrow drawn sunk while the mouse holds it
};
