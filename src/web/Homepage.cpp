#include "web/Homepage.h"

#include "dao/Dao.h"
#include "dao/Password.h"
#include "web/Ablage.h"
#include "web/Sammlung.h"
#include "web/Seiten.h"

#include <QDir>

namespace web {

Fehler::Fehler(const QString& meldung)
    : std::runtime_error(meldung.toStdString()), m_meldung(meldung) {}

Abgebrochen::Abgebrochen() : Fehler(QStringLiteral("Abgebrochen.")) {}

namespace {

// The collection in one state of the file: a read transaction holds it while it is read, and
// ends before any page is written, so the user's writes wait only for the reading.
Sammlung Lesen(const QString& datenbankdatei) {
    try {
        const std::shared_ptr<dao::Database> db =
            dao::CreateWorkspace(QStringLiteral("Homepage"), QStringLiteral("Admin"), {})
                ->OpenDatabase(datenbankdatei, false, true, dao::PasswordConnect());
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
        throw Fehler(QStringLiteral("Die Rezepte konnten nicht gelesen werden: ") +
                     e.Description());
    }
}

} // namespace

Ergebnis HomepageErzeugen(const QString& datenbankdatei, const QString& ordner,
                          const std::function<bool(int, int)>& weiter) {
    const Sammlung s = Lesen(datenbankdatei);
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
    ablage.Einsetzen();

    Ergebnis e;
    e.seiten = fertig;
    e.startseite = QDir(ablage.Ordner()).filePath(QStringLiteral("index.html"));
    return e;
}

} // namespace web
