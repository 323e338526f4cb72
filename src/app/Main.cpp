// Start-up: opens the database beside the program and shows the main menu. It sits above every
// window; the state the windows share is the module's lower part (src/modul/HauptModul.cpp).
#include "modul/HauptModul.h"

#include "app/Kennwort.h"
#include "menu/KqMenue.h"
#include "stock/Rezeptbestand.h"
#include "toolkit/MsgBox.h"

#include <cstdio>

namespace HauptModul {

void Main() {
    const QString passwort = QString::fromLatin1(Kennwort);
    Pfad = PfadMitBackslash(Programmordner());
    Datenbankname = QStringLiteral("Cocktails.mdb");
    try {
        Arbeitsbereich =
            dao::CreateWorkspace(QStringLiteral("Cocktail"), QStringLiteral("Admin"), QString());
        Datenbank = Arbeitsbereich->OpenDatabase(Pfad + Datenbankname, false, false,
                                                 QStringLiteral(";pwd=") + passwort);
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
    Rezeptbestand::Instance().Vorlesen(Datenbank, [datei, passwort] {
        auto db = dao::CreateWorkspace({}, {}, {})
                      ->OpenDatabase(datei, false, true, QStringLiteral(";pwd=") + passwort);
        // It reads every page once: keeping them would only cost memory.
        db->ExecuteScript("PRAGMA cache_size = -256");
        return db;
    });
    KqMenü::Instance().Show();
}

} // namespace HauptModul
