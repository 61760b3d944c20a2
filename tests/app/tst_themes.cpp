// The window under the desktop's theme: every text of every page readable (at least 4.5:1,
// measured on the drawn picture) under a dark palette, and a large desktop font honoured with
// nothing cut, while the design's 11 px face stays the default.

#include "app_helpers.h"

#include "platform/readablecolours.h"
#include "platform/stringgrid.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStackedWidget>

using namespace WindowTest;

namespace {

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x33));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
    return dark;
}

QHash<QRgb, int> colourCounts(const QImage &picture)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y)];
    return counts;
}

QColor commonest(const QHash<QRgb, int> &counts)
{
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    return QColor(background);
}

// The contrast of a drawn text: its background is the commonest colour of the picture, its text
// the colour that stands out from that the most.
double drawnContrast(const QImage &picture)
{
    const QHash<QRgb, int> counts = colourCounts(picture);
    const QColor background = commonest(counts);
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, ReadableColours::contrast(background, QColor(it.key())));
    return best;
}

// The same for the reddest colours only: the inconsistent ratio's text on its field, apart from
// the field's frame.
double redContrast(const QImage &picture)
{
    const QHash<QRgb, int> counts = colourCounts(picture);
    const QColor field = commonest(counts);
    double best = 0.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const QColor c(it.key());
        if (c.red() > 2 * std::max(c.green(), c.blue()) + 40)
            best = std::max(best, ReadableColours::contrast(field, c));
    }
    return best;
}

// The texts of the page on the screen too faint to read, as "name: ratio".
QStringList faintTexts(TMainForm *form)
{
    const QImage window = form->grab().toImage();
    QStringList faint;
    const auto measure = [&](const QWidget *w, const QString &what) {
        const QRect area(w->mapTo(form, QPoint(0, 0)), w->size());
        const double ratio = drawnContrast(window.copy(area));
        if (ratio < 4.5)
            faint << QStringLiteral("%1: %2").arg(what).arg(ratio, 0, 'f', 2);
    };
    for (const QLabel *label : form->findChildren<QLabel *>())
        if (label->isVisible() && !label->text().trimmed().isEmpty() && label->pixmap().isNull())
            measure(label, label->objectName());
    for (const StringGrid *grid : form->findChildren<StringGrid *>())
        if (grid->isVisible() && grid->horizontalHeader()->isVisible())
            measure(grid->horizontalHeader(), grid->objectName() + QStringLiteral(" header"));
    return faint;
}

}

class TstThemes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void darkPaletteKeepsTextsReadable();
    void largeFontHonoured();
    void designFontStaysDefault_data();
    void designFontStaysDefault();
    void inconsistentRatioReadable_data();
    void inconsistentRatioReadable();
};

void TstThemes::darkPaletteKeepsTextsReadable()
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(darkPalette());
    auto form = openWindow();
    auto *next = find<QPushButton>(form.get(), "NextBtn");
    setCounts(form.get(), 4, 3);
    form->ShowHint(QStringLiteral("Значение ячейки не должно быть больше 9"));
    for (int page = 0; page < 5; ++page) {
        if (page == 2)
            QVERIFY(enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), uniformUpper(4, QStringLiteral("1"))));
        if (page == 3)
            QVERIFY(enterRemainingAltMatrices(form.get(), QStringLiteral("1")));
        QCoreApplication::processEvents();
        screenshot(form.get(), QStringLiteral("dark-page%1").arg(page));
        const QStringList faint = faintTexts(form.get());
        QVERIFY2(faint.isEmpty(), qPrintable(QStringLiteral("page %1: ").arg(page) + faint.join(QStringLiteral(", "))));
        if (page < 4)
            QVERIFY(click(next));
    }
    form.reset();
    QApplication::setPalette(before);
}

void TstThemes::largeFontHonoured()
{
    const QFont before = QApplication::font();
    QFont large = before;
    large.setPointSize(16);
    QApplication::setFont(large);
    auto form = openWindow();
    auto *kriters = find<QLineEdit>(form.get(), "Kriters");
    QVERIFY2(QFontInfo(kriters->font()).pixelSize() >= 20, qPrintable(QString::number(QFontInfo(kriters->font()).pixelSize())));
    // The title lines grow with the rest and stay larger than the window's face.
    for (const char *title : {"Label19", "Label17"}) {
        const QFontInfo face(find<QLabel>(form.get(), title)->font());
        QVERIFY2(face.bold() && face.pixelSize() > QFontInfo(kriters->font()).pixelSize(), title);
    }
    screenshot(form.get(), QStringLiteral("large-page0"));
    // Nothing is cut: every shown label and field is as large as its text needs.
    const auto checkWhole = [&](const QString &page) {
        for (const QWidget *w : form->findChildren<QWidget *>()) {
            if (!w->isVisible() || w->window() != form.get())
                continue;
            const auto *label = qobject_cast<const QLabel *>(w);
            const auto *edit = qobject_cast<const QLineEdit *>(w);
            if ((!label || label->wordWrap() || label->text().isEmpty()) && !edit)
                continue;
            const QSize needed = w->minimumSizeHint();
            QVERIFY2(w->height() >= needed.height() && (!label || w->width() >= needed.width()),
                     qPrintable(page + QStringLiteral(": ") + w->objectName()));
        }
    };
    checkWhole(QStringLiteral("title page"));
    setCounts(form.get(), 4, 3);
    QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    checkWhole(QStringLiteral("names page"));
    screenshot(form.get(), QStringLiteral("large-page1"));
    QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    auto *grid = find<StringGrid>(form.get(), "ChoiceTab");
    QVERIFY(grid->rowHeight(1) >= grid->fontMetrics().height() + 4);
    checkWhole(QStringLiteral("criteria page"));
    screenshot(form.get(), QStringLiteral("large-page2"));
    form.reset();
    QApplication::setFont(before);
}

void TstThemes::designFontStaysDefault_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::newRow("count field") << QStringLiteral("Kriters") << 11 << false;
    QTest::newRow("heading") << QStringLiteral("Label19") << 15 << true;
    QTest::newRow("credit line") << QStringLiteral("Label17") << 13 << true;
    QTest::newRow("decision") << QStringLiteral("Decision") << 14 << true;
    QTest::newRow("status line") << QStringLiteral("StatusLine") << 11 << false;
}

void TstThemes::designFontStaysDefault()
{
    QFETCH(QString, control);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    auto form = openWindow();
    const QFontInfo face(find<QWidget>(form.get(), qPrintable(control))->font());
    QCOMPARE(face.pixelSize(), pixels);
    QCOMPARE(face.bold(), bold);
    QCOMPARE(QFontInfo(form->menuBar()->font()).pixelSize(), 11);
}

void TstThemes::inconsistentRatioReadable_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light palette") << false;
    QTest::newRow("dark palette") << true;
}

void TstThemes::inconsistentRatioReadable()
{
    QFETCH(bool, dark);
    const QPalette before = QApplication::palette();
    if (dark)
        QApplication::setPalette(darkPalette());
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 4, 3));
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), {{"9", "1/9", "5"}, {"9", "1/7"}, {"3"}}));
    QVERIFY(click(find<QPushButton>(form.get(), "CalcBtn")));
    auto *ratio = find<QLineEdit>(form.get(), "RatioCoordEdit");
    QVERIFY(drawnRed(ratio));
    // The text alone: the edit without its frame and the sign at its end.
    const QRect text(ratio->mapTo(form.get(), QPoint(2, 2)), QSize(ratio->width() - ratio->height() - 4, ratio->height() - 4));
    const double contrast = redContrast(form->grab().toImage().copy(text));
    screenshot(form.get(), dark ? QStringLiteral("ratio-dark") : QStringLiteral("ratio-light"));
    form.reset();
    QApplication::setPalette(before);
    QVERIFY2(contrast >= 4.5, qPrintable(QString::number(contrast)));
}

ANALYZE_WINDOW_TEST_MAIN(TstThemes)
#include "tst_themes.moc"
