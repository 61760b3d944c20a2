#include "app/buttonicons.h"

#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QRadialGradient>

#include <functional>

namespace {

constexpr int IconSize = 16;

using Picture = std::function<void(QPainter &)>;

// Washed-out grey with reduced opacity, close to how the classic toolkits grey a glyph.
QImage greyed(const QImage &source)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int grey = 96 + qGray(pixel) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(pixel) * 3 / 5);
        }
    }
    image.setDevicePixelRatio(source.devicePixelRatio());
    return image;
}

// Paints a picture only when a button first draws it, at the size and in the mode it is drawn:
// building the window stays cheap, and the picture stays sharp at any screen scale.
class PaintedIconEngine : public QIconEngine
{
public:
    explicit PaintedIconEngine(Picture picture)
        : m_picture(std::move(picture))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap image = pixmap(rect.size() * ratio, mode, state);
        image.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, image);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const quint64 key = (quint64(size.width()) << 32) | (quint64(size.height()) << 8) | quint64(mode);
        auto cached = m_cache.constFind(key);
        if (cached != m_cache.constEnd())
            return *cached;
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(size.width() / qreal(IconSize), size.height() / qreal(IconSize));
            m_picture(painter);
        }
        const QPixmap result = QPixmap::fromImage(mode == QIcon::Disabled ? greyed(image) : image);
        m_cache.insert(key, result);
        return result;
    }

    QIconEngine *clone() const override { return new PaintedIconEngine(m_picture); }

private:
    Picture m_picture;
    QHash<quint64, QPixmap> m_cache;
};

QIcon makeIcon(const Picture &picture)
{
    return QIcon(new PaintedIconEngine(picture));
}

QPen outline(const QColor &colour, qreal width = 1.0)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void paintPrinter(QPainter &p)
{
    // Paper waiting at the back.
    p.setPen(outline(QColor(90, 90, 90)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 6));
    // Body.
    QLinearGradient body(0, 6, 0, 12);
    body.setColorAt(0, QColor(225, 225, 225));
    body.setColorAt(1, QColor(150, 150, 150));
    p.setPen(outline(QColor(70, 70, 70)));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
    // Printed sheet coming out at the front.
    p.setPen(outline(QColor(90, 90, 90)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(outline(QColor(120, 120, 120), 0.8));
    p.drawLine(QPointF(6, 12.5), QPointF(10, 12.5));
    // Power light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 170, 40));
    p.drawEllipse(QPointF(12.5, 8.5), 0.9, 0.9);
}

void paintHelp(QPainter &p)
{
    QRadialGradient disc(QPointF(6, 5), 9);
    disc.setColorAt(0, QColor(110, 170, 255));
    disc.setColorAt(1, QColor(20, 80, 190));
    p.setPen(outline(QColor(15, 55, 140)));
    p.setBrush(disc);
    p.drawEllipse(QPointF(8, 8), 7, 7);

    QPainterPath hook;
    hook.moveTo(5.6, 6.2);
    hook.arcTo(QRectF(5.6, 3.7, 4.8, 4.8), 180, -270);
    hook.lineTo(8, 9.8);
    p.setPen(outline(Qt::white, 1.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 12.3), 1.15, 1.15);
}

QPolygonF arrowPointingLeft()
{
    return QPolygonF({QPointF(1.5, 8), QPointF(7.5, 2.5), QPointF(7.5, 5.5), QPointF(14.5, 5.5),
                      QPointF(14.5, 10.5), QPointF(7.5, 10.5), QPointF(7.5, 13.5)});
}

void paintGreenArrow(QPainter &p, bool pointsRight)
{
    QPolygonF arrow = arrowPointingLeft();
    if (pointsRight) {
        for (QPointF &point : arrow)
            point.setX(IconSize - point.x());
    }
    QLinearGradient fill(0, 2, 0, 14);
    fill.setColorAt(0, QColor(120, 210, 110));
    fill.setColorAt(1, QColor(30, 130, 40));
    p.setPen(outline(QColor(20, 90, 25)));
    p.setBrush(fill);
    p.drawPolygon(arrow);
}

void paintClose(QPainter &p)
{
    // An open door: the dark doorway and the leaf swung towards the viewer.
    p.setPen(outline(QColor(60, 60, 60)));
    p.setBrush(QColor(70, 70, 70));
    p.drawRect(QRectF(5.5, 1.5, 8, 13));
    QLinearGradient wood(3, 0, 10, 0);
    wood.setColorAt(0, QColor(215, 150, 80));
    wood.setColorAt(1, QColor(160, 95, 35));
    p.setPen(outline(QColor(100, 55, 15)));
    p.setBrush(wood);
    p.drawPolygon(QPolygonF({QPointF(5.5, 1.5), QPointF(10.5, 3), QPointF(10.5, 15.5),
                             QPointF(5.5, 14.5)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 90));
    p.drawEllipse(QPointF(9.2, 8.8), 0.8, 0.8);
    // Threshold.
    p.setPen(outline(QColor(60, 60, 60)));
    p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
}

void paintCalculator(QPainter &p)
{
    QLinearGradient body(0, 0, 0, 16);
    body.setColorAt(0, QColor(235, 235, 235));
    body.setColorAt(1, QColor(175, 175, 175));
    p.setPen(outline(QColor(70, 70, 70)));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
    p.setPen(outline(QColor(60, 90, 60), 0.8));
    p.setBrush(QColor(190, 225, 175));
    p.drawRect(QRectF(4.5, 2.5, 7, 3));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const bool equalsKey = row == 2 && col == 2;
            p.setBrush(equalsKey ? QColor(200, 60, 40) : QColor(70, 70, 90));
            p.drawRect(QRectF(4.5 + col * 2.6, 7.3 + row * 2.6, 1.8, 1.8));
        }
    }
}

void paintTriangle(QPainter &p, bool pointsRight)
{
    QPolygonF triangle({QPointF(5.5, 8), QPointF(10, 3.5), QPointF(10, 12.5)});
    if (pointsRight) {
        for (QPointF &point : triangle)
            point.setX(IconSize - point.x());
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(triangle);
}

} // namespace

namespace ButtonIcons {

QIcon printer() { return makeIcon(paintPrinter); }
QIcon help() { return makeIcon(paintHelp); }
QIcon back() { return makeIcon([](QPainter &p) { paintGreenArrow(p, false); }); }
QIcon forward() { return makeIcon([](QPainter &p) { paintGreenArrow(p, true); }); }
QIcon close() { return makeIcon(paintClose); }
QIcon calculate() { return makeIcon(paintCalculator); }
QIcon arrowLeft() { return makeIcon([](QPainter &p) { paintTriangle(p, false); }); }
QIcon arrowRight() { return makeIcon([](QPainter &p) { paintTriangle(p, true); }); }

} // namespace ButtonIcons
