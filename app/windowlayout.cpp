#include "app/windowlayout.h"
#include "app/mainformui.h"

#include "app/gridfit.h"
#include "app/wholecontrols.h"
#include "model/decisionmodel.h"
#include "platform/stringgrid.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

WindowLayout::WindowLayout(QMainWindow *window, Ui::TMainForm *ui)
    : m_window(window)
    , ui(ui)
{
}

void WindowLayout::keepControlsWhole()
{
    // The window's minimum size follows from these through the layouts, so that at any size the
    // window can take every control of every page stays whole and in reach.
    for (QWidget *panel : {ui->TitleBody, static_cast<QWidget *>(ui->Panel1)})
        WholeControls::widenLabels(panel);
    WholeControls::keepWhole(ui->TitleBody);
    WholeControls::keepWhole(ui->Panel1, Qt::Horizontal);
}

void WindowLayout::keepPagesWhole()
{
    const QList<QWidget *> panels = {ui->GroupBox1, ui->GroupBox2, ui->Panel2, ui->Panel3, ui->Panel4};
    for (QWidget *panel : panels)
        WholeControls::widenLabels(panel);
    WholeControls::keepWhole(ui->NamesPage);
    for (QFrame *band : {ui->Panel2, ui->Panel3})
        WholeControls::keepWhole(band, Qt::Horizontal);
    // Panel4's fields stay centred, down to the width where they meet its left edge.
    const QRect fields = WholeControls::childrenBounds(ui->Panel4);
    ui->Panel4->setMinimumWidth(fields.width() + 2 * WholeControls::Gap);
}

void WindowLayout::growForWholeGrid()
{
    // With the revision panel under it, the criteria grid of the largest decision still shows
    // every row at the smallest row height, and keeps them when the consistency warning appears:
    // the window starts tall enough, as far as the screen allows. Hidden pages get their size
    // only from fit().
    fit();
    StringGrid *grid = ui->ChoiceTab;
    const int headerRow = qMax(MinCellHeight, grid->horizontalHeader()->sizeHint().height());
    const int needed = headerRow + MaxCriteria * MinCellHeight + 2 * grid->frameWidth()
                       + grid->horizontalScrollBar()->sizeHint().height()
                       + (ui->WarnMess->isVisible() ? 0 : ui->WarnMess->sizeHint().height());
    int grow = needed - grid->height();
    if (const QScreen *screen = m_window->screen())
        grow = qMin(grow, screen->availableGeometry().height() - m_window->frameGeometry().height());
    if (grow <= 0)
        return;
    m_window->resize(m_window->width(), m_window->height() + grow);
    centreOnScreen();
}

void WindowLayout::fit()
{
    const QSize pageSize = ui->Notebook->contentsRect().size();
    for (int i = 0; i < ui->Notebook->count(); ++i) {
        QWidget *page = ui->Notebook->widget(i);
        if (page->size() != pageSize)
            page->resize(pageSize);
        if (page->layout())
            page->layout()->activate();
    }
    // Pages not built yet are laid out when they are.
    if (!ui->NamesPage)
        return;
    if (ui->Panel6->layout())
        ui->Panel6->layout()->activate();
    if (makeRoomForDecision() && ui->ResultPage->layout())
        ui->ResultPage->layout()->activate();
    keepPanel4Centred();
    spreadNames();

    struct Fit
    {
        StringGrid *grid;
        const GridFitRule &rule;
    };
    const Fit fits[] = {
        {ui->ChoiceTab, ChoiceTabFit},
        {ui->CompTab, CompTabFit},
        {ui->GlobTab, GlobTabFit},
        {ui->Globales, GlobalesFit},
    };
    for (const Fit &f : fits) {
        f.grid->setDefaultRowHeight(fittedRowHeight(f.grid->height(), f.grid->rowCount(), f.rule));
        f.grid->setDefaultColWidth(fittedColWidth(f.grid->width(), f.grid->colCount(), f.rule));
    }
}

void WindowLayout::keepPanel4Centred()
{
    // The result fields under the alternatives matrix keep their place relative to the
    // panel's centre, as they were laid out on a panel of the window's design width; on a
    // narrower panel they stop short of its left edge.
    static const int DesignWidth = 553;
    const QList<QWidget *> children = ui->Panel4->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    int designLeft = DesignWidth;
    for (QWidget *child : children) {
        QVariant designX = child->property("designX");
        if (!designX.isValid()) {
            designX = child->x();
            child->setProperty("designX", designX);
        }
        designLeft = qMin(designLeft, designX.toInt());
    }
    const int shift = qMax((ui->Panel4->width() - DesignWidth) / 2, WholeControls::Gap - designLeft);
    for (QWidget *child : children)
        child->move(child->property("designX").toInt() + shift, child->y());
}

namespace {
QRect designGeometry(QWidget *w)
{
    QVariant design = w->property("designGeometry");
    if (!design.isValid()) {
        design = w->geometry();
        w->setProperty("designGeometry", design);
    }
    return design.toRect();
}
}

void WindowLayout::spreadNames()
{
    // The names page is laid out for the window's design size; a larger window gives its extra
    // room to the two lists and their editors, in the proportion of the boxes' design widths.
    QWidget *page = ui->NamesPage;
    const QRect box1 = designGeometry(ui->GroupBox1);
    const QRect box2 = designGeometry(ui->GroupBox2);
    const int extraWidth = qMax(0, page->width() - (box2.right() + 1 + box1.left()));
    const int extraHeight = qMax(0, page->height() - (qMax(box1.bottom(), box2.bottom()) + 1 + box1.top()));
    const int extra1 = box1.width() + box2.width() > 0 ? extraWidth * box1.width() / (box1.width() + box2.width()) : 0;
    const struct
    {
        QWidget *box;
        QRect design;
        int shift;
        int grow;
        QWidget *list;
        QWidget *editor;
        QWidget *editorLabel;
    } boxes[] = {
        {ui->GroupBox1, box1, 0, extra1, ui->Choices, ui->ChoiceName, ui->Label5},
        {ui->GroupBox2, box2, extra1, extraWidth - extra1, ui->AltList, ui->ChoiceAlt, ui->Label33},
    };
    for (const auto &b : boxes) {
        b.box->setGeometry(b.design.adjusted(b.shift, 0, b.shift + b.grow, extraHeight));
        b.list->setGeometry(designGeometry(b.list).adjusted(0, 0, b.grow, extraHeight));
        b.editor->setGeometry(designGeometry(b.editor).translated(0, extraHeight).adjusted(0, 0, b.grow, 0));
        b.editorLabel->setGeometry(designGeometry(b.editorLabel).translated(0, extraHeight));
    }
    // The sub-criteria button stays under its list.
    ui->SubcriteriaBtn->setGeometry(designGeometry(ui->SubcriteriaBtn).translated(0, extraHeight).adjusted(0, 0, extra1, 0));
}

int WindowLayout::sensitivityRowHeight() const
{
    const auto *button = ui->Panel5->findChild<QPushButton *>(QStringLiteral("SensitivityBtn"));
    return button ? button->sizeHint().height() + 4 : 0;
}

bool WindowLayout::makeRoomForDecision()
{
    // The decision sentence wraps onto as many lines as it needs, and its band grows to hold
    // them all; the band's height in the form is its least.
    QVariant designHeight = ui->Panel5->property("designHeight");
    if (!designHeight.isValid()) {
        designHeight = ui->Panel5->minimumHeight();
        ui->Panel5->setProperty("designHeight", designHeight);
    }
    int needed = ui->Decision->heightForWidth(ui->Panel5->contentsRect().width()) + sensitivityRowHeight();
    // The leaf weights of a decision with sub-criteria take their lines above the sentence.
    if (const auto *weights = ui->Panel5->findChild<QLabel *>(QStringLiteral("LeafWeights")); weights && !weights->isHidden())
        needed += weights->heightForWidth(ui->Panel5->contentsRect().width());
    const int height = qMax(designHeight.toInt(), needed);
    if (height == ui->Panel5->minimumHeight())
        return false;
    ui->Panel5->setMinimumHeight(height);
    return true;
}

void WindowLayout::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = m_window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_window->move(frame.topLeft());
    }
}
