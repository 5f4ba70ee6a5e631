// The baseline for start-up figures: a bare Qt Widgets window with one label.
#include <QApplication>
#include <QLabel>

#include "first_paint.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Vor"));
    label.show();
    new aeon::bench::FirstPaintQuit(label);
    return application.exec();
}
