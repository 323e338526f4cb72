// The program built to end once its menu is shown, for the start-up time of scripts/bench.sh:
// it starts as the program does and says "Menü gezeigt" once the menu is up.
#include "app/Programmstart.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!StarteProgramm(app)) return 1; // the ending was replaced and returned
    QTimer::singleShot(0, [] {
        std::puts("Menü gezeigt");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
