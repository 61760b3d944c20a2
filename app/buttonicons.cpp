#include "app/buttonicons.h"

#include <QImage>
#include <QFile>
#include <QPixmap>

namespace {

QIcon resourceIcon(const char *name)
{
    return QIcon(QStringLiteral(":/icons/") + QLatin1String(name) + QStringLiteral(".svg"));
}

}

namespace ButtonIcons {

QIcon printer() { return resourceIcon("printer"); }
QIcon help() { return resourceIcon("help"); }
QIcon back() { return resourceIcon("back"); }
QIcon forward() { return resourceIcon("forward"); }
QIcon close() { return resourceIcon("close"); }
QIcon calculate() { return resourceIcon("calculate"); }
QIcon arrowLeft() { return resourceIcon("arrowleft"); }
QIcon arrowRight() { return resourceIcon("arrowright"); }
QIcon overflow() { return resourceIcon("overflow"); }
QIcon program()
{
    // Raw pixels rather than PNG files: reading any image file loads every image-format plugin
    // to ask whether the file is theirs (five libraries and 0.4 MB at start-up).
    QIcon icon;
    for (int size : ProgramIconSizes) {
        QFile file(QStringLiteral(":/icons/analyze-%1.rgba").arg(size));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray pixels = file.readAll();
        if (pixels.size() != size * size * 4)
            continue;
        const QImage image(reinterpret_cast<const uchar *>(pixels.constData()), size, size, size * 4,
                           QImage::Format_RGBA8888_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
    }
    return icon;
}

QImage drawnProgramIcon(int size)
{
    return resourceIcon("analyze").pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_RGBA8888_Premultiplied);
}

}
