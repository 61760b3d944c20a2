#pragma once

// The main window's size rules. Every page is laid out for the window's size, hidden ones too,
// so that the page that comes next already fits; the grids spread their space over their
// cells; the result fields under the alternatives matrix stay centred; the band of the decision
// sentence is as tall as the sentence; and the window starts tall enough for the largest
// criteria grid. The window only calls these at its events.

class QMainWindow;
namespace Ui {
class TMainForm;
}

class WindowLayout
{
public:
    WindowLayout(QMainWindow *window, Ui::TMainForm *ui);

    // The least sizes that keep every control of the title page and the button row whole and in
    // reach, and the same for the four later pages once they are built.
    void keepControlsWhole();
    void keepPagesWhole();
    // Once, before the window is first shown.
    void growForWholeGrid();
    // At every change of the window's size.
    void fit();
    // After the decision sentence changed. Returns whether the band's height changed.
    bool makeRoomForDecision();
    // The height of the row under the decision sentence that holds the sensitivity button.
    int sensitivityRowHeight() const;
    void centreOnScreen();

private:
    void keepPanel4Centred();
    void spreadNames();

    QMainWindow *m_window;
    Ui::TMainForm *ui;
};
