#include "ui/form1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName("io.tarnovel.Tarnovel"); // Wayland finds the icon by it
    Form1 form;
    form.show();
    return QApplication::exec();
}
