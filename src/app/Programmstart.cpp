#include "app/Programmstart.h"

#include "modul/HauptModul.h"
#include "toolkit/Look.h"
#include "toolkit/Symbol.h"

#include <QApplication>

bool StarteProgramm(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Velkor-DB"));
    // Desktops match the windows to the program's desktop entry and show its symbol.
    QGuiApplication::setDesktopFileName(QStringLiteral("velkor"));
    QApplication::setWindowIcon(toolkit::SymbolIcon());
    toolkit::InstallGermanTranslation(app);
    HauptModul::Main();
    return HauptModul::Arbeitsbereich != nullptr;
}
