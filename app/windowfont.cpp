#include "app/windowfont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QScreen>
#include <QStackedWidget>

#include <algorithm>
#include <cmath>

namespace {

// The design's face, and the toolkit's own default size that it stands in for: only a desktop
// font larger than that is a choice of the person's.
constexpr int DesignPixels = 11;
constexpr int ToolkitDefaultPixels = 12;
const char DesignFamily[] = "MS Sans Serif";

struct TitleFace
{
    const char *objectName;
    int pixels;
};

// The lines the design sets in their own bold face.
const TitleFace TitleFaces[] = {{"Label19", 15}, {"Label17", 13}, {"Decision", 14}};

// The family itself where it is installed, else the first of its substitutes that is. Qt would
// come to the same face, but only after asking fontconfig for every fallback of a family it does
// not have, once per face: a millisecond or more at start-up each.
// (QFontDatabase::hasFamily would ask fontconfig too, for the aliases of a family not there.)
QString installedFamily(const QString &design)
{
    const QStringList installed = QFontDatabase::families();
    // As the database spells it.
    const auto spelled = [&installed](const QString &family) {
        const auto found = std::find_if(installed.cbegin(), installed.cend(),
                                        [&family](const QString &name) { return name.compare(family, Qt::CaseInsensitive) == 0; });
        return found == installed.cend() ? QString() : *found;
    };
    if (const QString own = spelled(design); !own.isEmpty())
        return own;
    for (const QString &substitute : QFont::substitutes(design))
        if (const QString found = spelled(substitute); !found.isEmpty())
            return found;
    return design;
}

int scaled(int value, double factor)
{
    return int(std::lround(value * factor));
}

// The hand-placed controls move apart and grow with the font, as the design would have placed
// them for it; rows of a fixed height grow too. Sizes are then settled by the form as usual.
void growWithFont(QWidget *form, double factor, bool resizeForm = true)
{
    QList<QWidget *> widgets = form->findChildren<QWidget *>();
    // A page built after the window grows as the window's own children did.
    if (!resizeForm)
        widgets.prepend(form);
    for (QWidget *widget : widgets) {
        QWidget *parent = widget->parentWidget();
        if (widget->isWindow() || !parent || parent->layout() || qobject_cast<QStackedWidget *>(parent)
            || widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect g = widget->geometry();
        widget->setGeometry(scaled(g.x(), factor), scaled(g.y(), factor), scaled(g.width(), factor), scaled(g.height(), factor));
    }
    for (QWidget *widget : widgets) {
        const int least = widget->minimumHeight();
        const int most = widget->maximumHeight();
        if (most < QWIDGETSIZE_MAX)
            widget->setMaximumHeight(scaled(most, factor));
        if (least > 0)
            widget->setMinimumHeight(scaled(least, factor));
    }
    if (resizeForm)
        form->resize(scaled(form->width(), factor), scaled(form->height(), factor));
}

void setTitleFaces(QWidget *root, double factor)
{
    for (const TitleFace &title : TitleFaces)
        if (auto *label = root->findChild<QLabel *>(QLatin1String(title.objectName))) {
            QFont bold(installedFamily(QStringLiteral("Arial")));
            bold.setPixelSize(scaled(title.pixels, factor));
            bold.setBold(true);
            label->setFont(bold);
        }
}

}

namespace WindowFont {

int honouredPixels(const QFont &desktop, double dotsPerInch)
{
    const int pixels = desktop.pixelSize() > 0 ? desktop.pixelSize() : int(std::lround(desktop.pointSizeF() * dotsPerInch / 72.0));
    return pixels > ToolkitDefaultPixels && pixels > DesignPixels ? pixels : 0;
}

int honouredPixels(const QFont &desktop)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return honouredPixels(desktop, screen ? screen->logicalDotsPerInchY() : 96.0);
}

QFont face(int honoured)
{
    QFont font{installedFamily(QString::fromLatin1(DesignFamily))};
    font.setPixelSize(honoured > 0 ? honoured : DesignPixels);
    return font;
}

void applyToApplication()
{
    QApplication::setFont(face(honouredPixels(QApplication::font())));
}

void fit(QWidget *form)
{
    const int honoured = honouredPixels(QApplication::font());
    const double factor = honoured > 0 ? double(honoured) / DesignPixels : 1.0;
    if (honoured > 0)
        form->setFont(face(honoured));
    setTitleFaces(form, factor);
    if (honoured > 0)
        growWithFont(form, factor);
}

void fitPage(QWidget *page)
{
    const int honoured = honouredPixels(QApplication::font());
    const double factor = honoured > 0 ? double(honoured) / DesignPixels : 1.0;
    setTitleFaces(page, factor);
    if (honoured > 0)
        growWithFont(page, factor, false);
}

}
