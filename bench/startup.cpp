// Start-up to the first painted frame: the calculator's window, built exactly as the
// program builds it, or (with BARE defined) a plain window with as many widgets in
// the default font and no pictures, as the baseline.

#include <QApplication>
#include <QTimer>

#ifdef BARE
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#else
#include "ui/form1.h"
#endif

namespace {

// Quits once the window's first paint has been handled.
class FirstFrame : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
#ifdef BARE
    QWidget form;
    form.setFixedSize(834, 386);
    for (int i = 0; i < 48; ++i) {
        QWidget* w = i < 14   ? static_cast<QWidget*>(new QLineEdit("0.0", &form))
                     : i < 16 ? static_cast<QWidget*>(new QPushButton("OK", &form))
                              : static_cast<QWidget*>(new QLabel("Label", &form));
        w->setGeometry((i % 6) * 130, (i / 6) * 45, 120, 25);
    }
#else
    Form1 form;
#endif
    FirstFrame first;
    form.installEventFilter(&first);
    form.show();
    return QApplication::exec();
}
