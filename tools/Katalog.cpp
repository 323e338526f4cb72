#include "Katalog.h"

#include "dao/Dao.h"
#include "dao/Password.h"
#include "dao/Schema.h"

#include <QByteArray>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace katalog {

namespace {

const char* const kEigenschaften[] = {"Goldener", "Grüner",    "Süßer",  "Bitterer", "Kühler",
                                      "Roter",    "Östlicher", "Später", "Scharfer", "Blauer",
                                      "Weißer",   "Dunkler",   "Alter",  "Frischer", "Ärgerlicher"};
const char* const kArten[] = {"Sour",    "Fizz",   "Flip",    "Julep",   "Smash",  "Highball",
                              "Cobbler", "Punsch", "Äquator", "Traum",   "Daisy",  "Collins",
                              "Swizzle", "Rickey", "Toddy",   "Bramble", "Crusta", "Übermut"};
const char* const kZutatArten[] = {"Rum",     "Gin",     "Wodka",    "Likör", "Sirup", "Saft",
                                   "Brand",   "Bitter",  "Limonade", "Wein",  "Sahne", "Würze",
                                   "Whiskey", "Tequila", "Nektar",   "Püree"};
const char* const kMengen[] = {"2 cl",          "4 cl",       "1 cl",        "0,5 cl",
                               "zum Auffüllen", "1 Spritzer", "2 Teelöffel", "6 cl"};
const char* const kGruppen[] = {"Klassiker", "Sours",       "Longdrinks", "Tropisch",
                                "Prickelnd", "Alkoholfrei", "Digestif",   "Heiß",
                                "Sahnig",    "Bitter",      "Fruchtig",   "Würzig"};

template <std::size_t N> const char* Wort(const char* const (&wörter)[N], std::size_t i) {
    return wörter[i % N];
}

QByteArray Zahl(long long n) {
    return QByteArray::number(n);
}

QByteArray Text(const QByteArray& text) {
    return '\'' + text + '\'';
}

class Zufall {
public:
    explicit Zufall(unsigned seed) : m_engine(seed) {}
    // 0 ≤ result < n
    int Bis(int n) { return static_cast<int>(m_engine() % static_cast<unsigned>(n)); }
    double Anteil() { return (m_engine() >> 8) * (1.0 / 16777216.0); }
    bool Mit(double p) { return Anteil() < p; }

private:
    std::mt19937 m_engine;
};

// Ingredient 0 is the most used; a cube of a uniform number puts about half of all lines on the
// first 15 % of the ingredients.
int ZutatIndex(Zufall& z, int zutaten, bool gleichverteilt) {
    if (gleichverteilt) return z.Bis(zutaten);
    const double u = z.Anteil();
    return std::min(zutaten - 1, static_cast<int>(zutaten * u * u * u));
}

} // namespace

Inhalt Schreiben(const QString& pfad, const Umfang& umfang) {
    const int zutaten = umfang.zutaten > 0 ? umfang.zutaten : umfang.cocktails / 10 + 200;
    const int dekos = zutaten / 4 + 20;
    Zufall z(umfang.seed);
    Inhalt inhalt;
    inhalt.cocktails = umfang.cocktails;
    inhalt.zutaten = zutaten - umfang.fehlendeZutaten;

    auto db = dao::CreateWorkspace({}, {}, {})->CreateDatabase(pfad, dao::PasswordConnect());
    db->ExecuteScript("BEGIN;\n" + dao::SchemaScript());

    QByteArray sql;
    // Ingredients: nr = index + 1. About a fifth are no drinks; one in five of those has an
    // empty drink flag.
    for (int i = 0; i < zutaten; ++i) {
        const char* getränk = i % 5 != 3 ? "1" : (i % 25 == 23 ? "NULL" : "0");
        sql += "INSERT INTO zutaten (nr, name, beschreibung, alkohol, getränk) VALUES (" +
               Zahl(i + 1) + ", " +
               Text(QByteArray(Wort(kEigenschaften, i / 7)) + ' ' + Wort(kZutatArten, i) + ' ' +
                    Zahl(i + 1)) +
               ", 'Zutat zum Messen', " + (i % 3 ? "1" : "0") + ", " + getränk + ");\n";
    }
    for (int i = 0; i < dekos; ++i)
        sql += "INSERT INTO deko (nr, name) VALUES (" + Zahl(i + 1) + ", " +
               Text("Deko " + QByteArray(Wort(kArten, i)) + ' ' + Zahl(i + 1)) + ");\n";
    const int gruppen = static_cast<int>(std::size(kGruppen));
    for (int i = 0; i < gruppen; ++i)
        sql += "INSERT INTO cocktailgruppen (nr, name, beschreibung) VALUES (" + Zahl(i + 1) +
               ", " + Text(kGruppen[i]) + ", 'Gruppe zum Messen');\n";
    db->ExecuteScript(sql);
    sql.clear();

    const int zwölf = umfang.cocktails / 2 + 1;
    for (int c = 1; c <= umfang.cocktails; ++c) {
        if (sql.size() > (1 << 20)) {
            db->ExecuteScript(sql);
            sql.clear();
        }
        const QByteArray name =
            c == zwölf
                ? kZwölfZeilen.toUtf8()
                : QByteArray(Wort(kEigenschaften, static_cast<std::size_t>(z.Bis(1000)))) + ' ' +
                      Wort(kArten, static_cast<std::size_t>(z.Bis(1000))) + ' ' + Zahl(c);
        sql += "INSERT INTO cocktails (nr, name, beschreibung, zubereitung, bewertung, erfinder, "
               "url) VALUES (" +
               Zahl(c) + ", " + Text(name) +
               ", 'Ein Cocktail zum Messen', 'Alles mit Eis kräftig schütteln und in ein "
               "vorgekühltes Glas abseihen.', '" +
               Zahl(1 + z.Bis(5)) + " Sterne', 'Velkor', 'https://example.org/" + Zahl(c) + "');\n";
        sql += "INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES (" +
               Zahl(1 + z.Bis(gruppen)) + ", " + Zahl(c) + ");\n";
        const int zeilen =
            c == zwölf ? 12 : umfang.zeilenMin + z.Bis(umfang.zeilenMax - umfang.zeilenMin + 1);
        for (int l = 0; l < zeilen; ++l) {
            const int zutat = 1 + ZutatIndex(z, zutaten, umfang.gleichverteilt);
            const bool variation = z.Mit(0.1);
            sql += "INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, "
                   "pflicht) VALUES (" +
                   Zahl(c) + ", " + Zahl(zutat) + ", " +
                   Text(Wort(kMengen, static_cast<std::size_t>(z.Bis(100)))) + ", " +
                   (variation ? Zahl(1 + ZutatIndex(z, zutaten, umfang.gleichverteilt)) + ", '2 cl'"
                              : QByteArray("0, NULL")) +
                   ", " + (z.Mit(0.8) ? "1" : "0") + ");\n";
        }
        inhalt.zeilen += zeilen;
        for (int d = z.Bis(3); d > 0; --d)
            sql += "INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES (" + Zahl(c) +
                   ", " + Zahl(1 + z.Bis(dekos)) + ", 'am Glasrand');\n";
    }

    // The setups: the most used ingredients and a few others (the well-stocked bar), the few
    // most used (the emergency stock), and one without any.
    const auto setup = [&](int nr, const QString& name, int anzahl) {
        sql += "INSERT INTO zutatensetup (nr, name, beschreibung) VALUES (" + Zahl(nr) + ", " +
               Text(name.toUtf8()) + ", 'Setup zum Messen');\n";
        std::vector<bool> drin(static_cast<std::size_t>(zutaten));
        for (int i = 0; i < anzahl; ++i) {
            int zutat = i < anzahl * 2 / 3 ? i : z.Bis(zutaten);
            while (drin[static_cast<std::size_t>(zutat)])
                zutat = (zutat + 1) % zutaten;
            drin[static_cast<std::size_t>(zutat)] = true;
            sql += "INSERT INTO zutatensetupvorrat (setup, zutat) VALUES (" + Zahl(nr) + ", " +
                   Zahl(zutat + 1) + ");\n";
        }
    };
    setup(1, kSetupGross, std::max(1, zutaten * 15 / 100));
    setup(2, kSetupKlein, std::max(1, zutaten * 2 / 100));
    setup(3, QStringLiteral("Leerer Schrank"), 0);

    for (int i = 0; i < umfang.fehlendeZutaten; ++i)
        sql += "DELETE FROM zutaten WHERE nr = " + Zahl(1 + z.Bis(zutaten)) + ";\n";
    db->ExecuteScript(sql + "COMMIT;\n");
    if (umfang.fehlendeZutaten > 0) {
        dao::Recordset rs = db->OpenRecordset(QStringLiteral("SELECT count(*) FROM zutaten"));
        inhalt.zutaten = rs.Fields(0).ToInt();
    }
    db->Close();
    return inhalt;
}

} // namespace katalog
