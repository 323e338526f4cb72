// Velkor-DB: a cocktail recipe database for the home bar.
#include "modul/HauptModul.h"
#include "toolkit/Look.h"
#include "toolkit/Symbol.h"

#include <QApplication>

#ifdef VELKOR_START_MELDEN
#include <QTimer>
#include <cstdio>
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velkor-DB"));
    // Desktops match the windows to the program's desktop entry and show its symbol.
    QGuiApplication::setDesktopFileName(QStringLiteral("velkor"));
    QApplication::setWindowIcon(toolkit::SymbolIcon());
    toolkit::InstallGermanTranslation(app);
    HauptModul::Main();
    if (!HauptModul::Datenbank) return 1; // the ending was replaced and returned
#ifdef VELKOR_START_MELDEN
    // The measuring build only: says so once the menu is up, then ends.
    QTimer::singleShot(0, [] {
        std::puts("Menü gezeigt");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
#endif
    return QApplication::exec();
}
