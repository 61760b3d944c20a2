#pragma once

#include <QProxyStyle>

// The application's style with the menu bar's arrow to the menus that do not fit drawn from the
// program's own SVG. Qt's arrow is a PNG, and reading any PNG from a file makes Qt load and ask
// every image-format plugin (JPEG with libjpeg, GIF, ICO, SVG) whether it reads PNG: 1 MB and
// five libraries at start-up for an arrow that is rarely seen.
class OverflowArrowStyle : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const override;

    // Puts it over the style the application chose (Qt's -style included), once.
    static void install();
};
