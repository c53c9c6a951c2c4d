#include "app/end_program.h"

#include <QCoreApplication>

void endProgram() {
    QCoreApplication::exit(0);
}
