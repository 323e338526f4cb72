#include "ZufallsDatei.h"

#include "TempDatabase.h"
#include "dao/Schema.h"

#include <random>

namespace zufallsdatei {

namespace {

class Zufall {
public:
    explicit Zufall(std::uint64_t keim) : m_gen(keim) {}
    int Bis(int n) { return static_cast<int>(m_gen() % static_cast<std::uint64_t>(n)); } // 0..n-1
    bool Mal(int prozent) { return Bis(100) < prozent; }
    std::uint64_t Roh() { return m_gen(); }
    template <class T, std::size_t N> const T& Eins(const T (&aus)[N]) { return aus[Bis(N)]; }

private:
    std::mt19937_64 m_gen;
};

QByteArray Hex(const QByteArray& bytes) {
    return "x'" + bytes.toHex() + "'";
}

QByteArray Bytes(Zufall& z, int höchstens) {
    QByteArray roh;
    for (int i = z.Bis(höchstens); i > 0; --i)
        roh += static_cast<char>(z.Bis(256));
    return roh;
}

// clang-format off
const char* const kGanzzahlen[] = {"0", "1", "-1", "-2", "-3", "-5", "2", "7", "-500000000",
    "2147483647", "2147483648", "-2147483648", "-2147483649", "4294967296", "9007199254740993",
    "9223372036854775807", "9223372036854775806", "-9223372036854775807",
    "(-9223372036854775807 - 1)"}; // the most negative, written as the engine reads it
const char* const kReelle[] = {"0.0", "-0.0", "1.5", "3.0", "-1e308", "1e308", "2147483648.0",
    "1e19", "-7.25", "0.1"};
const char* const kTexte[] = {"", " ", "Gin", "gin", "Wodka", "Zitronensaft", "Wahr", "1", "-1",
    "12abc", "7", "Süße Grüße", "STRASSE", "Straße", "Dr. \"Doc\" Sour", "it's", "[x]", "50%",
    "*?#\\", "  Gin  ", "Rum, weiß", "0,5 cl", "Pflicht", "NULL"};
// Control characters, line breaks, emoji, right-to-left, combining marks, a no-break space.
const char* const kBesondere[] = {"a\x01" "b", "Zeile 1\r\nZeile 2\rZeile 3\n",
    "\xF0\x9F\x8D\xB9 Cocktail", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D", "e\xCC\x81\xCC\x81\xCC\x81",
    "\t\t", "\xC2\xA0"};
// The nine tables, catalogues first; a column's kind: k the key, a digit a reference to the
// table of that index, z a number that is 0 or such a reference, j yes/no, t text.
const char* const kTabellen[] = {
    "cocktails nr:k name:t beschreibung:t zubereitung:t bewertung:t erfinder:t url:t",
    "cocktailgruppen nr:k name:t beschreibung:t",
    "zutaten nr:k name:t beschreibung:t alkohol:j getränk:j",
    "deko nr:k name:t beschreibung:t",
    "zutatensetup nr:k name:t beschreibung:t",
    "gruppenzugehörigkeit gruppe:1 cocktail:0",
    "zutatenliste cocktail:0 zutat:2 menge:t variation:z2 variationsmenge:t pflicht:j beschreibung:t",
    "dekoliste cocktail:0 deko:3 beschreibung:t",
    "zutatensetupvorrat setup:4 zutat:2"};
const int kHöchstens[] = {25, 5, 30, 10, 4, 20, 80, 30, 40}; // records per table
// clang-format on

QByteArray Ganzzahl(Zufall& z) {
    return z.Mal(10) ? QByteArray::number(static_cast<qint64>(z.Roh()))
                     : QByteArray(z.Eins(kGanzzahlen));
}

// A text literal of any content: readable ones as they are, others through their UTF-8 bytes
// (which may be no valid UTF-8 at all, a NUL among them), very long ones computed by the engine.
QByteArray Text(Zufall& z) {
    const auto text = [](const QByteArray& bytes) { return "CAST(" + Hex(bytes) + " AS TEXT)"; };
    switch (z.Bis(8)) {
    case 0:
        return text(z.Eins(kBesondere));
    case 1: {
        QByteArray roh = Bytes(z, 13);
        if (z.Mal(30)) roh.insert(z.Bis(roh.size() + 1), '\0');
        return text(roh);
    }
    case 2: {
        if (z.Mal(20)) return "printf('%.*c', 100000, 'W')";
        const QByteArray stück = z.Mal(50) ? QByteArray("Ü") : QByteArray("Wort ");
        return text(stück.repeated(1 + z.Bis(3000 / stück.size())));
    }
    default:
        return "'" + QByteArray(z.Eins(kTexte)).replace("'", "''") + "'";
    }
}

// A value of any kind.
QByteArray Beliebig(Zufall& z) {
    switch (z.Bis(5)) {
    case 0:
        return "NULL";
    case 1:
        return Ganzzahl(z);
    case 2:
        return z.Eins(kReelle);
    case 3:
        return Text(z);
    default:
        return z.Mal(15) ? "zeroblob(" + QByteArray::number(z.Bis(5000)) + ")" : Hex(Bytes(z, 9));
    }
}

} // namespace

QByteArray Füllung(std::uint64_t keim) {
    Zufall z(keim);
    int anzahl[std::size(kTabellen)];
    for (std::size_t t = 0; t < std::size(kTabellen); ++t)
        anzahl[t] = z.Mal(12) ? 0 : z.Bis(kHöchstens[t] + 1);

    QByteArray sql;
    for (std::size_t t = 0; t < std::size(kTabellen); ++t) {
        QByteArrayList spalten = QByteArray(kTabellen[t]).split(' ');
        const QByteArray tabelle = spalten.takeFirst();
        for (int r = 0; r < anzahl[t]; ++r) {
            QByteArrayList namen, werte;
            for (const QByteArray& spalte : spalten) {
                const QByteArray name = spalte.left(spalte.indexOf(':'));
                const QByteArray art = spalte.mid(name.size() + 1);
                const bool üblich = z.Mal(70);
                namen << name;
                if (art == "k") // whole numbers only; Null lets the engine count on
                    werte << (üblich ? QByteArray("NULL") : Ganzzahl(z));
                else if (art == "j")
                    werte << (üblich ? QByteArray::number(z.Bis(2)) : Beliebig(z));
                else if (art == "t")
                    werte << (üblich ? Text(z) : Beliebig(z));
                else if (art.startsWith('z') && z.Mal(40))
                    werte << "0";
                else
                    werte << (üblich ? QByteArray::number(1 + z.Bis(anzahl[art.back() - '0'] + 2))
                                     : Beliebig(z));
            }
            sql += "INSERT INTO " + tabelle + " (" + namen.join(", ") + ") VALUES (" +
                   werte.join(", ") + ");\n";
        }
    }
    // Some files come from the first version of the tables: the program upgrades them.
    if (z.Mal(15)) sql += "PRAGMA user_version = 0;\n";
    return sql;
}

void Schreiben(const QString& path, const QByteArray& füllung) {
    auto db = dao::CreateWorkspace({}, {}, {})->CreateDatabase(path, TempDatabase::Connect());
    db->ExecuteScript(dao::SchemaScript());
    // Each statement alone: one the engine refuses (a number taken twice, say) is passed over.
    db->ExecuteScript("BEGIN");
    for (const QByteArray& zeile : füllung.split('\n')) {
        try {
            if (!zeile.trimmed().isEmpty() && !zeile.startsWith("--")) db->ExecuteScript(zeile);
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
