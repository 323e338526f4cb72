// Velkor-DB: a cocktail recipe database for the home bar.
#include "app/Programmstart.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!StarteProgramm(app)) return 1; // the ending was replaced and returned
    return QApplication::exec();
}
