// Start-up: opens the database beside the program and shows the main menu. It sits above every
// window; the state the windows share is the module's lower part (src/modul/HauptModul.cpp).
#include "modul/HauptModul.h"

#include "dao/Dialect.h"
#include "dao/Password.h"
#include "menu/KqMenue.h"
#include "stock/Cocktailliste.h"
#include "stock/Rezeptbestand.h"

#include <future>
#include <memory>
#include <stdexcept>

namespace HauptModul {

namespace {

// What is read in the background once the file is open, while the user looks at the menu: the
// catalogue for the bar stock window, the table for looking up names, then the list of every
// cocktail for the viewer and the change window, on a connection of their own.
void Vorlesen(const QString& datei) {
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
            dao::PrepareNameLookUp();
            try {
                if (!eigene) throw std::runtime_error("keine Verbindung");
                namen->set_value(Cocktailliste::Lesen(*eigene));
            } catch (...) {
                namen->set_exception(std::current_exception());
            }
        });
}

} // namespace

void Main() {
    Pfad = PfadMitBackslash(Programmordner());
    Datenbankname = QStringLiteral("Cocktails.mdb");
    const QString datei = Pfad + Datenbankname;
    try {
        Arbeitsbereich =
            dao::CreateWorkspace(QStringLiteral("Cocktail"), QStringLiteral("Admin"), QString());
    } catch (const dao::Error& e) {
        NichtGeöffnet(e);
        return;
    }
    // Opening derives the file's key, which takes a while: the menu is shown meanwhile.
    ÖffnungBeginnen(
        [arbeitsbereich = Arbeitsbereich, datei] {
            return arbeitsbereich->OpenDatabase(datei, false, false, dao::PasswordConnect());
        },
        [datei] { Vorlesen(datei); });
    KqMenü::Instance().Show();
}

} // namespace HauptModul
