#include "entry/CocktailSpeichern.h"

#include "dao/Text.h"
#include "entry/KqCocktailEingabe.h"
#include "modul/HauptModul.h"
#include "toolkit/AbortRetryIgnore.h"
#include "toolkit/Controls.h"
#include "toolkit/MsgBox.h"

#include <QChar>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>
#include <optional>
#include <vector>

namespace {

QString Zahl(int nummer) {
    return QString::number(nummer);
}

// A name as the value of a look-up: upper-cased, as a text literal, followed by one blank.
QString NameWert(const QString& name) {
    return dao::Quoted(dao::UCase(name)) + QStringLiteral(" ");
}

// The cell in column col of row row, reached the way the line dialogs write it: the row made
// current, the column chosen, the text read.
QString Zelle(toolkit::LineGrid& grid, int row, int col) {
    grid.SetRow(row);
    grid.SetCol(col);
    return grid.Text();
}

// After a name was refused: the focus in the name box, its text chosen, so that typing at once
// replaces it.
void NamenÄndern(KqCocktailEingabe& eingabe) {
    eingabe.ECocktail()->setFocus();
    eingabe.ECocktail()->selectAll();
}

// The trap of a routine that stores or deletes a cocktail: its message names what it did
// ("Abspeicherns", "Löschens") and the position p had reached.
toolkit::AbortRetryIgnore::Options Falle(const char* tätigkeit, const int& p,
                                         dao::Transaction& transaktion) {
    return {[tätigkeit, &p](int nummer, const QString& beschreibung) {
                const QChar cr(13);
                return QStringLiteral("Es trat ein Fehler während des ") +
                       QString::fromUtf8(tätigkeit) + QStringLiteral(" des Cocktails auf! ") + cr +
                       QStringLiteral("Pos: ") + Zahl(p) + QStringLiteral(" Nummer: ") +
                       Zahl(nummer) + cr + beschreibung;
            },
            {},
            [] { HauptModul::Beenden(); },
            &transaktion};
}

// One field of a record to add. A record is stored only when every field it needs (a number
// that links it) was set; a text the store refused and the user ignored is left out.
struct Feld {
    QString name;
    std::function<dao::Value()> wert;
    bool nötig = false;
};

// One run of storing. P is the position marker of the failure message: 0 while the transaction
// begins and during the duplicate check, 1 during its test, 2 for the cocktail record, 3 for the
// group look-up, 4 for the group link, 100 before the ingredient lines and 10 more for each line, 1
// more before its variation look-up and 1 more before its record; 600 and so on for the decoration
// lines.
class Speicherlauf {
public:
    Speicherlauf(KqCocktailEingabe& eingabe, dao::Database& db)
        : m_eingabe(eingabe), m_db(db), m_falle(Falle("Abspeicherns", m_p, m_transaktion)) {}

    bool Lauf();
    bool Neustart() const { return m_falle.Restart(); }
    // The cocktail being changed was deleted meanwhile (by another window or program): nothing
    // was stored.
    bool Gelöscht() const { return m_gelöscht; }

private:
    // The number in the first row a statement finds. Retry runs the whole look-up again, so a
    // catalogue entry added meanwhile counts. Nothing when the user chose Ignore.
    std::optional<int> Nachschlagen(const std::function<QString()>& abfrage);
    // Adds one record on R, opened with the statement that names its key values. True when
    // the record was stored.
    bool Hinzufügen(const QString& abfrage, const std::vector<Feld>& felder);
    // While a stored cocktail is changed: removes its records of a kind before the window's
    // are written. False when that failed and was ignored: the old ones then stay, and the
    // window's are not written.
    bool AlteEntfernen(const char* tabelle, int cocktail, const QString& bedingung = {});
    void Zutatenzeilen(int cocktail);
    void Dekozeilen(int cocktail);

    KqCocktailEingabe& m_eingabe;
    dao::Database& m_db;
    dao::Transaction m_transaktion;
    toolkit::AbortRetryIgnore m_falle;
    dao::Recordset m_r;
    int m_p = 0;
    bool m_gelöscht = false;
    // The number of the stored cocktail being changed; nothing for a new one.
    std::optional<int> m_alt = m_eingabe.Cocktailnummer();
};

bool Speicherlauf::AlteEntfernen(const char* tabelle, int cocktail, const QString& bedingung) {
    return !m_alt || m_falle.Step([&] {
        m_db.Execute(QStringLiteral("DELETE FROM ") + QString::fromUtf8(tabelle) +
                     QStringLiteral(" WHERE cocktail = ") + Zahl(cocktail) + bedingung);
    });
}

std::optional<int> Speicherlauf::Nachschlagen(const std::function<QString()>& abfrage) {
    int nummer = 0;
    const bool gefunden = m_falle.Step([&] {
        m_r = m_db.OpenRecordset(abfrage());
        m_r.MoveFirst();
        nummer = m_r.Fields(QStringLiteral("nr")).ToInt();
        m_r.Close();
    });
    if (!gefunden) return std::nullopt;
    return nummer;
}

bool Speicherlauf::Hinzufügen(const QString& abfrage, const std::vector<Feld>& felder) {
    if (!m_falle.Step([&] { m_r = m_db.OpenRecordset(abfrage); })) return false;
    bool gespeichert = false;
    if (m_falle.Step([&] { m_r.AddNew(); })) {
        bool vollständig = true;
        for (const Feld& feld : felder)
            if (!m_falle.Step([&] { m_r.Fields(feld.name) = feld.wert(); }) && feld.nötig)
                vollständig = false;
        if (vollständig) gespeichert = m_falle.Step([&] { m_r.Update(); });
    }
    m_falle.Step([&] { m_r.Close(); });
    return gespeichert;
}

bool Speicherlauf::Lauf() {
    // The transaction begins under the trap: a lock another program holds longer than the
    // store waits is reported there, and Retry tries again. Without it nothing is stored.
    m_p = 0;
    if (!m_falle.Step([&] { m_transaktion.Begin(m_db); })) return false;
    // A changed cocktail must still be stored: the write lock holds it from here on.
    if (m_alt) {
        bool da = true;
        if (!m_falle.Step([&] {
                m_r = m_db.OpenRecordset(QStringLiteral("SELECT nr FROM cocktails WHERE nr = ") +
                                         Zahl(*m_alt));
                da = !m_r.Eof();
                m_r.Close();
            }))
            return false;
        if (!da) {
            m_gelöscht = true;
            return false;
        }
    }
    // Duplicate check; a changed cocktail may keep its own name, in any case. Without it the
    // cocktail cannot be added: its record set is the place where the new record is begun.
    if (!m_falle.Step([&] {
            QString abfrage = QStringLiteral("SELECT * FROM cocktails WHERE ucase(name) = ") +
                              NameWert(m_eingabe.ECocktail()->text());
            if (m_alt) abfrage += QStringLiteral("AND nr <> ") + Zahl(*m_alt);
            m_r = m_db.OpenRecordset(abfrage);
        }))
        return false;
    m_p = 1;
    if (!m_r.Eof()) {
        toolkit::MsgBox(QStringLiteral("Ein Cocktail mit diesem Namen existiert bereits!"));
        NamenÄndern(m_eingabe);
        m_r.Close();
        return false;
    }

    // The cocktail record; its number is known from the moment it is begun. A changed one is
    // rewritten in place and keeps its number.
    m_p = 2;
    std::optional<int> cocktail;
    bool gespeichert = false;
    if (m_alt && !m_falle.Step([&] {
            m_r.Close();
            m_r = m_db.OpenRecordset(QStringLiteral("SELECT * FROM cocktails WHERE nr = ") +
                                     Zahl(*m_alt));
            m_r.MoveFirst();
        }))
        return false;
    if (m_falle.Step([&] { m_alt ? m_r.Edit() : m_r.AddNew(); })) {
        const std::vector<std::pair<const char*, QString>> texte = {
            {"name", m_eingabe.ECocktail()->text()},
            {"beschreibung", m_eingabe.EBeschreibung()->text()},
            {"zubereitung", m_eingabe.EZubereitung()->toPlainText()},
            {"bewertung", m_eingabe.EBewertung()->text()},
            {"erfinder", m_eingabe.EErfunden()->text()},
            {"url", m_eingabe.EAdresse()->text()}};
        // A changed cocktail's field whose box was not changed stays as it is stored (a Null
        // stays Null, a number a number).
        for (const auto& [feld, text] : texte)
            if (!m_eingabe.WieGeladen(feld, text))
                m_falle.Step([&] { m_r.Fields(QString::fromUtf8(feld)) = dao::Value(text); });
        m_falle.Step([&] { cocktail = m_r.Fields(QStringLiteral("nr")).ToInt(); });
        gespeichert = m_falle.Step([&] { m_r.Update(); });
    }
    m_falle.Step([&] { m_r.Close(); });
    // Without its own record nothing of the cocktail is kept.
    if (!gespeichert) return false;

    // Everything else refers to the cocktail by its number.
    if (cocktail) {
        const int c = *cocktail;
        m_p = 3;
        const bool gruppeWieGeladen = m_eingabe.WieGeladen("gruppe", m_eingabe.CGruppe()->Text());
        const std::optional<int> gruppe = gruppeWieGeladen ? std::nullopt : Nachschlagen([&] {
            return QStringLiteral("SELECT nr FROM cocktailgruppen WHERE Ucase(name) = ") +
                   NameWert(m_eingabe.CGruppe()->Text());
        });
        m_p = 4;
        // A changed cocktail's link to the group the window showed gives way to the chosen
        // one (not doubled when it was in that group already); its other groups stay.
        const std::optional<int> gezeigt = m_eingabe.Gruppennummer();
        if (gruppe && AlteEntfernen("gruppenzugehörigkeit", c,
                                    QStringLiteral(" AND (gruppe = ") + Zahl(*gruppe) +
                                        QStringLiteral(" OR gruppe = ") +
                                        Zahl(gezeigt.value_or(*gruppe)) + QStringLiteral(")")))
            Hinzufügen(QStringLiteral("SELECT * FROM gruppenzugehörigkeit WHERE gruppe = ") +
                           Zahl(*gruppe) + QStringLiteral(" AND cocktail = ") + Zahl(c),
                       {{QStringLiteral("gruppe"), [&] { return dao::Value(*gruppe); }, true},
                        {QStringLiteral("cocktail"), [c] { return dao::Value(c); }, true}});
        Zutatenzeilen(c);
        Dekozeilen(c);
    }

    // Until here nothing is visible to anyone else; a commit that fails and is ignored keeps
    // nothing.
    return m_falle.Step([&] { m_transaktion.Commit(); });
}

void Speicherlauf::Zutatenzeilen(int c) {
    m_p = 100;
    toolkit::LineGrid& grid = *m_eingabe.TZutaten();
    // Lines not changed stay as they are stored.
    if (m_eingabe.WieGeladen(grid) || !AlteEntfernen("zutatenliste", c)) return;
    const int zeilen = grid.Rows() - 2;
    for (int i = 1; i <= zeilen; ++i) {
        m_p += 10;
        const std::optional<int> zutat = Nachschlagen([&] {
            return QStringLiteral("SELECT * FROM zutaten WHERE Ucase(name) = ") +
                   NameWert(Zelle(grid, i, 1));
        });
        std::optional<int> variation = 0;
        if (!Zelle(grid, i, 3).isEmpty()) {
            m_p += 1;
            variation = Nachschlagen([&] {
                return QStringLiteral("SELECT * FROM zutaten WHERE Ucase(name) = ") +
                       NameWert(Zelle(grid, i, 3));
            });
        }
        m_p += 1;
        // A line whose ingredient or variation was not found is left out: it is not stored
        // with another ingredient's number or without its variation.
        if (!zutat || !variation) continue;
        const auto text = [&grid, i](int col) {
            return [&grid, i, col] { return dao::Value(Zelle(grid, i, col)); };
        };
        Hinzufügen(
            QStringLiteral("SELECT * FROM zutatenliste WHERE cocktail = ") + Zahl(c) +
                QStringLiteral(" AND zutat = ") + Zahl(*zutat),
            {{QStringLiteral("cocktail"), [c] { return dao::Value(c); }, true},
             {QStringLiteral("zutat"), [&] { return dao::Value(*zutat); }, true},
             {QStringLiteral("menge"), text(2)},
             {QStringLiteral("variation"), [&] { return dao::Value(*variation); }, true},
             {QStringLiteral("variationsmenge"), text(4)},
             {QStringLiteral("pflicht"),
              [&grid, i] { return dao::Value(Zelle(grid, i, 5) == QStringLiteral("Pflicht")); }},
             {QStringLiteral("beschreibung"), text(6)}});
    }
}

void Speicherlauf::Dekozeilen(int c) {
    m_p = 600;
    toolkit::LineGrid& grid = *m_eingabe.TDekoration();
    if (m_eingabe.WieGeladen(grid) || !AlteEntfernen("dekoliste", c)) return;
    const int zeilen = grid.Rows() - 2;
    for (int i = 1; i <= zeilen; ++i) {
        m_p += 10;
        const std::optional<int> deko = Nachschlagen([&] {
            return QStringLiteral("SELECT * FROM deko WHERE Ucase(name) = ") +
                   NameWert(Zelle(grid, i, 1));
        });
        m_p += 1;
        if (!deko) continue;
        Hinzufügen(QStringLiteral("SELECT * FROM dekoliste WHERE cocktail = ") + Zahl(c) +
                       QStringLiteral(" AND deko = ") + Zahl(*deko),
                   {{QStringLiteral("cocktail"), [c] { return dao::Value(c); }, true},
                    {QStringLiteral("deko"), [&] { return dao::Value(*deko); }, true},
                    {QStringLiteral("beschreibung"),
                     [&grid, i] { return dao::Value(Zelle(grid, i, 2)); }}});
    }
}

} // namespace

bool CocktailSpeichern(KqCocktailEingabe& eingabe) {
    // A cocktail without a name (or with blanks only) could not be told apart in the viewer's
    // list, nor found by the bar stock search: nothing is stored, the window keeps what was
    // typed.
    if (eingabe.ECocktail()->text().trimmed().isEmpty()) {
        toolkit::MsgBox(QStringLiteral("Bitte geben Sie einen Namen für den Cocktail ein!"));
        NamenÄndern(eingabe);
        return false;
    }
    // The transaction begins with the run; a run that ends without committing takes back all
    // it wrote. A run whose transaction a failure took back starts afresh when the user chose
    // Retry.
    for (;;) {
        {
            Speicherlauf lauf(eingabe, HauptModul::OffeneDatenbank());
            const bool gespeichert = lauf.Lauf();
            if (lauf.Neustart()) continue;
            if (!lauf.Gelöscht()) return gespeichert;
        }
        // The run has taken back its transaction: nobody waits for the file while the user
        // answers.
        if (toolkit::MsgBox(QStringLiteral("Der Cocktail „") + eingabe.ECocktail()->text() +
                                QStringLiteral("“ wurde inzwischen gelöscht. Soll er als neuer "
                                               "Cocktail gespeichert werden?"),
                            toolkit::vbYesNo) != toolkit::vbYes)
            return false;
        eingabe.NeuErfassen();
    }
}

bool CocktailLöschen(int nr) {
    dao::Database& db = HauptModul::OffeneDatenbank();
    // What refers to the cocktail first, the cocktail last; a step ignored takes back all.
    const std::pair<const char*, const char*> schritte[] = {{"gruppenzugehörigkeit", "cocktail"},
                                                            {"zutatenliste", "cocktail"},
                                                            {"dekoliste", "cocktail"},
                                                            {"cocktails", "nr"}};
    for (;;) {
        dao::Transaction transaktion;
        int p = 0;
        toolkit::AbortRetryIgnore falle(Falle("Löschens", p, transaktion));
        bool gelöscht = falle.Step([&] { transaktion.Begin(db); });
        for (const auto& [tabelle, feld] : schritte) {
            ++p;
            gelöscht = gelöscht && falle.Step([&] {
                db.Execute(QStringLiteral("DELETE FROM ") + QString::fromUtf8(tabelle) +
                           QStringLiteral(" WHERE ") + QString::fromUtf8(feld) +
                           QStringLiteral(" = ") + Zahl(nr));
            });
        }
        gelöscht = gelöscht && falle.Step([&] { transaktion.Commit(); });
        if (!falle.Restart()) return gelöscht;
    }
}
