// Start-up: opens the database beside the program and shows the main menu. It sits above every
// window; the state the windows share is the module's lower part (src/modul/HauptModul.cpp).
#include "modul/HauptModul.h"

#include "dao/Password.h"
#include "menu/KqMenue.h"
#include "stock/Cocktailliste.h"
#include "stock/Rezeptbestand.h"
#include "toolkit/Form.h"
#include "toolkit/MsgBox.h"

#include <cstdio>
#include <future>
#include <memory>
#include <stdexcept>

namespace HauptModul {

void Main() {
    Pfad = PfadMitBackslash(Programmordner());
    Datenbankname = QStringLiteral("Cocktails.mdb");
    try {
        Arbeitsbereich =
            dao::CreateWorkspace(QStringLiteral("Cocktail"), QStringLiteral("Admin"), QString());
        // Opening derives the file's key, which takes a while: the menu is built meanwhile.
        auto öffnen = std::async(std::launch::async, [datei = Pfad + Datenbankname] {
            return Arbeitsbereich->OpenDatabase(datei, false, false, dao::PasswordConnect());
        });
        KqMenü::Instance();
        Datenbank = öffnen.get();
    } catch (const dao::Error& e) {
        const QString text = QStringLiteral("Die Datenbank kann nicht geöffnet werden.\n\n"
                                            "Laufzeitfehler '%1':\n%2")
                                 .arg(e.Number())
                                 .arg(e.Description());
        std::fprintf(stderr, "Velkor: Fehler %d: %s\n", e.Number(),
                     e.Description().toLocal8Bit().constData());
        // The menu built meanwhile goes unseen; nothing else is loaded yet.
        toolkit::DiscardAll();
        toolkit::MsgBox(text, toolkit::vbOKOnly);
        Datenbank.reset();
        Arbeitsbereich.reset();
        Ende(1);
        return;
    }
    // The catalogue for the bar stock window is read in the background meanwhile, then the
    // list of every cocktail for the viewer and the change window.
    const QString datei = Pfad + Datenbankname;
    auto namen = std::make_shared<std::promise<Cocktailliste::Liste>>();
    Cocktailliste::Instance().Vormerken(Datenbank, namen->get_future());
    Rezeptbestand::Instance().Vorlesen(
        Datenbank,
        [datei] {
            auto db = dao::CreateWorkspace({}, {}, {})
                          ->OpenDatabase(datei, false, true, dao::PasswordConnect());
            // It reads every page once: keeping them would only cost memory.
            db->ExecuteScript("PRAGMA cache_size = -256");
            return db;
        },
        [namen](dao::Database* eigene) {
            try {
                if (!eigene) throw std::runtime_error("keine Verbindung");
                namen->set_value(Cocktailliste::Lesen(*eigene));
            } catch (...) {
                namen->set_exception(std::current_exception());
            }
        });
    KqMenü::Instance().Show();
}

} // namespace HauptModul
