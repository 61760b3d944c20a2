#include "report/repform.h"

#include "platform/stringgrid.h"
#include "report/wrappedcell.h"
#include "ui_repform.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyledItemDelegate>

#include <cmath>

namespace {

int s_liveCount = 0;
int s_createdCount = 0;

const QString PageFontFamily = QStringLiteral("Arial");

// Whole-pixel scaling that rounds halves away from zero, as the page's design sizes expect.
int mulDiv(int value, int multiplier, int divider)
{
    return int(std::lround(double(value) * multiplier / divider));
}

QFont pageFont(int pixelSize, bool bold = false, bool italic = false, bool underline = false)
{
    QFont font(PageFontFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

// Paper is white whatever the desktop's colour scheme.
QPalette paperPalette()
{
    QPalette palette;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button,
                                     QPalette::AlternateBase, QPalette::Light, QPalette::Midlight})
        palette.setColor(role, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::Dark, QPalette::Shadow})
        palette.setColor(role, Qt::black);
    palette.setColor(QPalette::Mid, Qt::gray);
    return palette;
}

// Draws a cell's text clear of the grid lines by a blank that grows with the font, so that a
// scaled page keeps its proportions, and whole: wrapped over as many lines as it takes.
class PaddedCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        painter->save();
        painter->setPen(cell.palette.color(QPalette::Text));
        WrappedCell::draw(*painter, option.rect, cell.font, text);
        painter->restore();
    }
};

}

TRepForm::TRepForm(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , ui(std::make_unique<Ui::TRepForm>())
{
    ui->setupUi(this);
    ++s_liveCount;
    ++s_createdCount;

    setPalette(paperPalette());
    setAutoFillBackground(true);
    ui->Panel6->setBackgroundRole(QPalette::Base);
    ui->Panel6->setAutoFillBackground(true);
    for (QLabel *label : {ui->Label17, ui->Label19, ui->StudLabel})
        label->setAutoFillBackground(true);
    // Texts of the person's own break into lines rather than run off the sheet.
    for (QLabel *label : {ui->StudLabel, ui->RepName, ui->Decision})
        label->setWordWrap(true);

    applyDesignFonts();
    applyDesignGrids();
    fitMeasureLabels();
    resize(DesignWidth, DesignHeight);
    arrangeBands();
}

TRepForm::~TRepForm()
{
    --s_liveCount;
}

int TRepForm::liveCount()
{
    return s_liveCount;
}

int TRepForm::createdCount()
{
    return s_createdCount;
}

int TRepForm::cellPadding(const QFont &font)
{
    return WrappedCell::horizontalPadding(font);
}

const QStringList &TRepForm::componentNames()
{
    static const QStringList names = {
        QStringLiteral("Panel2"),         QStringLiteral("RndCoordLabel"),  QStringLiteral("IdxCoordLabel"),
        QStringLiteral("RatioCoordLabel"), QStringLiteral("RndCoordEdit"),  QStringLiteral("IdxCoordEdit"),
        QStringLiteral("RatioCoordEdit"), QStringLiteral("Panel1"),         QStringLiteral("Label17"),
        QStringLiteral("Label19"),        QStringLiteral("StudLabel"),      QStringLiteral("Panel3"),
        QStringLiteral("Decision"),       QStringLiteral("Panel4"),         QStringLiteral("RepName"),
        QStringLiteral("RepGrid"),        QStringLiteral("Panel5"),         QStringLiteral("Panel6"),
        QStringLiteral("Label11"),        QStringLiteral("GlobalesRep"),    QStringLiteral("AltRep"),
    };
    return names;
}

QList<QWidget *> TRepForm::components() const
{
    QList<QWidget *> widgets;
    for (const QString &name : componentNames())
        widgets.append(findChild<QWidget *>(name));
    return widgets;
}

QFrame *TRepForm::panel1() const { return ui->Panel1; }
QFrame *TRepForm::panel2() const { return ui->Panel2; }
QFrame *TRepForm::panel3() const { return ui->Panel3; }
QFrame *TRepForm::panel4() const { return ui->Panel4; }
QFrame *TRepForm::panel5() const { return ui->Panel5; }
QFrame *TRepForm::panel6() const { return ui->Panel6; }
QLabel *TRepForm::label11() const { return ui->Label11; }
QLabel *TRepForm::label17() const { return ui->Label17; }
QLabel *TRepForm::label19() const { return ui->Label19; }
QLabel *TRepForm::studLabel() const { return ui->StudLabel; }
QLabel *TRepForm::rndCoordLabel() const { return ui->RndCoordLabel; }
QLabel *TRepForm::idxCoordLabel() const { return ui->IdxCoordLabel; }
QLabel *TRepForm::ratioCoordLabel() const { return ui->RatioCoordLabel; }
QLineEdit *TRepForm::rndCoordEdit() const { return ui->RndCoordEdit; }
QLineEdit *TRepForm::idxCoordEdit() const { return ui->IdxCoordEdit; }
QLineEdit *TRepForm::ratioCoordEdit() const { return ui->RatioCoordEdit; }
QLabel *TRepForm::repName() const { return ui->RepName; }
QLabel *TRepForm::decision() const { return ui->Decision; }
StringGrid *TRepForm::repGrid() const { return ui->RepGrid; }
StringGrid *TRepForm::altRep() const { return ui->AltRep; }
StringGrid *TRepForm::globalesRep() const { return ui->GlobalesRep; }

// Designer keeps fonts in points; the page is drawn in pixels, so its fonts are set here.
void TRepForm::applyDesignFonts()
{
    setFont(pageFont(11));
    ui->Label17->setFont(pageFont(19, true));
    ui->Label19->setFont(pageFont(15, true));
    ui->StudLabel->setFont(pageFont(13));
    const QList<QWidget *> measures = {ui->RndCoordLabel, ui->IdxCoordLabel, ui->RatioCoordLabel,
                                       ui->RndCoordEdit, ui->IdxCoordEdit, ui->RatioCoordEdit};
    for (QWidget *w : measures)
        w->setFont(pageFont(13));
    ui->Label11->setFont(pageFont(16, true));
    ui->RepName->setFont(pageFont(19, true, false, true));
    ui->RepGrid->setFont(pageFont(8));
    // A 16-pixel line of Arial holds a 14-pixel character height.
    ui->Decision->setFont(pageFont(14, false, true));
}

void TRepForm::applyDesignGrids()
{
    struct GridDesign {
        StringGrid *grid;
        int cols;
        int rows;
        int colWidth;
    };
    const GridDesign designs[] = {
        {ui->AltRep, 4, 5, 150},
        {ui->GlobalesRep, 10, 2, 60},
        {ui->RepGrid, 22, 2, 28},
    };
    for (const GridDesign &design : designs) {
        StringGrid *grid = design.grid;
        grid->setFixed(0, 0);
        grid->setFixedShaded(false);
        grid->setCellsEditable(false);
        grid->setItemDelegate(new PaddedCellDelegate(grid));
        grid->setFrameStyle(QFrame::Box | QFrame::Plain);
        grid->setLineWidth(1);
        // Narrow columns break long names at their blanks rather than cut them.
        grid->setWordWrap(true);
        grid->setColCount(design.cols);
        grid->setRowCount(design.rows);
        grid->setDefaultColWidth(design.colWidth);
        grid->setDefaultRowHeight(DesignRowHeight);
        grid->clearCurrentCell();
    }
}

// The measure labels size themselves to their text, which a substitute face or a rounded font
// may make a pixel or two wider than the design.
void TRepForm::fitMeasureLabels()
{
    for (QLabel *label : {ui->RndCoordLabel, ui->IdxCoordLabel, ui->RatioCoordLabel})
        label->resize(qMax(label->width(), label->sizeHint().width()), label->height());
}

void TRepForm::arrangeBands()
{
    const int w = width();
    int top = 0;
    for (QFrame *band : {ui->Panel1, ui->Panel5, ui->Panel2, ui->Panel6}) {
        if (band->isHidden())
            continue;
        band->setGeometry(0, top, w, band->height());
        top += band->height();
    }
    int bottom = height();
    if (!ui->Panel3->isHidden()) {
        bottom -= ui->Panel3->height();
        ui->Panel3->setGeometry(0, bottom, w, ui->Panel3->height());
    }
    ui->Panel4->setGeometry(0, top, w, qMax(0, bottom - top));

    int labelTop = 0;
    for (QLabel *label : {ui->Label17, ui->Label19, ui->StudLabel}) {
        label->setGeometry(0, labelTop, w, label->height());
        labelTop += label->height();
    }
    ui->AltRep->setGeometry(0, 0, w, ui->Panel5->height());
    ui->Label11->setGeometry(0, 0, w, ui->Label11->height());
    ui->GlobalesRep->setGeometry(0, ui->Label11->height(), w,
                                 qMax(0, ui->Panel6->height() - ui->Label11->height()));
    ui->RepName->setGeometry(0, 0, w, ui->RepName->height());
    ui->RepGrid->setGeometry(0, ui->RepName->height(), w,
                             qMax(0, ui->Panel4->height() - ui->RepName->height()));
    ui->Decision->setGeometry(0, 0, w, ui->Panel3->height());
}

void TRepForm::scaleBy(int multiplier, int divider)
{
    if (multiplier <= 0 || divider <= 0 || multiplier == divider)
        return;
    auto scaled = [multiplier, divider](int value) { return mulDiv(value, multiplier, divider); };
    auto scaleFont = [&scaled](QWidget *w) {
        QFont font = w->font();
        if (font.pixelSize() > 0) {
            font.setPixelSize(qMax(1, scaled(font.pixelSize())));
            w->setFont(font);
        }
    };

    scaleFont(this);
    for (QWidget *w : components()) {
        const QRect g = w->geometry();
        w->setGeometry(scaled(g.x()), scaled(g.y()), scaled(g.width()), scaled(g.height()));
        if (w->testAttribute(Qt::WA_SetFont))
            scaleFont(w);
    }
    fitMeasureLabels();
    resize(scaled(width()), scaled(height()));
    arrangeBands();
}

void TRepForm::fitTableBand()
{
    const int needed = ui->RepName->height() + ui->RepGrid->gridHeight();
    const int missing = needed - ui->Panel4->height();
    if (missing > 0)
        resize(width(), height() + missing);
    arrangeBands();
}

void TRepForm::fitBandsToContents()
{
    auto grow = [](QWidget *w, int needed) {
        if (needed > w->height())
            w->resize(w->width(), needed);
    };
    const int before = height();
    int added = 0;
    auto growBand = [&added](QFrame *band, int needed) {
        if (!band->isHidden() && needed > band->height()) {
            added += needed - band->height();
            band->resize(band->width(), needed);
        }
    };
    const int w = width();
    grow(ui->StudLabel, ui->StudLabel->heightForWidth(w));
    grow(ui->RepName, ui->RepName->heightForWidth(w));
    growBand(ui->Panel1, ui->Label17->height() + ui->Label19->height() + ui->StudLabel->height());
    growBand(ui->Panel5, ui->AltRep->gridHeight());
    growBand(ui->Panel6, ui->Label11->height() + ui->GlobalesRep->gridHeight());
    growBand(ui->Panel3, ui->Decision->heightForWidth(w));
    // The table band takes what the others leave: it grows by what its table lacks.
    const int tableNeeded = ui->RepName->height() + ui->RepGrid->gridHeight();
    const int tableBand = ui->Panel4->isHidden() ? tableNeeded : ui->Panel4->height();
    resize(width(), before + added + qMax(0, tableNeeded - tableBand));
    arrangeBands();
}

void TRepForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrangeBands();
}
