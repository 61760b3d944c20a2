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

    // The pictures drawn beforehand are what the SVG files draw now: an edited SVG fails here
    // until scripts/render_icons has drawn them again.
    void picturesDrawnBeforehandMatchTheSvg()
    {
        for (const auto &[name, size] : ButtonIcons::readyPictures()) {
            QFile file(QStringLiteral(":/icons/%1-%2.rgba").arg(name).arg(size));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const QImage drawn = ButtonIcons::drawnFromSvg(name, size);
            QVERIFY2(file.readAll() == QByteArray(reinterpret_cast<const char *>(drawn.constBits()), drawn.sizeInBytes()),
                     qPrintable(file.fileName()));
        }
        QList<QSize> sizes;
        for (int size : ButtonIcons::ProgramIconSizes)
            sizes << QSize(size, size);
        QCOMPARE(ButtonIcons::program().availableSizes(), sizes);
        QCOMPARE(ButtonIcons::program().pixmap(32).toImage().convertToFormat(QImage::Format_RGBA8888_Premultiplied),
                 ButtonIcons::drawnFromSvg(QStringLiteral("analyze"), 32));
    }

    // A button shows the SVG engine's very pixels, greyed as the engine's would be, at the
    // sizes drawn beforehand and at any other.
    void buttonPicturesAsTheSvgEngineDrawsThem()
    {
        const QList<QPair<QIcon, QString>> icons = {
            {ButtonIcons::printer(), "printer"}, {ButtonIcons::help(), "help"}, {ButtonIcons::back(), "back"},
            {ButtonIcons::forward(), "forward"}, {ButtonIcons::close(), "close"}, {ButtonIcons::calculate(), "calculate"},
            {ButtonIcons::arrowLeft(), "arrowleft"}, {ButtonIcons::arrowRight(), "arrowright"}, {ButtonIcons::overflow(), "overflow"},
        };
        QCOMPARE(icons.size(), int(std::size(ButtonIcons::ReadyNames)));
        for (const auto &[icon, name] : icons) {
            const QIcon svg(QStringLiteral(":/icons/%1.svg").arg(name));
            for (int size : {16, 32, 24, 48}) {
                for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
                    QVERIFY2(icon.pixmap(size, mode).toImage() == svg.pixmap(size, mode).toImage(),
                             qPrintable(QStringLiteral("%1 %2 %3").arg(name).arg(size).arg(int(mode))));
                }
                QCOMPARE(icon.actualSize(QSize(size, size)), svg.actualSize(QSize(size, size)));
            }
        }
    }
};

ANALYZE_WINDOW_TEST_MAIN(TstButtonIcons)
#include "tst_buttonicons.moc"
