#include "viewer/Rezeptblatt.h"

#include "dao/Dao.h"
#include "dao/Text.h"
#include "viewer/Ausgeben.h"
#include "viewer/Blatt.h"

namespace {

constexpr int kLinks = 0;
constexpr int kZentriert = 1;

// An empty line of 9-point height.
void Leerzeile(Blatt& Ausgabe) {
    ZeileAusgeben(Ausgabe, QString(), 1, kLinks, false);
}

// Name of the ingredient with this number; empty when the catalogue no longer has it.
QString Zutatname(dao::Database& Datenbank, int nr) {
    QString name;
    dao::Recordset rs = Datenbank.OpenRecordset(
        QStringLiteral("SELECT name FROM zutaten WHERE nr = ") + QString::number(nr));
    if (!rs.Eof()) {
        rs.MoveFirst();
        name = rs.Fields(0).ToText();
    }
    rs.Close();
    return name;
}

// One line per ingredient: amount and name, the alternative, the note in brackets.
void Zutatenzeilen(Blatt& Ausgabe, dao::Database& Datenbank, int nr) {
    dao::Recordset rs = Datenbank.OpenRecordset(
        QStringLiteral("SELECT * FROM zutaten a INNER JOIN zutatenliste b ON a.nr = b.zutat ") +
        QStringLiteral("WHERE b.cocktail = ") + QString::number(nr));
    if (!rs.Eof()) {
        rs.MoveFirst();
        while (!rs.Eof()) {
            Ausgeben(Ausgabe, rs.Fields(7).ToText() + u' ' + rs.Fields(1).ToText(), 1, kLinks,
                     false);
            // Only a whole number names an alternative ingredient.
            const int variation = rs.Fields(8).Get().AsRecordNumber().value_or(0);
            if (variation > 0)
                Ausgeben(Ausgabe,
                         QStringLiteral(" oder ") + rs.Fields(9).ToText() + u' ' +
                             Zutatname(Datenbank, variation),
                         1, kLinks, false);
            const QString beschreibung = rs.Fields(11).ToText();
            if (!beschreibung.isEmpty())
                ZeileAusgeben(Ausgabe, QStringLiteral(" (") + beschreibung + u')', 1, kLinks,
                              false);
            else
                ZeileAusgeben(Ausgabe, QString(), 1, kLinks, false);
            rs.MoveNext();
        }
    }
    rs.Close();
}

// One line per decoration: its name and the note in brackets.
void Dekozeilen(Blatt& Ausgabe, dao::Database& Datenbank, int nr) {
    dao::Recordset rs = Datenbank.OpenRecordset(
        QStringLiteral("SELECT * FROM deko a INNER JOIN dekoliste b ON a.nr = b.deko ") +
        QStringLiteral("WHERE b.cocktail = ") + QString::number(nr));
    if (!rs.Eof()) {
        rs.MoveFirst();
        while (!rs.Eof()) {
            Ausgeben(Ausgabe, rs.Fields(1).ToText(), 1, kLinks, false);
            const QString beschreibung = rs.Fields(5).ToText();
            if (!beschreibung.isEmpty())
                ZeileAusgeben(Ausgabe, QStringLiteral(" (") + beschreibung + QStringLiteral(") "),
                              1, kLinks, false);
            else
                ZeileAusgeben(Ausgabe, QString(), 1, kLinks, false);
            rs.MoveNext();
        }
    }
    rs.Close();
}

} // namespace

namespace {

// Draws the first cocktail the statement finds.
std::optional<int> Zeichnen(Blatt& Ausgabe, dao::Database& Datenbank, const QString& abfrage) {
    Ausgabe.Cls();
    dao::Recordset rs = Datenbank.OpenRecordset(abfrage);
    std::optional<int> gezeichnet;
    if (!rs.Eof()) {
        rs.MoveFirst();
        // A number beyond 32 bits (the file may hold one) is named by no line the program
        // can read: such a cocktail is drawn without lines.
        const std::optional<int> nr = rs.Fields(0).Get().AsRecordNumber();
        gezeichnet = nr;

        ZeileAusgeben(Ausgabe, rs.Fields(1).ToText(), 6, kZentriert, true);
        Leerzeile(Ausgabe);
        const QString beschreibung = rs.Fields(2).ToText();
        if (!beschreibung.isEmpty()) {
            ZeileAusgeben(Ausgabe, beschreibung, 1, kLinks, true);
            Leerzeile(Ausgabe);
        }

        ZeileAusgeben(Ausgabe, QStringLiteral("Zutaten"), 2, kLinks, true);
        Leerzeile(Ausgabe);
        if (nr) Zutatenzeilen(Ausgabe, Datenbank, *nr);
        Leerzeile(Ausgabe);
        Leerzeile(Ausgabe);

        ZeileAusgeben(Ausgabe, QStringLiteral("Dekoration"), 2, kLinks, true);
        Leerzeile(Ausgabe);
        if (nr) Dekozeilen(Ausgabe, Datenbank, *nr);
        Leerzeile(Ausgabe);
        Leerzeile(Ausgabe);

        ZeileAusgeben(Ausgabe, QStringLiteral("Zubereitung"), 2, kZentriert, true);
        Leerzeile(Ausgabe);
        // A missing preparation reads as empty text.
        ZeileAusgeben(Ausgabe, rs.Fields(3).ToText(), 1, kLinks, false);
        Leerzeile(Ausgabe);

        // Rating, inventor and web address, each on its own line when present.
        for (int feld = 4; feld <= 6; ++feld)
            if (!rs.Fields(feld).IsNull())
                ZeileAusgeben(Ausgabe, rs.Fields(feld).ToText(), 1, kLinks, false);
    }
    rs.Close();
    return gezeichnet;
}

} // namespace

std::optional<int> RezeptZeichnen(Blatt& Ausgabe, dao::Database& Datenbank,
                                  const QString& Cocktail) {
    return Zeichnen(Ausgabe, Datenbank,
                    QStringLiteral("SELECT * FROM cocktails WHERE ucase(name) = ") +
                        dao::Quoted(dao::UCase(Cocktail)) + u' ');
}

std::optional<int> CocktailZeichnen(Blatt& Ausgabe, dao::Database& Datenbank, int Nummer) {
    return Zeichnen(Ausgabe, Datenbank,
                    QStringLiteral("SELECT * FROM cocktails WHERE nr = ") +
                        QString::number(Nummer));
}
