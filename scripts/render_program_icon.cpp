// render_program_icon FOLDER: draws resources/icons/analyze.svg (from the program's resources)
// at each size of the window icon and writes analyze-<size>.rgba into FOLDER. The window takes
// these finished pictures instead of drawing the SVG at four sizes when it is first shown;
// tests/app/tst_buttonicons checks that they still match the SVG.
//   cmake --build build --target render_program_icon && build/render_program_icon resources/icons

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
    for (int size : ButtonIcons::ProgramIconSizes) {
        const QString path = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/analyze-%1.rgba").arg(size);
        const QImage image = ButtonIcons::drawnProgramIcon(size);
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
