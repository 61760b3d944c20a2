// render_icons FOLDER: draws the program icon (resources/icons/analyze.svg, from the
// program's resources) at each size of the window icon, and each button picture at the sizes
// drawn beforehand, and writes <name>-<size>.rgba into FOLDER (see app/buttonicons.h).
// tests/app/tst_buttonicons checks that the files still match the SVG files.
//   cmake --build build --target render_icons && build/render_icons resources/icons

#include "app/buttonicons.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    for (const auto &[name, size] : ButtonIcons::readyPictures()) {
        const QString path = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/%1-%2.rgba").arg(name).arg(size);
        const QImage image = ButtonIcons::drawnFromSvg(name, size);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) != image.sizeInBytes()
            || !file.commit()) {
            fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(path));
            return 1;
        }
    }
    return 0;
}
