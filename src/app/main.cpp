// Velkor-DB: a cocktail recipe database for the home bar.
#include "app/HauptModul.h"
#include "toolkit/Look.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velkor-DB"));
    toolkit::InstallGermanTranslation(app);
    HauptModul::Main();
    if (!HauptModul::Datenbank) return 1; // the ending was replaced and returned
    return QApplication::exec();
}
