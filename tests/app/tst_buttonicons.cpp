// The pictures of the window's buttons and of the program are drawn (the SVG files are in the
// resources and Qt's SVG icon engine is there to draw them), and greyed on a disabled button.

#include "app_helpers.h"

#include "app/buttonicons.h"

#include <QFile>

using namespace WindowTest;

namespace {
// How many pixels of the picture are drawn, and how colourful the most colourful one is.
QPair<int, int> drawnAndSaturation(const QIcon &icon, int size, QIcon::Mode mode)
{
    const QImage image = icon.pixmap(QSize(size, size), mode).toImage();
    QPair<int, int> result;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() >= 64)
                result = {result.first + 1, qMax(result.second, pixel.hsvSaturation())};
        }
    }
    return result;
}
}

class TstButtonIcons : public QObject
{
    Q_OBJECT
private slots:
    void buttonPictures()
    {
        auto form = openWindow();
        QStringList pictured;
        for (const QPushButton *button : form->findChildren<QPushButton *>()) {
            const QIcon icon = button->icon();
            if (icon.isNull())
                continue;
            pictured << button->objectName();
            for (int size : {16, 32}) {
                const auto normal = drawnAndSaturation(icon, size, QIcon::Normal);
                const auto disabled = drawnAndSaturation(icon, size, QIcon::Disabled);
                // The matrix arrows, the smallest pictures, cover a sixteenth of their square.
                QVERIFY2(normal.first > size * size / 16 && disabled.first > size * size / 16, qPrintable(pictured.last()));
                QVERIFY2(disabled.second < 40, qPrintable(pictured.last()));
            }
            QVERIFY(icon.pixmap(16, QIcon::Disabled).toImage() != icon.pixmap(16, QIcon::Normal).toImage());
        }
        pictured.sort();
        QCOMPARE(pictured, QString("BitBtn4 CalcBtn CalcBtn2 HelpBtn NextBtn NextCriteriaMatrixBtn NextMatrixBtn PrintBtn PriorBtn PriorCriteriaMatrixBtn PriorMatrixBtn").split(' '));
    }

    // Every window carries the program's icon, also where no desktop entry is installed.
    void programIcon()
    {
        const auto icon = drawnAndSaturation(QApplication::windowIcon(), 64, QIcon::Normal);
        QVERIFY(icon.first > 64 * 64 / 2 && icon.second > 100);
    }

    // The window icon's finished sizes are what the SVG draws now: an edited analyze.svg fails
    // here until scripts/render_program_icon has drawn them again. A window shows them as they
    // are, with nothing left to draw.
    void programIconSizesMatchTheSvg()
    {
        QList<QSize> sizes;
        for (int size : ButtonIcons::ProgramIconSizes) {
            QFile file(QStringLiteral(":/icons/analyze-%1.rgba").arg(size));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QImage drawn = ButtonIcons::drawnProgramIcon(size);
            QCOMPARE(file.readAll(), QByteArray(reinterpret_cast<const char *>(drawn.constBits()), drawn.sizeInBytes()));
            sizes << QSize(size, size);
        }
        QCOMPARE(ButtonIcons::program().availableSizes(), sizes);
        QCOMPARE(ButtonIcons::program().pixmap(32).toImage().convertToFormat(QImage::Format_RGBA8888_Premultiplied),
                 ButtonIcons::drawnProgramIcon(32));
    }
};

ANALYZE_WINDOW_TEST_MAIN(TstButtonIcons)
#include "tst_buttonicons.moc"
