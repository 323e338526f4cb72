// Start-up: opens the database beside the program and shows the main menu. It sits above every
// window; the state the windows share is the module's lower part (src/modul/HauptModul.cpp).
#include "modul/HauptModul.h"

#include "dao/Password.h"
#include "menu/KqMenue.h"
#include "stock/Rezeptbestand.h"
#include "toolkit/MsgBox.h"

#include <cstdio>

namespace HauptModul {

void Main() {
    Pfad = PfadMitBackslash(Programmordner());
    Datenbankname = QStringLiteral("Cocktails.mdb");
    try {
        Arbeitsbereich =
            dao::CreateWorkspace(QStringLiteral("Cocktail"), QStringLiteral("Admin"), QString());
        Datenbank = Arbeitsbereich->OpenDatabase(Pfad + Datenbankname, false, false,
                                                 dao::PasswordConnect());
    } catch (const dao::Error& e) {
        const QString text = QStringLiteral("Die Datenbank kann nicht geöffnet werden.\n\n"
                                            "Laufzeitfehler '%1':\n%2")
                                 .arg(e.Number())
                                 .arg(e.Description());
        std::fprintf(stderr, "Velkor: Fehler %d: %s\n", e.Number(),
                     e.Description().toLocal8Bit().constData());
        toolkit::MsgBox(text, toolkit::vbOKOnly);
        Datenbank.reset();
        Arbeitsbereich.reset();
        Ende(1);
        return;
    }
    // The catalogue for the bar stock window is read in the background meanwhile.
    const QString datei = Pfad + Datenbankname;
    Rezeptbestand::Instance().Vorlesen(Datenbank, [datei] {
        auto db = dao::CreateWorkspace({}, {}, {})
                      ->OpenDatabase(datei, false, true, dao::PasswordConnect());
        // It reads every page once: keeping them would only cost memory.
        db->ExecuteScript("PRAGMA cache_size = -256");
        return db;
    });
    KqMenü::Instance().Show();
}

} // namespace HauptModul
