#pragma once

#include <QWidget>

// A frame in the highlight colour drawn over a control while it has the focus, for controls
// whose style draws no focus mark of their own (a chart view).
class FocusFrame : public QWidget
{
    Q_OBJECT
public:
    // The frame belongs to control and goes with it.
    static FocusFrame *attach(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    explicit FocusFrame(QWidget *control);
    QWidget *m_control;
};
