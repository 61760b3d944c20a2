// The pictures of the window's buttons and of the program: every one is drawn (its SVG file is
// in the resources and Qt's SVG icon engine is there to draw it), and a disabled button's
// picture is the same shape greyed.

#include "app_helpers.h"

#include <QImage>

using namespace WindowTest;

namespace {

// How much of the picture is drawn, and how colourful its most colourful pixel is.
struct Coverage
{
    int drawn = 0;
    int maxSaturation = 0;
};

Coverage coverage(const QIcon &icon, int size, QIcon::Mode mode)
{
    const QImage image = icon.pixmap(QSize(size, size), mode).toImage().convertToFormat(QImage::Format_ARGB32);
    Coverage result;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() < 64)
                continue;
            ++result.drawn;
            result.maxSaturation = qMax(result.maxSaturation, pixel.hsvSaturation());
        }
    }
    return result;
}

}

class TstButtonIcons : public QObject
{
    Q_OBJECT
private slots:
    void buttonPictures_data();
    void buttonPictures();
    void programIcon();
};

void TstButtonIcons::buttonPictures_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("coloured");

    QTest::newRow("print") << QStringLiteral("PrintBtn") << true;
    QTest::newRow("help") << QStringLiteral("HelpBtn") << true;
    QTest::newRow("back") << QStringLiteral("PriorBtn") << true;
    QTest::newRow("forward") << QStringLiteral("NextBtn") << true;
    QTest::newRow("close") << QStringLiteral("BitBtn4") << true;
    QTest::newRow("criteria priorities") << QStringLiteral("CalcBtn") << true;
    QTest::newRow("alternatives priorities") << QStringLiteral("CalcBtn2") << true;
    QTest::newRow("previous matrix") << QStringLiteral("PriorMatrixBtn") << false;
    QTest::newRow("next matrix") << QStringLiteral("NextMatrixBtn") << false;
}

void TstButtonIcons::buttonPictures()
{
    QFETCH(QString, button);
    QFETCH(bool, coloured);

    auto form = openWindow();
    const QIcon icon = form->findChild<QPushButton *>(button)->icon();
    for (int size : {16, 32}) {
        const Coverage normal = coverage(icon, size, QIcon::Normal);
        const Coverage disabled = coverage(icon, size, QIcon::Disabled);
        // A picture covers a fair part of its square (the matrix arrows are the smallest), at the button's size and at twice it.
        QVERIFY2(normal.drawn > size * size / 16, qPrintable(QString::number(normal.drawn)));
        QVERIFY(disabled.drawn > size * size / 16);
        if (coloured) {
            QVERIFY(normal.maxSaturation > 100);
            QVERIFY2(disabled.maxSaturation < 40, qPrintable(QString::number(disabled.maxSaturation)));
        }
    }
    // The black arrows are greyed by lightening.
    QVERIFY(icon.pixmap(16, QIcon::Disabled).toImage() != icon.pixmap(16, QIcon::Normal).toImage());
}

void TstButtonIcons::programIcon()
{
    // Every window of the program carries it, also where no desktop entry is installed.
    const Coverage icon = coverage(QApplication::windowIcon(), 64, QIcon::Normal);
    QVERIFY(icon.drawn > 64 * 64 / 2);
    QVERIFY(icon.maxSaturation > 100);
}

ANALYZE_WINDOW_TEST_MAIN(TstButtonIcons)
#include "tst_buttonicons.moc"
