// The bar stock search from the catalogue kept in memory, held against a plain reading of the
// file record by record, and the list of every cocktail against one read whole: on many small
// made-up catalogues changed at random, and while the file changes through another
// connection, a transaction taken back, tables gone and a reading in the background.

#include "stock/Rezeptbestand.h"
#include "Katalog.h"
#include "Records.h"
#include "TempDatabase.h"
#include "stock/Cocktailliste.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

using namespace records;
using namespace Qt::StringLiterals;

namespace {

// A whole number from 0 to below n.
int Bis(std::mt19937& zufall, qsizetype n) {
    return static_cast<int>(zufall() % static_cast<unsigned>(n));
}

// ---------------------------------------------------------------- the rule, read plainly

// The cocktails the setup can mix, walking every line of every stored cocktail with a name. A
// line is satisfied when its ingredient is still in the catalogue and either does not count
// (only drinks count and it is none) or is in the setup's stock.
QStringList MixbarNachRegel(dao::Database& db, int setup, bool nurGetränke) {
    const auto erfüllt = [&](const QString& zutat) {
        const dao::Recordset z =
            db.OpenRecordset("SELECT getränk FROM zutaten WHERE nr = " + zutat);
        if (z.Eof()) return false;
        if (nurGetränke && (z.Fields(0).IsNull() || !z.Fields(0).ToBool())) return true;
        const QString vorrat = "SELECT * FROM zutatensetupvorrat WHERE setup = %1 AND zutat = %2";
        return !db.OpenRecordset(vorrat.arg(setup).arg(zutat)).Eof();
    };
    QStringList mixbar;
    for (const QString& nr : Column(db, "SELECT nr FROM cocktails ORDER BY nr")) {
        const QString name = Column(db, "SELECT name FROM cocktails WHERE nr = " + nr).at(0);
        const QStringList zeilen =
            Column(db, "SELECT zutat FROM zutatenliste WHERE cocktail = " + nr);
        if (!name.isEmpty() && !zeilen.isEmpty() &&
            std::all_of(zeilen.begin(), zeilen.end(), erfüllt))
            mixbar << name;
    }
    return mixbar;
}

// Ingredient names by the number of lines naming them: as kept, and as the store counts and
// sorts them.
void GebrauchWieDieDatei(const std::shared_ptr<dao::Database>& db) {
    std::vector<std::pair<int, QString>> gehalten, datei;
    for (const Rezeptbestand::Gebrauch& g : Rezeptbestand::Instance().NachGebrauch(db))
        gehalten.emplace_back(g.zeilen, g.name);
    dao::Recordset rs = db->OpenRecordset(QStringLiteral(
        "SELECT count(b.name), b.name FROM zutatenliste a INNER JOIN zutaten b ON a.zutat = b.nr "
        "GROUP BY b.name ORDER BY count(b.name) desc, b.name"));
    for (; !rs.Eof(); rs.MoveNext())
        if (rs.Fields(0).ToInt() > 0)
            datei.emplace_back(rs.Fields(0).ToInt(), rs.Fields(1).ToText());
    EXPECT_EQ(gehalten, datei);
}

// ---------------------------------------------------------------- random changes of a file

// The kinds of change, each as the statements one of which is chosen; see Füllen for the
// placeholders. The first four touch only stock and setups; the fifth, sixth, ninth, eleventh
// and twelfth no ingredient.
constexpr int kNurVorrat = 4;
constexpr bool OhneZutat(int art) {
    return art < 4 || art == 5 || art == 8 || art == 10 || art == 11;
}
const std::vector<std::vector<const char*>> kÄnderungen = {
    // A setup's stock anew, one that is gone added to it, a new setup's; emptied; full.
    {"DELETE FROM zutatensetupvorrat WHERE setup = {s}; INSERT INTO zutatensetupvorrat "
     "(setup, zutat) SELECT {s}, nr FROM zutaten WHERE (nr * {r}) % 5 < 2",
     "INSERT OR IGNORE INTO zutatensetupvorrat (setup, zutat) VALUES ({s}, {Z} + 6)",
     "INSERT INTO zutatensetup (nr, name) VALUES ({S}, 'Zufall {S}'); INSERT INTO "
     "zutatensetupvorrat (setup, zutat) SELECT {S}, nr FROM zutaten WHERE (nr * {r}) % 3 = 0"},
    {"DELETE FROM zutatensetupvorrat WHERE setup = {s}"},
    {"INSERT OR IGNORE INTO zutatensetupvorrat (setup, zutat) SELECT {s}, nr FROM zutaten"},
    // The setup and its stock go, as the setup window removes them.
    {"DELETE FROM zutatensetup WHERE nr = {s}; DELETE FROM zutatensetupvorrat WHERE setup = {s}"},
    {"UPDATE zutaten SET getränk = {g} WHERE nr = {z}"},
    {"UPDATE cocktails SET name = {n} WHERE nr = {c}"},
    // The name of another ingredient, or the same in capitals; no name.
    {"UPDATE zutaten SET name = (SELECT name FROM zutaten WHERE nr = {y}) WHERE nr = {z}",
     "UPDATE zutaten SET name = (SELECT upper(name) FROM zutaten WHERE nr = {y}) WHERE nr = {z}"},
    {"UPDATE zutaten SET name = NULL WHERE nr = {z}",
     "UPDATE zutaten SET name = '' WHERE nr = {z}"},
    // A line whose cocktail is not stored: a new number, or a cocktail removed without its lines.
    {"INSERT INTO zutatenliste (cocktail, zutat, pflicht) VALUES ({C} + 2, {z}, 1)",
     "DELETE FROM cocktails WHERE nr = {c}"},
    // A line naming an ingredient that is gone: never there, or removed from the catalogue.
    {"INSERT INTO zutatenliste (cocktail, zutat, pflicht) VALUES ({c}, {Z} + 2, 1)",
     "DELETE FROM zutaten WHERE nr = {z}"},
    {"INSERT INTO zutatenliste (cocktail, zutat, menge, pflicht) SELECT cocktail, zutat, 'noch "
     "einmal', 0 FROM zutatenliste WHERE _rowid_ >= {r} % (SELECT max(_rowid_) FROM zutatenliste) "
     "LIMIT 1"},
    // A cocktail with some lines, at times numbered 0 or below.
    {"INSERT OR REPLACE INTO cocktails (nr, name) VALUES ({k}, 'Neuer Cocktail {k}'); INSERT INTO "
     "zutatenliste (cocktail, zutat, pflicht) SELECT {k}, nr, 1 FROM zutaten WHERE (nr * {r}) % 4 "
     "= 0"},
    // An ingredient on a line, at times numbered below 0.
    {"INSERT INTO zutaten (nr, name, getränk) VALUES ({Z}, 'Neue Zutat {Z}', {g}); INSERT INTO "
     "zutatenliste (cocktail, zutat, pflicht) VALUES ({c}, {Z}, 1)",
     "INSERT INTO zutaten (nr, name, getränk) VALUES (-{r}, 'Zutat -{r}', {g}); INSERT INTO "
     "zutatenliste (cocktail, zutat, pflicht) VALUES ({c}, -{r}, 1)"},
};

// Fills each placeholder of a statement with one value chosen at random: {z} and {y} a stored
// ingredient, {c} a cocktail, {s} a setup (1 when there is none), {Z}, {C} and {S} the next free
// number, {k} a new cocktail's number (at times 0 or below), {g} a drink flag of any kind of value,
// {n} a cocktail's name, {r} a whole number.
QByteArray Füllen(QByteArray sql, dao::Database& db, std::mt19937& zufall) {
    const auto nr = [&](const char* t) { return Column(db, u"SELECT nr FROM "_s + t); };
    const auto frei = [&](const char* t) {
        return Column(db, u"SELECT ifnull(max(nr), 0) + 1 FROM "_s + t);
    };
    // The choices for each placeholder; {k} first, as it may become {C}.
    const std::vector<std::pair<const char*, QStringList>> werte = {
        {"{k}", {"0", "-2", "{C}", "{C}"}},
        {"{z}", nr("zutaten")},
        {"{y}", nr("zutaten")},
        {"{c}", nr("cocktails")},
        {"{s}", nr("zutatensetup")},
        {"{Z}", frei("zutaten")},
        {"{C}", frei("cocktails")},
        {"{S}", frei("zutatensetup")},
        {"{g}", {"NULL", "0", "1", "2", "-1", "0.5", "'Wahr'", "'0'", "'nein'"}},
        {"{n}", {"NULL", "''", "' '", "'Wieder benannt'", "'Äquator Traum'"}},
        {"{r}", {QString::number(1 + Bis(zufall, 1000000))}}};
    for (const auto& [platz, aus] : werte)
        if (sql.contains(platz))
            sql.replace(platz, aus.isEmpty() ? "1" : aus.at(Bis(zufall, aus.size())).toUtf8());
    return sql;
}

// A copy of the starter file as the program's connection, with a setup holding every ingredient.
class RezeptbestandTest : public ::testing::Test {
protected:
    QStringList Mixbar() { return bestand.Mixbar(db, alles, false); }
    // Both answers are the file's.
    void WieDieDatei() {
        EXPECT_EQ(Mixbar(), MixbarNachRegel(d, alles, false));
        GebrauchWieDieDatei(db);
    }

    TempDatabase temp;
    std::shared_ptr<dao::Database> db = temp.Shared();
    dao::Database& d = *db;
    Rezeptbestand& bestand = Rezeptbestand::Instance();
    const int alles = [this] {
        const int nr = Zutatensetup(d, QStringLiteral("Alles"), {});
        d.ExecuteScript("INSERT INTO zutatensetupvorrat (setup, zutat) SELECT " +
                        QByteArray::number(nr) + ", nr FROM zutaten");
        return nr;
    }();
};

} // namespace

TEST_F(RezeptbestandTest, AgreesWithTheRecordByRecordRuleOnRandomCatalogues) {
    constexpr unsigned kSeed = 20240611;
    constexpr int kRunden = 15;
    const int arten = static_cast<int>(kÄnderungen.size());
    std::mt19937 zufall(kSeed);
    QTemporaryDir ordner;
    for (int datei = 0; datei < 20; ++datei) {
        SCOPED_TRACE(::testing::Message() << "seed " << kSeed << ", file " << datei);
        const QString pfad = ordner.filePath(QStringLiteral("Katalog%1.mdb").arg(datei));
        katalog::Schreiben(pfad, {.cocktails = Bis(zufall, 41),
                                  .zutaten = 3 + Bis(zufall, 13),
                                  .zeilenMin = 1,
                                  .zeilenMax = 1 + Bis(zufall, 6),
                                  .fehlendeZutaten = Bis(zufall, 3),
                                  .gleichverteilt = Bis(zufall, 2) == 0,
                                  .seed = static_cast<unsigned>(zufall())});
        const auto probe = TempDatabase::OpenFile(pfad);
        dao::Database& f = *probe;
        f.ExecuteScript("PRAGMA synchronous = OFF"); // a scratch file: no waiting for the disk

        for (int runde = 0; runde <= kRunden; ++runde) {
            SCOPED_TRACE(::testing::Message() << "round " << runde);
            // Round 0 is the file as written; every kind of change comes up in turn, now and
            // then together with another one.
            bool nurVorrat = runde > 0;
            bool ohneZutat = runde > 0;
            const auto ändern = [&](int art) {
                const std::vector<const char*>& sql = kÄnderungen.at(art);
                f.ExecuteScript(Füllen(sql.at(Bis(zufall, sql.size())), f, zufall));
                nurVorrat = nurVorrat && art < kNurVorrat;
                ohneZutat = ohneZutat && OhneZutat(art);
            };
            if (runde > 0) ändern((datei * kRunden + runde) % arten);
            if (runde > 0 && Bis(zufall, 3) == 0) ändern(Bis(zufall, arten));
            const int einlesungen = bestand.Einlesungen();
            Cocktailliste& liste = Cocktailliste::Instance();
            const int listenEinlesungen = liste.Einlesungen();

            GebrauchWieDieDatei(probe);
            // Every setup number from 0 to beyond the highest: stored, deleted and never stored.
            const int höchste =
                Column(f, "SELECT ifnull(max(nr), 0) FROM zutatensetup").at(0).toInt();
            for (int setup = 0; setup <= höchste + 1; ++setup)
                for (bool nurGetränke : {true, false})
                    EXPECT_EQ(bestand.Mixbar(probe, setup, nurGetränke),
                              MixbarNachRegel(f, setup, nurGetränke))
                        << "setup " << setup << (nurGetränke ? ", drinks only" : ", all lines");
            // Another file is read, the kept catalogue of the one before must not answer; after
            // a change read at most once, and not at all for a change of stock alone, nor for
            // changed cocktails and lines, which are read again one by one.
            EXPECT_GE(bestand.Einlesungen(), einlesungen + (runde == 0 ? 1 : 0));
            EXPECT_LE(bestand.Einlesungen(), einlesungen + (nurVorrat || ohneZutat ? 0 : 1));
            // The list of every cocktail, kept and brought up to date, as read whole.
            const Cocktailliste::Liste gelesen = Cocktailliste::Lesen(f);
            EXPECT_EQ(liste.Aktuell(probe).namen, gelesen.namen);
            EXPECT_EQ(liste.Aktuell(probe).nummern, gelesen.nummern);
            EXPECT_EQ(liste.Einlesungen(), listenEinlesungen + (runde == 0 ? 1 : 0));
            if (::testing::Test::HasFailure()) return;
        }
    }
}

// Changes through the searching connection itself are the random rounds' business; here another
// run of the program writes the file, a transaction is taken back and tables go away.
TEST_F(RezeptbestandTest, FollowsAnotherConnectionATransactionTakenBackAndTablesGone) {
    const auto andere = temp.Open();
    WieDieDatei();
    Cocktail(*andere, {QStringLiteral("Von nebenan")}, {1});
    WieDieDatei();
    andere->Execute(QStringLiteral("DELETE FROM zutaten WHERE nr = 1"));
    WieDieDatei();

    // What a transaction stored and took back is not kept either, nor what a nested one took
    // back while the outer one goes on.
    for (const int tiefe : {1, 2}) {
        for (int i = 0; i < tiefe; ++i)
            d.BeginTrans();
        Cocktail(d, {QStringLiteral("Probeschluck")}, {2});
        WieDieDatei();
        d.Rollback();
        WieDieDatei();
        if (tiefe == 2) d.Rollback();
    }

    // A table gone, by this connection or the other one: the call fails, again and again,
    // instead of answering from what was kept; with the table back it answers again.
    for (dao::Database* wer : {&d, andere.get()}) {
        for (const QByteArray t : {"zutatenliste", "zutaten"}) {
            wer->ExecuteScript("ALTER TABLE " + t + " RENAME TO weg");
            EXPECT_THROW(Mixbar(), dao::Error) << t.toStdString();
            EXPECT_THROW(bestand.NachGebrauch(db), dao::Error) << t.toStdString();
            wer->ExecuteScript("ALTER TABLE weg RENAME TO " + t);
            WieDieDatei();
        }
    }
}

TEST_F(RezeptbestandTest, ReadInTheBackgroundAsTheFileWasWhenItBegan) {
    const auto eigene = [this] { return temp.Open(); };
    // Read on a connection of its own; the first search takes it without reading itself.
    bestand.Vorlesen(db, eigene);
    int n = bestand.Einlesungen();
    WieDieDatei();
    EXPECT_EQ(bestand.Einlesungen(), n + 1);

    // A cocktail stored while the background reading runs is not lost: the state taken when it
    // began no longer holds, so the first search reads again.
    bestand.Vorlesen(db, eigene);
    Cocktail(d, {QStringLiteral("Während des Lesens")}, {1});
    WieDieDatei();

    // A background reading that fails leaves what was read before, brought up to date in the
    // foreground.
    Cocktail(d, {QStringLiteral("Vor dem Lesen")}, {2});
    bestand.Vorlesen(db, []() -> std::shared_ptr<dao::Database> {
        throw dao::Error(dao::errCannotOpenFile, QStringLiteral("gesperrt"));
    });
    WieDieDatei();

    // Read for another database, it is not taken for this one.
    TempDatabase andere;
    andere.MakeEmpty();
    bestand.Vorlesen(andere.Shared(), [&andere] { return andere.Open(); });
    WieDieDatei();
}
