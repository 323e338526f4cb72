// The bar stock search from the catalogue kept in memory, held against a plain reading of the
// file record by record: on many small made-up catalogues changed at random, and while the file
// changes through this connection, another one, and the tables' definitions.

#include "stock/Rezeptbestand.h"
#include "Katalog.h"
#include "Records.h"
#include "TempDatabase.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

using namespace records;

namespace {

using Rangliste = std::vector<std::pair<int, QString>>;

// ---------------------------------------------------------------- the rule, read plainly

// Whether one ingredient line is satisfied by the setup's stock.
bool ZeileErfüllt(dao::Database& db, int zutat, int setup, bool nurGetränke) {
    const dao::Recordset z =
        db.OpenRecordset(QStringLiteral("SELECT getränk FROM zutaten WHERE nr = %1").arg(zutat));
    if (z.Eof()) return false; // the ingredient is gone: never in stock
    const bool zählt = !nurGetränke || (!z.Fields(0).IsNull() && z.Fields(0).ToBool());
    if (!zählt) return true;
    const dao::Recordset vorrat = db.OpenRecordset(
        QStringLiteral("SELECT * FROM zutatensetupvorrat WHERE setup = %1 AND zutat = %2")
            .arg(setup)
            .arg(zutat));
    return !vorrat.Eof();
}

// The cocktails the setup can mix, walking every line of every stored cocktail.
QStringList MixbarNachRegel(dao::Database& db, int setup, bool nurGetränke) {
    QStringList mixbar;
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT c.nr, c.name, d.zutat FROM cocktails c INNER JOIN zutatenliste d "
                       "ON c.nr = d.cocktail ORDER BY c.nr"));
    while (!rs.Eof()) {
        const int nr = rs.Fields(0).ToInt();
        const dao::Value name = rs.Fields(1).Get();
        bool gut = true;
        for (; !rs.Eof() && rs.Fields(0).ToInt() == nr; rs.MoveNext())
            if (gut) gut = ZeileErfüllt(db, rs.Fields(2).ToInt(), setup, nurGetränke);
        if (gut && !name.IsNull() && !name.ToText().isEmpty()) mixbar << name.ToText();
    }
    return mixbar;
}

// Ingredient names by the number of lines naming them, as the store counts and sorts them.
Rangliste GebrauchNachRegel(dao::Database& db) {
    Rangliste liste;
    dao::Recordset rs = db.OpenRecordset(QStringLiteral(
        "SELECT count(b.name), b.name FROM zutatenliste a INNER JOIN zutaten b ON a.zutat = b.nr "
        "GROUP BY b.name ORDER BY count(b.name) desc, b.name"));
    for (; !rs.Eof(); rs.MoveNext())
        if (rs.Fields(0).ToInt() > 0)
            liste.emplace_back(rs.Fields(0).ToInt(), rs.Fields(1).ToText());
    return liste;
}

Rangliste GebrauchImSpeicher(const std::shared_ptr<dao::Database>& db) {
    Rangliste liste;
    for (const Rezeptbestand::Gebrauch& g : Rezeptbestand::Instance().NachGebrauch(db))
        liste.emplace_back(g.zeilen, g.name);
    return liste;
}

std::vector<int> Nummern(dao::Database& db, const QString& statement) {
    std::vector<int> nummern;
    for (dao::Recordset rs = db.OpenRecordset(statement); !rs.Eof(); rs.MoveNext())
        nummern.push_back(rs.Fields(0).ToInt());
    return nummern;
}

// ---------------------------------------------------------------- random changes of a file

class Änderungen {
public:
    Änderungen(dao::Database& db, std::mt19937& zufall) : m_db(db), m_zufall(zufall) {}

    // Applies change number `art`; returns whether only stock and setups were touched.
    bool Anwenden(int art) {
        m_zutaten = Nummern(m_db, QStringLiteral("SELECT nr FROM zutaten"));
        m_cocktails = Nummern(m_db, QStringLiteral("SELECT nr FROM cocktails"));
        m_setups = Nummern(m_db, QStringLiteral("SELECT nr FROM zutatensetup"));
        // A switch, not a table of member pointers: GCC 12's sanitizer build calls through such
        // a table at a wrong place.
        switch (art) {
        case 0:
            return Getränkeflags(), false;
        case 1:
            return Zufallsvorrat(), true;
        case 2:
            return VorratLeeren(), true;
        case 3:
            return VorratVoll(), true;
        case 4:
            return SetupLöschen(), true;
        case 5:
            return Cocktailname(), false;
        case 6:
            return GleicherName(), false;
        case 7:
            return Zutatname(), false;
        case 8:
            return FremdeZeile(), false;
        case 9:
            return VerschwundeneZutat(), false;
        case 10:
            return DoppelteZeile(), false;
        case 11:
            return NeuerCocktail(), false;
        default:
            return NeueZutat(), false;
        }
    }
    // Setup numbers deleted so far.
    const std::vector<int>& Gelöscht() const { return m_gelöscht; }

private:
    static QByteArray Zahl(long long n) { return QByteArray::number(n); }
    int Bis(int n) { return static_cast<int>(m_zufall() % static_cast<unsigned>(n)); }
    template <class T> T Eins(const std::vector<T>& aus) {
        return aus[static_cast<std::size_t>(Bis(static_cast<int>(aus.size())))];
    }
    void Sql(const QByteArray& sql) { m_db.ExecuteScript(sql); }
    int Zutat() { return m_zutaten.empty() ? 1 : Eins(m_zutaten); }
    int Cocktail() { return m_cocktails.empty() ? 1 : Eins(m_cocktails); }
    int Setup() { return m_setups.empty() ? 1 : Eins(m_setups); }
    int Höchste(const char* tabelle) {
        const std::vector<int> n =
            Nummern(m_db, QStringLiteral("SELECT max(nr) FROM %1").arg(QString::fromUtf8(tabelle)));
        return n.empty() ? 0 : n.front();
    }

    void Getränkeflags() {
        static const char* const kWerte[] = {"NULL", "0",      "1",   "2",     "-1",
                                             "0.5",  "'Wahr'", "'0'", "'nein'"};
        for (int i = 1 + Bis(4); i > 0; --i)
            Sql(QByteArray("UPDATE zutaten SET getränk = ") + kWerte[Bis(std::size(kWerte))] +
                " WHERE nr = " + Zahl(Zutat()));
    }
    // A setup's stock anew: any ingredients, at times one that is gone; at times a new setup.
    void Zufallsvorrat() {
        int setup = Setup();
        if (Bis(3) == 0) {
            setup = Höchste("zutatensetup") + 1;
            Sql("INSERT INTO zutatensetup (nr, name) VALUES (" + Zahl(setup) + ", 'Zufall " +
                Zahl(setup) + "')");
        }
        QByteArray sql = "DELETE FROM zutatensetupvorrat WHERE setup = " + Zahl(setup) + ";\n";
        for (int zutat : m_zutaten)
            if (Bis(2) == 0)
                sql += "INSERT INTO zutatensetupvorrat (setup, zutat) VALUES (" + Zahl(setup) +
                       ", " + Zahl(zutat) + ");\n";
        if (Bis(4) == 0)
            sql += "INSERT OR IGNORE INTO zutatensetupvorrat (setup, zutat) VALUES (" +
                   Zahl(setup) + ", " + Zahl(Höchste("zutaten") + 7) + ");\n";
        Sql(sql);
    }
    void VorratLeeren() { Sql("DELETE FROM zutatensetupvorrat WHERE setup = " + Zahl(Setup())); }
    void VorratVoll() {
        Sql("INSERT OR IGNORE INTO zutatensetupvorrat (setup, zutat) SELECT " + Zahl(Setup()) +
            ", nr FROM zutaten");
    }
    // The setup and its stock go, as the setup window removes them.
    void SetupLöschen() {
        if (m_setups.size() < 2) return Zufallsvorrat();
        const int setup = Setup();
        Sql("DELETE FROM zutatensetup WHERE nr = " + Zahl(setup) +
            ";\nDELETE FROM zutatensetupvorrat WHERE setup = " + Zahl(setup));
        m_gelöscht.push_back(setup);
    }
    void Cocktailname() {
        static const char* const kNamen[] = {"NULL", "''", "' '", "'Wieder benannt'",
                                             "'Äquator Traum'"};
        Sql(QByteArray("UPDATE cocktails SET name = ") + kNamen[Bis(std::size(kNamen))] +
            " WHERE nr = " + Zahl(Cocktail()));
    }
    // The name of another ingredient, or the same in capitals.
    void GleicherName() {
        const int a = Zutat();
        const int b = Zutat();
        Sql("UPDATE zutaten SET name = (SELECT " +
            QByteArray(Bis(3) == 0 ? "upper(name)" : "name") +
            " FROM zutaten WHERE nr = " + Zahl(b) + ") WHERE nr = " + Zahl(a));
    }
    void Zutatname() {
        Sql(QByteArray("UPDATE zutaten SET name = ") + (Bis(4) == 0 ? "''" : "NULL") +
            " WHERE nr = " + Zahl(Zutat()));
    }
    // A line whose cocktail is not stored: a new number, or a cocktail removed without its lines.
    void FremdeZeile() {
        if (Bis(2) == 0 && !m_cocktails.empty()) {
            Sql("DELETE FROM cocktails WHERE nr = " + Zahl(Cocktail()));
            return;
        }
        Sql("INSERT INTO zutatenliste (cocktail, zutat, pflicht) VALUES (" +
            Zahl(Höchste("cocktails") + 1 + Bis(5)) + ", " + Zahl(Zutat()) + ", 1)");
    }
    // A line naming an ingredient that is gone: removed from the catalogue, or never there.
    void VerschwundeneZutat() {
        if (Bis(2) == 0 && !m_zutaten.empty()) {
            Sql("DELETE FROM zutaten WHERE nr = " + Zahl(Zutat()));
            return;
        }
        Sql("INSERT INTO zutatenliste (cocktail, zutat, pflicht) VALUES (" + Zahl(Cocktail()) +
            ", " + Zahl(Höchste("zutaten") + 3) + ", 1)");
    }
    void DoppelteZeile() {
        Sql("INSERT INTO zutatenliste (cocktail, zutat, menge, pflicht) SELECT cocktail, zutat, "
            "'noch einmal', 0 FROM zutatenliste WHERE _rowid_ = (SELECT _rowid_ FROM zutatenliste "
            "ORDER BY random() LIMIT 1)");
    }
    // A cocktail with none to four lines; at times numbered 0 or below.
    void NeuerCocktail() {
        const int wahl = Bis(8);
        const int nr = wahl < 2 ? 0 : wahl == 2 ? -1 - Bis(3) : Höchste("cocktails") + 1;
        QByteArray sql = "INSERT OR REPLACE INTO cocktails (nr, name) VALUES (" + Zahl(nr) +
                         ", 'Neuer Cocktail " + Zahl(nr) + "');\n";
        for (int i = Bis(5); i > 0; --i)
            sql += "INSERT INTO zutatenliste (cocktail, zutat, pflicht) VALUES (" + Zahl(nr) +
                   ", " + Zahl(Zutat()) + ", 1);\n";
        Sql(sql);
    }
    void NeueZutat() {
        const int nr = Höchste("zutaten") + 1;
        Sql("INSERT INTO zutaten (nr, name, getränk) VALUES (" + Zahl(nr) + ", 'Neue Zutat " +
            Zahl(nr) + "', " + (Bis(2) ? "1" : "0") +
            ");\nINSERT INTO zutatenliste (cocktail, "
            "zutat, pflicht) VALUES (" +
            Zahl(Cocktail()) + ", " + Zahl(nr) + ", 1)");
    }

    dao::Database& m_db;
    std::mt19937& m_zufall;
    std::vector<int> m_zutaten, m_cocktails, m_setups, m_gelöscht;

public:
    // Numbers 1 to 4 change only stock and setups.
    static constexpr int kArten = 13;
};

} // namespace

TEST(RezeptbestandTest, AgreesWithTheRecordByRecordRuleOnRandomCatalogues) {
    constexpr unsigned kSeed = 20240611;
    constexpr int kDateien = 20;
    constexpr int kRunden = 15;
    std::mt19937 zufall(kSeed);
    const auto bis = [&zufall](int n) {
        return static_cast<int>(zufall() % static_cast<unsigned>(n));
    };
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    Rezeptbestand& bestand = Rezeptbestand::Instance();

    for (int datei = 0; datei < kDateien; ++datei) {
        katalog::Umfang umfang;
        umfang.cocktails = bis(41);
        umfang.zutaten = 3 + bis(13);
        umfang.zeilenMin = 1;
        umfang.zeilenMax = 1 + bis(6);
        umfang.fehlendeZutaten = bis(3);
        umfang.gleichverteilt = bis(2) == 0;
        umfang.seed = zufall();
        SCOPED_TRACE(::testing::Message()
                     << "seed " << kSeed << ", file " << datei << " (" << umfang.cocktails
                     << " cocktails, " << umfang.zutaten << " ingredients, lines 1.."
                     << umfang.zeilenMax << ", " << umfang.fehlendeZutaten << " deleted, "
                     << (umfang.gleichverteilt ? "uniform" : "skewed") << ", catalogue seed "
                     << umfang.seed << ")");
        const QString pfad = ordner.filePath(QStringLiteral("Katalog%1.mdb").arg(datei));
        katalog::Schreiben(pfad, umfang);
        const auto db = TempDatabase::OpenFile(pfad);
        // A scratch file: no waiting for the disk after every change.
        db->ExecuteScript("PRAGMA synchronous = OFF");
        Änderungen änderungen(*db, zufall);

        // Another file: the kept catalogue of the one before must not answer.
        const int vorher = bestand.Einlesungen();
        EXPECT_EQ(GebrauchImSpeicher(db), GebrauchNachRegel(*db));
        EXPECT_EQ(bestand.Einlesungen(), vorher + 1);

        for (int runde = 0; runde <= kRunden; ++runde) {
            SCOPED_TRACE(::testing::Message() << "round " << runde);
            // Round 0 is the file as written; every change comes up in turn, now and then
            // together with another one.
            bool nurVorrat = true;
            if (runde > 0) {
                nurVorrat = änderungen.Anwenden((datei * kRunden + runde) % Änderungen::kArten);
                if (bis(3) == 0)
                    nurVorrat = änderungen.Anwenden(bis(Änderungen::kArten)) && nurVorrat;
            }
            const int einlesungen = bestand.Einlesungen();

            EXPECT_EQ(GebrauchImSpeicher(db), GebrauchNachRegel(*db));
            std::vector<int> setups = Nummern(*db, QStringLiteral("SELECT nr FROM zutatensetup"));
            setups.push_back(0);
            setups.push_back(setups.empty() ? 1
                                            : *std::max_element(setups.begin(), setups.end()) + 1);
            setups.insert(setups.end(), änderungen.Gelöscht().begin(), änderungen.Gelöscht().end());
            for (int setup : setups) {
                for (bool nurGetränke : {true, false}) {
                    SCOPED_TRACE(::testing::Message()
                                 << "setup " << setup
                                 << (nurGetränke ? ", drinks only" : ", all lines"));
                    EXPECT_EQ(bestand.Mixbar(db, setup, nurGetränke),
                              MixbarNachRegel(*db, setup, nurGetränke));
                }
            }
            // Read at most once per change, and not at all for a change of stock alone.
            if (runde > 0) {
                if (nurVorrat)
                    EXPECT_EQ(bestand.Einlesungen(), einlesungen);
                else
                    EXPECT_LE(bestand.Einlesungen(), einlesungen + 1);
            }
            if (::testing::Test::HasFailure()) return;
        }
    }
}

// Changes through the searching connection itself are the random rounds' business; here another
// run of the program writes the file, a transaction is taken back, and tables go away.
TEST(RezeptbestandTest, FollowsAnotherConnectionATransactionTakenBackAndTablesGone) {
    TempDatabase temp;
    const auto db = temp.Shared();
    dao::Database& d = *db;
    const auto andere = temp.Open();
    const int alles = Zutatensetup(d, QStringLiteral("Alles"), {});
    d.ExecuteScript("INSERT INTO zutatensetupvorrat (setup, zutat) SELECT " +
                    QByteArray::number(alles) + ", nr FROM zutaten");
    Rezeptbestand& bestand = Rezeptbestand::Instance();
    const auto mixbar = [&] { return bestand.Mixbar(db, alles, false); };
    const auto wieDieDatei = [&] {
        EXPECT_EQ(mixbar(), MixbarNachRegel(d, alles, false));
        EXPECT_EQ(GebrauchImSpeicher(db), GebrauchNachRegel(d));
    };
    wieDieDatei();

    // Each change by the other connection alters the answer; the next answer is the file's.
    Cocktail(*andere, {QStringLiteral("Von nebenan")}, {1});
    EXPECT_TRUE(mixbar().contains(QStringLiteral("Von nebenan")));
    wieDieDatei();
    andere->Execute(QStringLiteral("UPDATE zutaten SET name = \"Umbenannt\" WHERE nr = 1"));
    wieDieDatei();
    andere->Execute(QStringLiteral("DELETE FROM zutaten WHERE nr = 1"));
    EXPECT_FALSE(mixbar().contains(QStringLiteral("Von nebenan")));
    const int einlesungen = bestand.Einlesungen();
    wieDieDatei();
    EXPECT_EQ(bestand.Einlesungen(), einlesungen);

    // What a transaction stored and took back is not kept either.
    d.BeginTrans();
    Cocktail(d, {QStringLiteral("Probeschluck")}, {2});
    EXPECT_TRUE(mixbar().contains(QStringLiteral("Probeschluck")));
    d.Rollback();
    EXPECT_FALSE(mixbar().contains(QStringLiteral("Probeschluck")));
    wieDieDatei();

    // A table gone, by this connection or the other one: the call fails, again and again,
    // instead of answering from what was kept; with the table back it answers again.
    for (dao::Database* wer : {&d, andere.get()}) {
        for (const char* tabelle : {"zutatenliste", "zutaten"}) {
            const QByteArray t(tabelle);
            wer->ExecuteScript("ALTER TABLE " + t + " RENAME TO weg");
            EXPECT_THROW(mixbar(), dao::Error) << tabelle;
            EXPECT_THROW(bestand.NachGebrauch(db), dao::Error) << tabelle;
            EXPECT_THROW(bestand.Mixbar(db, alles, true), dao::Error) << tabelle;
            wer->ExecuteScript("ALTER TABLE weg RENAME TO " + t);
            wieDieDatei();
        }
    }
}

TEST(RezeptbestandTest, AFailedReadingOfOneFileLeavesNothingHalfReadForAnother) {
    TempDatabase eins;
    TempDatabase zwei;
    const auto db = eins.Shared();
    dao::Database& d = *db;
    const int alles = Zutatensetup(d, QStringLiteral("Alles"), {});
    d.ExecuteScript("INSERT INTO zutatensetupvorrat (setup, zutat) SELECT " +
                    QByteArray::number(alles) + ", nr FROM zutaten");
    const QStringList mixbar = MixbarNachRegel(d, alles, false);
    const Rangliste gebrauch = GebrauchNachRegel(d);
    ASSERT_FALSE(mixbar.isEmpty());
    ASSERT_FALSE(gebrauch.empty());
    Rezeptbestand& bestand = Rezeptbestand::Instance();
    EXPECT_EQ(bestand.Mixbar(db, alles, false), mixbar);

    // The other file lacks its lines: reading it fails half-way.
    zwei.Db().ExecuteScript("ALTER TABLE zutatenliste RENAME TO zutatenliste_weg");
    EXPECT_THROW(bestand.Mixbar(zwei.Shared(), alles, false), dao::Error);
    EXPECT_EQ(bestand.Mixbar(db, alles, false), mixbar);
    EXPECT_EQ(GebrauchImSpeicher(db), gebrauch);
}

TEST(RezeptbestandTest, ReadInTheBackgroundAsTheFileWasWhenItBegan) {
    TempDatabase temp;
    const auto db = temp.Shared();
    dao::Database& d = *db;
    const int alles = Zutatensetup(d, QStringLiteral("Alles"), {});
    d.ExecuteScript("INSERT INTO zutatensetupvorrat (setup, zutat) SELECT " +
                    QByteArray::number(alles) + ", nr FROM zutaten");
    Rezeptbestand& bestand = Rezeptbestand::Instance();

    // Read on a connection of its own; the first search takes it without reading itself.
    bestand.Vorlesen(db, [&temp] { return temp.Open(); });
    int n = bestand.Einlesungen();
    EXPECT_EQ(bestand.Mixbar(db, alles, false), MixbarNachRegel(d, alles, false));
    EXPECT_EQ(bestand.Einlesungen(), n + 1);
    EXPECT_EQ(GebrauchImSpeicher(db), GebrauchNachRegel(d));
    EXPECT_EQ(bestand.Einlesungen(), n + 1);

    // A cocktail stored while the background reading runs is not lost: the state taken when it
    // began no longer holds, so the first search reads again.
    bestand.Vorlesen(db, [&temp] { return temp.Open(); });
    Cocktail(d, {QStringLiteral("Während des Lesens")}, {1});
    EXPECT_TRUE(bestand.Mixbar(db, alles, false).contains(QStringLiteral("Während des Lesens")));

    // A background reading that fails is replaced by one in the foreground.
    Cocktail(d, {QStringLiteral("Vor dem Lesen")}, {2});
    bestand.Vorlesen(db, []() -> std::shared_ptr<dao::Database> {
        throw dao::Error(dao::errCannotOpenFile, QStringLiteral("gesperrt"));
    });
    n = bestand.Einlesungen();
    EXPECT_TRUE(bestand.Mixbar(db, alles, true).contains(QStringLiteral("Vor dem Lesen")));
    EXPECT_EQ(bestand.Mixbar(db, alles, true), MixbarNachRegel(d, alles, true));
    EXPECT_EQ(bestand.Einlesungen(), n + 1);

    // Read for another database, it is not taken for this one.
    TempDatabase andere;
    andere.MakeEmpty();
    bestand.Vorlesen(andere.Shared(), [&andere] { return andere.Open(); });
    EXPECT_EQ(bestand.Mixbar(db, alles, false), MixbarNachRegel(d, alles, false));
}
