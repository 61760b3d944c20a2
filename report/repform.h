#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class StringGrid;

namespace Ui {
class TRepForm;
}

// The template of the printed one-page report. It is never shown on the screen: each print
// builds a fresh page, fills it, scales it to the printer's width and renders it.
//
// The page is a stack of borderless bands placed by arrangeBands() rather than by a layout:
// the top bands (Panel1, Panel5, Panel2, Panel6) stack from the top edge, a hidden band takes
// no space, Panel3 sits on the bottom edge and Panel4 takes what is left between them.
// Sizes are design pixels (96 per inch) until scaleBy() changes them.
class TRepForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int DesignWidth = 641;
    static constexpr int DesignHeight = 625;
    static constexpr int DesignRowHeight = 24;

    explicit TRepForm(QWidget *parent = nullptr);
    ~TRepForm() override;

    // Instances alive now and instances ever created, so that a leaked page shows up.
    static int liveCount();
    static int createdCount();

    // The names of the page's components, in their declared order.
    static const QStringList &componentNames();

    // Blank between a grid cell's edges and its text, in proportion to the font.
    static int cellPadding(const QFont &font);

    QFrame *panel1() const;
    QFrame *panel2() const;
    QFrame *panel3() const;
    QFrame *panel4() const;
    QFrame *panel5() const;
    QFrame *panel6() const;
    QLabel *label11() const;
    QLabel *label17() const;
    QLabel *label19() const;
    QLabel *studLabel() const;
    QLabel *rndCoordLabel() const;
    QLabel *idxCoordLabel() const;
    QLabel *ratioCoordLabel() const;
    QLineEdit *rndCoordEdit() const;
    QLineEdit *idxCoordEdit() const;
    QLineEdit *ratioCoordEdit() const;
    QLabel *repName() const;
    QLabel *decision() const;
    StringGrid *repGrid() const;
    StringGrid *altRep() const;
    StringGrid *globalesRep() const;

    // Places the bands and the controls that fill them for the page's current size, the bands'
    // heights and which bands are hidden.
    void arrangeBands();

    // Scales the page with every band, control position and size, and font by
    // multiplier / divider, rounding to whole pixels. Grid rows and columns keep their sizes.
    void scaleBy(int multiplier, int divider);

    // Gives the table band room for every drawn row of RepGrid under its heading. When the
    // table needs more than the band has, the page grows by the difference; a shorter table
    // leaves the band as it is.
    void fitTableBand();

    // Gives every shown band room for all it holds: the header for a long user name, the legend
    // and the global priorities for rows grown by wrapped names, the table for its rows under
    // a heading of any length, the decision band for every line of the sentence. The page grows
    // by what the bands lack; none shrinks.
    void fitBandsToContents();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyDesignFonts();
    void applyDesignGrids();
    void fitMeasureLabels();
    QList<QWidget *> components() const;

    std::unique_ptr<Ui::TRepForm> ui;
};
