// The coloured header sections of a grid reach the style with a palette that keeps its
// identity from paint to paint: the style files its section pictures in the application's
// pixmap cache under that identity, and a new one at every paint grew the cache without end.

#include "platform/stringgrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QProxyStyle>
#include <QSet>
#include <QStyleOptionHeader>
#include <QtTest>

namespace {

// Notes the palette of every header section the grid has painted.
class SectionWatch : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_HeaderSection && option->rect.isValid()) {
            keys.insert(option->palette.cacheKey());
            buttons.insert(option->palette.color(QPalette::Button).rgb());
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    mutable QSet<qint64> keys;
    mutable QSet<QRgb> buttons;
};

}

class TstGridHeader : public QObject
{
    Q_OBJECT
private slots:
    void sectionPaletteKeepsItsIdentity();
};

void TstGridHeader::sectionPaletteKeepsItsIdentity()
{
    SectionWatch style(QStringLiteral("Fusion"));
    SectionWatch *watch = &style;
    StringGrid grid;
    grid.setStyle(watch);
    grid.horizontalHeader()->setStyle(watch);
    grid.verticalHeader()->setStyle(watch);
    grid.setColCount(5);
    grid.setRowCount(5);
    grid.setFixed(1, 1);
    grid.setFixedColor(Qt::cyan);
    grid.resize(400, 200);
    for (int i = 1; i < 5; ++i) {
        grid.setCell(i, 0, QStringLiteral("Критерий %1").arg(i));
        grid.setCell(0, i, QStringLiteral("Альтернатива %1").arg(i));
    }

    grid.grab();
    const QSet<qint64> first = watch->keys;
    QVERIFY(!first.isEmpty());
    // The sections still wear the grid's fixed colour.
    QVERIFY2(watch->buttons.contains(QColor(Qt::cyan).rgb()), "sections lost their colour");

    for (int paint = 0; paint < 5; ++paint)
        grid.grab();
    QCOMPARE(watch->keys, first);
}

QTEST_MAIN(TstGridHeader)
#include "tst_gridheader.moc"
