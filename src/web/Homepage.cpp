#include "web/Homepage.h"

#include "dao/Dao.h"
#include "dao/Password.h"
#include "web/Ablage.h"
#include "web/Sammlung.h"
#include "web/Seiten.h"

#include <QDir>
#include <chrono>

namespace web {

Fehler::Fehler(const QString& meldung)
    : std::runtime_error(meldung.toStdString()), m_meldung(meldung) {}

Abgebrochen::Abgebrochen() : Fehler(QStringLiteral("Abgebrochen.")) {}

namespace {

// The collection in one state of the file: a read transaction holds it while it is read, and
// ends before any page is written, so the user's writes wait only for the reading; this
// program's own writes wait for it however long it reads (a large collection takes seconds).
// abgebrochen is asked while the engine reads: true ends the reading with Abgebrochen.
Sammlung Lesen(const QString& datenbankdatei, const std::function<bool()>& abgebrochen) {
    const dao::LongRead lang;
    try {
        const std::shared_ptr<dao::Database> db =
            dao::CreateWorkspace(QStringLiteral("Homepage"), QStringLiteral("Admin"), {})
                ->OpenDatabase(datenbankdatei, false, true, dao::PasswordConnect());
        db->SetCancel(abgebrochen);
        db->ExecuteScript("BEGIN DEFERRED");
        try {
            Sammlung s = SammlungLesen(*db);
            db->ExecuteScript("COMMIT");
            return s;
        } catch (...) {
            try {
                db->ExecuteScript("ROLLBACK");
            } catch (...) {
            }
            throw;
        }
    } catch (const dao::Error& e) {
        if (abgebrochen()) throw Abgebrochen();
        throw Fehler(QStringLiteral("Die Rezepte konnten nicht gelesen werden: ") +
                     e.Description());
    }
}

} // namespace

Ergebnis HomepageErzeugen(const QString& datenbankdatei, const QString& ordner,
                          const std::function<bool(int, int)>& weiter) {
    // While it reads, weiter is asked every 20 ms; once it said no, it is not asked again.
    bool abgebrochen = false;
    std::chrono::steady_clock::time_point gefragt{};
    const Sammlung s = Lesen(datenbankdatei, [&] {
        const auto jetzt = std::chrono::steady_clock::now();
        if (abgebrochen || !weiter || jetzt - gefragt < std::chrono::milliseconds(20))
            return abgebrochen;
        gefragt = jetzt;
        abgebrochen = !weiter(0, 0);
        return abgebrochen;
    });
    int gesamt = static_cast<int>(s.cocktails.size() + s.setups.size()) + 2;
    for (const Zutat& z : s.zutaten)
        gesamt += z.seite ? 1 : 0;
    int fertig = 0;
    const auto seite = [&] {
        ++fertig;
        if ((fertig % 200 == 0 || fertig == gesamt) && weiter && !weiter(fertig, gesamt))
            throw Abgebrochen();
    };
    if (weiter && !weiter(0, gesamt)) throw Abgebrochen();

    Ablage ablage(ordner);
    ablage.Unterordner(QStringLiteral("cocktail"));
    ablage.Unterordner(QStringLiteral("zutat"));
    ablage.Unterordner(QStringLiteral("setup"));
    ablage.Schreiben(QStringLiteral("stil.css"), Stil());
    ablage.Schreiben(QStringLiteral("index.html"), Startseite(s));
    seite();
    ablage.Schreiben(QStringLiteral("gruppen.html"), Gruppenseite(s));
    seite();
    for (const Cocktail& c : s.cocktails) {
        ablage.Schreiben(QStringLiteral("cocktail/%1.html").arg(c.nr), Cocktailseite(s, c));
        seite();
    }
    for (const Zutat& z : s.zutaten) {
        if (!z.seite) continue;
        ablage.Schreiben(QStringLiteral("zutat/%1.html").arg(z.nr), Zutatseite(s, z));
        seite();
    }
    for (const Setup& setup : s.setups) {
        ablage.Schreiben(QStringLiteral("setup/%1.html").arg(setup.nr), Setupseite(s, setup));
        seite();
    }
    ablage.Einsetzen([&] { return !weiter || weiter(fertig, gesamt); });

    Ergebnis e;
    e.seiten = fertig;
    e.startseite = QDir(ablage.Ordner()).filePath(QStringLiteral("index.html"));
    return e;
}

} // namespace web
