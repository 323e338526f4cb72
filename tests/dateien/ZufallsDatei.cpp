#include "ZufallsDatei.h"

#include "TempDatabase.h"
#include "dao/Schema.h"

#include <QList>
#include <limits>
#include <random>
#include <vector>

namespace zufallsdatei {

namespace {

class Zufall {
public:
    explicit Zufall(std::uint64_t keim) : m_gen(keim) {}
    // 0 .. n-1
    int Bis(int n) { return static_cast<int>(m_gen() % static_cast<std::uint64_t>(n)); }
    bool Mal(int prozent) { return Bis(100) < prozent; }
    std::uint64_t Roh() { return m_gen(); }

private:
    std::mt19937_64 m_gen;
};

QByteArray Hex(const QByteArray& bytes) {
    return "x'" + bytes.toHex() + "'";
}

QByteArray Ganzzahl(Zufall& z) {
    constexpr qint64 kMin = std::numeric_limits<qint64>::min();
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    static const qint64 kWerte[] = {0,
                                    1,
                                    -1,
                                    -2,
                                    -3,
                                    -5,
                                    2,
                                    7,
                                    -500000000,
                                    2147483647,
                                    2147483648LL,
                                    -2147483648LL,
                                    -2147483649LL,
                                    4294967296LL,
                                    9007199254740993LL,
                                    kMax,
                                    kMax - 1,
                                    kMin + 1};
    if (z.Mal(10)) return QByteArray::number(static_cast<qint64>(z.Roh()));
    if (z.Mal(5))
        return "(-9223372036854775807 - 1)"; // the most negative, written as the engine reads it
    return QByteArray::number(kWerte[z.Bis(std::size(kWerte))]);
}

QByteArray Reell(Zufall& z) {
    static const char* const kWerte[] = {"0.0",   "-0.0",         "1.5",  "3.0",   "-1e308",
                                         "1e308", "2147483648.0", "1e19", "-7.25", "0.1"};
    return kWerte[z.Bis(std::size(kWerte))];
}

// A text literal of any content: readable ones as they are, others through their UTF-8 bytes
// (which may be no valid UTF-8 at all), very long ones computed by the engine.
QByteArray Text(Zufall& z) {
    static const char* const kWerte[] = {"",        " ",       "Gin",
                                         "gin",     "Wodka",   "Zitronensaft",
                                         "Wahr",    "1",       "-1",
                                         "12abc",   "7",       "Süße Grüße",
                                         "STRASSE", "Straße",  "Dr. \"Doc\" Sour",
                                         "it's",    "[x]",     "50%",
                                         "*?#\\",   "  Gin  ", "Rum, weiß",
                                         "0,5 cl",  "Pflicht", "NULL"};
    switch (z.Bis(8)) {
    case 0: {
        // Control characters, a NUL, line breaks, emoji, right-to-left, combining marks.
        static const char* const kBesondere[] = {"a\x01"
                                                 "b",
                                                 "Zeile 1\r\nZeile 2\rZeile 3\n",
                                                 "\xF0\x9F\x8D\xB9 Cocktail",
                                                 "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D",
                                                 "e\xCC\x81\xCC\x81\xCC\x81",
                                                 "\t\t",
                                                 "\xC2\xA0"};
        return "CAST(" + Hex(QByteArray(kBesondere[z.Bis(std::size(kBesondere))])) + " AS TEXT)";
    }
    case 1: {
        // Bytes that are no UTF-8, a NUL among them.
        QByteArray roh;
        for (int i = z.Bis(12); i >= 0; --i)
            roh += static_cast<char>(z.Bis(256));
        if (z.Mal(30)) roh.insert(z.Bis(roh.size() + 1), '\0');
        return "CAST(" + Hex(roh) + " AS TEXT)";
    }
    case 2: {
        // Very long ones by the engine (a character repeated), long ones written out.
        if (z.Mal(20)) return "printf('%.*c', 100000, 'W')";
        const QByteArray stück = z.Mal(50) ? QByteArray("Ü") : QByteArray("Wort ");
        return "CAST(" + Hex(stück.repeated(1 + z.Bis(3000 / stück.size()))) + " AS TEXT)";
    }
    default: {
        QByteArray t = kWerte[z.Bis(std::size(kWerte))];
        return "'" + t.replace("'", "''") + "'";
    }
    }
}

QByteArray Blob(Zufall& z) {
    if (z.Mal(15)) return "zeroblob(" + QByteArray::number(z.Bis(5000)) + ")";
    QByteArray roh;
    for (int i = z.Bis(9); i > 0; --i)
        roh += static_cast<char>(z.Bis(256));
    return Hex(roh);
}

// A value of any kind.
QByteArray Beliebig(Zufall& z) {
    switch (z.Bis(5)) {
    case 0:
        return "NULL";
    case 1:
        return Ganzzahl(z);
    case 2:
        return Reell(z);
    case 3:
        return Text(z);
    default:
        return Blob(z);
    }
}

enum class Art { Schlüssel, Verweis, Zahl, JaNein, Text };

struct Spalte {
    const char* name;
    Art art;
    int tabelle = -1; // the table a Verweis points at
};

struct Tabelle {
    const char* name;
    std::vector<Spalte> spalten;
};

// The nine tables; a Verweis names the index of the table whose numbers it takes.
const std::vector<Tabelle>& Tabellen() {
    static const std::vector<Tabelle> t = {
        {"cocktails",
         {{"nr", Art::Schlüssel},
          {"name", Art::Text},
          {"beschreibung", Art::Text},
          {"zubereitung", Art::Text},
          {"bewertung", Art::Text},
          {"erfinder", Art::Text},
          {"url", Art::Text}}},
        {"cocktailgruppen",
         {{"nr", Art::Schlüssel}, {"name", Art::Text}, {"beschreibung", Art::Text}}},
        {"zutaten",
         {{"nr", Art::Schlüssel},
          {"name", Art::Text},
          {"beschreibung", Art::Text},
          {"alkohol", Art::JaNein},
          {"getränk", Art::JaNein}}},
        {"deko", {{"nr", Art::Schlüssel}, {"name", Art::Text}, {"beschreibung", Art::Text}}},
        {"zutatensetup",
         {{"nr", Art::Schlüssel}, {"name", Art::Text}, {"beschreibung", Art::Text}}},
        {"gruppenzugehörigkeit", {{"gruppe", Art::Verweis, 1}, {"cocktail", Art::Verweis, 0}}},
        {"zutatenliste",
         {{"cocktail", Art::Verweis, 0},
          {"zutat", Art::Verweis, 2},
          {"menge", Art::Text},
          {"variation", Art::Zahl, 2},
          {"variationsmenge", Art::Text},
          {"pflicht", Art::JaNein},
          {"beschreibung", Art::Text}}},
        {"dekoliste",
         {{"cocktail", Art::Verweis, 0}, {"deko", Art::Verweis, 3}, {"beschreibung", Art::Text}}},
        {"zutatensetupvorrat", {{"setup", Art::Verweis, 4}, {"zutat", Art::Verweis, 2}}},
    };
    return t;
}

} // namespace

QByteArray Füllung(std::uint64_t keim) {
    Zufall z(keim);
    const auto& tabellen = Tabellen();
    std::vector<int> anzahl(tabellen.size());
    // Catalogues first, so that most lines point at records that exist.
    static const int kHöchstens[] = {25, 5, 30, 10, 4, 20, 80, 30, 40};
    for (std::size_t t = 0; t < tabellen.size(); ++t)
        anzahl[t] = z.Mal(12) ? 0 : z.Bis(kHöchstens[t] + 1);

    QByteArray sql;
    for (std::size_t t = 0; t < tabellen.size(); ++t) {
        const Tabelle& tabelle = tabellen[t];
        for (int r = 0; r < anzahl[t]; ++r) {
            QByteArrayList namen, werte;
            for (const Spalte& s : tabelle.spalten) {
                namen << s.name;
                const bool üblich = z.Mal(70);
                QByteArray wert;
                switch (s.art) {
                case Art::Schlüssel:
                    // The key takes whole numbers only; Null lets the engine count on.
                    wert = üblich ? QByteArray("NULL") : Ganzzahl(z);
                    break;
                case Art::Verweis:
                case Art::Zahl:
                    if (s.art == Art::Zahl && z.Mal(40))
                        wert = "0";
                    else
                        wert = üblich ? QByteArray::number(1 + z.Bis(anzahl[s.tabelle] + 2))
                                      : Beliebig(z);
                    break;
                case Art::JaNein:
                    wert = üblich ? QByteArray::number(z.Bis(2)) : Beliebig(z);
                    break;
                case Art::Text:
                    wert = üblich ? Text(z) : Beliebig(z);
                    break;
                }
                werte << wert;
            }
            sql += "INSERT INTO " + QByteArray(tabelle.name) + " (" + namen.join(", ") +
                   ") VALUES (" + werte.join(", ") + ");\n";
        }
    }
    // Some files come from the first version of the tables: the program upgrades them.
    if (z.Mal(15)) sql += "PRAGMA user_version = 0;\n";
    return sql;
}

void Schreiben(const QString& path, const QByteArray& füllung) {
    auto db = dao::CreateWorkspace({}, {}, {})->CreateDatabase(path, TempDatabase::Connect());
    db->ExecuteScript(dao::SchemaScript());
    db->ExecuteScript("BEGIN");
    for (const QByteArray& zeile : füllung.split('\n')) {
        if (zeile.trimmed().isEmpty() || zeile.startsWith("--")) continue;
        try {
            db->ExecuteScript(zeile);
        } catch (const dao::Error&) {
        }
    }
    try {
        // A statement that ran out of numbers takes the transaction back; the rest ran alone.
        db->ExecuteScript("COMMIT");
    } catch (const dao::Error&) {
    }
}

} // namespace zufallsdatei
