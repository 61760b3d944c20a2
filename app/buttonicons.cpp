#include "app/buttonicons.h"

#include <QApplication>
#include <QResource>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace {

QString svgPath(const QString &name)
{
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

// A picture drawn beforehand (resources/icons/<name>-<size>.rgba); the null image if there is none.
QImage drawnBeforehand(const QString &name, int size)
{
    // Stored uncompressed: the resource's own bytes, read in place.
    const QResource resource(QStringLiteral(":/icons/%1-%2.rgba").arg(name).arg(size));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression
        || resource.size() != qint64(size) * size * 4)
        return QImage();
    const QImage image(resource.data(), size, size, size * 4, QImage::Format_RGBA8888_Premultiplied);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A button's picture at the sizes drawn beforehand comes from those pixels, greyed or lit by the
// style as Qt's SVG icon engine would; any other size is drawn from the SVG, with the engine
// loaded then. So the window's first picture needs no SVG engine.
class ReadyIconEngine : public QIconEngine
{
public:
    explicit ReadyIconEngine(const QString &name)
        : m_name(name)
    {
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (size.width() != size.height() || !ButtonIcons::isReadySize(size.width()))
            return svg().pixmap(size, mode, state);
        const QImage image = drawnBeforehand(m_name, size.width());
        if (image.isNull())
            return svg().pixmap(size, mode, state);
        const QPixmap normal = QPixmap::fromImage(image);
        // What the SVG engine hands its pixmap to: the style, with the application's colours.
        QStyleOption option(0);
        option.palette = QGuiApplication::palette();
        const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, normal, &option);
        return styled.isNull() ? normal : styled;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (size.width() == size.height() && ButtonIcons::isReadySize(size.width()))
            return size;
        return svg().actualSize(size, mode, state);
    }

    QIconEngine *clone() const override { return new ReadyIconEngine(m_name); }
    QString key() const override { return QStringLiteral("ReadyIconEngine"); }
    QString iconName() override { return m_name; }

private:
    QIcon &svg()
    {
        if (m_svg.isNull())
            m_svg = QIcon(svgPath(m_name));
        return m_svg;
    }

    QString m_name;
    QIcon m_svg;
};

QIcon resourceIcon(const char *name)
{
    return QIcon(new ReadyIconEngine(QLatin1String(name)));
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

bool isReadySize(int size)
{
    return std::find(std::begin(ReadySizes), std::end(ReadySizes), size) != std::end(ReadySizes);
}

QList<QPair<QString, int>> readyPictures()
{
    QList<QPair<QString, int>> pictures;
    for (int size : ProgramIconSizes)
        pictures.append({QStringLiteral("analyze"), size});
    for (const char *name : ReadyNames)
        for (int size : ReadySizes)
            pictures.append({QLatin1String(name), size});
    return pictures;
}

QIcon program()
{
    QIcon icon;
    for (int size : ProgramIconSizes) {
        const QImage image = drawnBeforehand(QStringLiteral("analyze"), size);
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QImage drawnFromSvg(const QString &name, int size)
{
    return QIcon(svgPath(name)).pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_RGBA8888_Premultiplied);
}

}
