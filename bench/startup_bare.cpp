// The floor the toolkit sets: one window holding one empty table.

#include "firstpaint.h"

#include <QApplication>
#include <QTableWidget>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstPaint::install();
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QTableWidget(5, 5, &window));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
