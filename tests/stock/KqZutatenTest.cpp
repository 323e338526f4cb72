// The bar stock window and its ingredient choice dialog: the setups and their stock, the
// cocktails it can mix, adding with the error trap of adding, removing, and the ingredient to buy
// next. Which cocktails a stock can mix is held against the file in RezeptbestandTest; adding
// and removing in any case and opening the chosen cocktail in the viewer are followed through
// in BadInputTest, a locked file in DateifehlerTest, Abort of the trap in TrapTest.

#include "stock/KqZutaten.h"
#include "MsgBoxExpect.h"
#include "ProgramTest.h"
#include "Records.h"
#include "stock/KqZutatenAuswahl.h"
#include "toolkit/Controls.h"
#include "viewer/KqRezepte.h"

#include <QCheckBox>
#include <QPushButton>
#include <functional>

using namespace records;

namespace {

class KqZutatenTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        HauptModul::Datenbank = db.Shared();
    }
    // Stock rows of the setup of that name.
    int Vorrat(const QString& setup) {
        return db.Count("SELECT * FROM zutatensetupvorrat a INNER JOIN zutatensetup b ON "
                        "a.setup = b.nr WHERE b.name = " +
                        dao::Quoted(setup));
    }
    static void Zeigt(const KqZutaten& w, const QStringList& zutaten,
                      const QStringList& cocktails) {
        EXPECT_EQ(Entries(w.LZutaten()), zutaten);
        EXPECT_EQ(Entries(w.LCocktails()), cocktails);
    }
    // The trap's boxes must report failure `nummer`; the first is answered with Retry after
    // `beheben`, any other with Ignore. gefragt counts them.
    void RetryNachdem(const QString& nummer, std::function<void()> beheben) {
        gefragt = 0;
        toolkit::SetMsgBoxResponder([=, this](const QString& text, int, const QString&) {
            EXPECT_TRUE(text.contains("Nummer: " + nummer + '\r')) << text.toStdString();
            if (++gefragt == 1) beheben();
            return int(gefragt == 1 ? toolkit::vbRetry : toolkit::vbIgnore);
        });
    }

    dao::Database& d = db.Db();
    int gefragt = 0;
};

} // namespace

TEST_F(KqZutatenTest, ShowsTheFirstSetupByNameSearchesWithTheBoxAndRemovesFromTheStock) {
    db.MakeEmpty();
    const int rum = Zutat(d, QStringLiteral("Rum"), true);
    const int minze = Zutat(d, QStringLiteral("Minze"), false);
    Cocktail(d, {QStringLiteral("Rum pur")}, {rum});
    Cocktail(d, {QStringLiteral("Minzwasser")}, {minze});
    Zutatensetup(d, QStringLiteral("Zeltlager"), {rum});
    const int bar = Zutatensetup(d, QStringLiteral("Bar"), {rum, minze});
    // Loaded hidden on the first setup by name, its stock in name order.
    KqZutaten& w = KqZutaten::Instance();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Entries(w.CSetup()), (QStringList{"Bar", "Zeltlager"}));
    const QStringList beide = {"Rum pur", "Minzwasser"};
    Zeigt(w, {"Minze", "Rum"}, beide);
    // Another setup and the box search again.
    w.Show();
    w.CSetup()->SetListIndex(1);
    Zeigt(w, {"Rum"}, beide);
    QTest::mouseClick(w.AGetränke(), Qt::LeftButton);
    Zeigt(w, {"Rum"}, {"Rum pur"});
    QTest::mouseClick(w.AGetränke(), Qt::LeftButton);
    w.CSetup()->SetListIndex(0);

    // Nothing chosen: nothing removed, but the cocktail list is computed again.
    MsgBoxExpect boxes;
    w.LZutaten()->SetListIndex(-1);
    d.Execute(QStringLiteral("DELETE FROM zutatensetupvorrat WHERE zutat = %1").arg(rum));
    QTest::mouseClick(w.BEntfernen(), Qt::LeftButton);
    Zeigt(w, {"Minze", "Rum"}, {"Minzwasser"});

    // The setup renamed meanwhile: the message, the entry stays in list and stock; the search
    // finds the empty stock of a setup no longer stored.
    w.Add(QStringLiteral("Rum"));
    w.LZutaten()->SetListIndex(0);
    d.Execute(QStringLiteral("UPDATE zutatensetup SET name = \"Keller\" WHERE nr = %1").arg(bar));
    boxes.Expect(QStringLiteral("Zutatensetup nocht verfügbar!"), toolkit::vbOK);
    QTest::mouseClick(w.BEntfernen(), Qt::LeftButton);
    EXPECT_EQ(Vorrat(QStringLiteral("Keller")), 2);
    Zeigt(w, {"Minze", "Rum"}, beide);
    w.InitCocktails();
    EXPECT_EQ(Entries(w.LCocktails()), QStringList{"Minzwasser"});

    // Without a chosen cocktail Details and a double click open nothing; Info only says so.
    ASSERT_EQ(w.LCocktails()->ListIndex(), -1);
    QTest::mouseClick(w.BDetails(), Qt::LeftButton);
    w.LCocktails_DblClick();
    EXPECT_FALSE(KqRezepte::IsLoaded());
    boxes.Expect(QStringLiteral("Keine Panik! Diese Funktion ist noch nicht implementiert!"),
                 toolkit::vbOK);
    QTest::mouseClick(w.BInfo(), Qt::LeftButton);
}

TEST_F(KqZutatenTest, AddReportsFailuresAndRetryRunsTheLookUpOrTheRefreshAgain) {
    KqZutaten& w = KqZutaten::Instance();
    ASSERT_EQ(w.CSetup()->Text(), QStringLiteral("Hausbar"));
    const int vorher = Vorrat(QStringLiteral("Hausbar"));
    // An unknown name: Retry after the ingredient was entered stores it.
    RetryNachdem("3021", [this] { Zutat(d, QStringLiteral("Quittenbrand"), true); });
    w.Add(QStringLiteral("Quittenbrand"));
    EXPECT_EQ(gefragt, 1);
    // A failure inside the refresh: Retry runs the whole refresh again, the row stays single.
    d.ExecuteScript("ALTER TABLE zutatenliste RENAME TO zutatenliste_weg");
    RetryNachdem(
        "3078", [this] { d.ExecuteScript("ALTER TABLE zutatenliste_weg RENAME TO zutatenliste"); });
    w.LCocktails()->Clear();
    w.Add(QStringLiteral("Pisco"));
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(Vorrat(QStringLiteral("Hausbar")), vorher + 2);
    const QStringList vorrat = Entries(w.LZutaten());
    EXPECT_TRUE(vorrat.contains("Quittenbrand") && vorrat.contains("Pisco"))
        << vorrat.join(", ").toStdString();
    EXPECT_GT(w.LCocktails()->ListCount(), 0);
}

// The choice dialog lists the catalogue in name order and adds to the chosen setup; without a
// setup or a name nothing is stored. The window closed meanwhile is loaded again, hidden, on the
// first setup.
TEST_F(KqZutatenTest, ChoiceDialogAddsByButtonAndEnterAlsoToTheWindowClosedMeanwhile) {
    db.MakeEmpty();
    for (const char* name : {"Zitrone", "apfelsaft", "Ägäis-Ouzo"})
        Zutat(d, QString::fromUtf8(name), true);
    Cocktail(d, {QStringLiteral("Bitterwasser")}, {Zutat(d, QStringLiteral("Bitter"), false)});
    KqZutaten& w = KqZutaten::Instance();
    w.Show();
    EXPECT_EQ(w.CSetup()->ListCount() + w.LZutaten()->ListCount() + w.LCocktails()->ListCount(), 0);
    QTest::mouseClick(w.BHinzufügen(), Qt::LeftButton);
    KqZutatenAuswahl& a = *KqZutatenAuswahl::Loaded();
    EXPECT_EQ(Entries(a.CZutat()), (QStringList{"Ägäis-Ouzo", "apfelsaft", "Bitter", "Zitrone"}));
    MsgBoxExpect boxes;
    boxes.Expect(QStringLiteral("Nummer: 3021"), toolkit::vbIgnore, QStringLiteral("Fehler!"));
    boxes.Expect(QStringLiteral("Nummer: 3021"), toolkit::vbIgnore, QStringLiteral("Fehler!"));
    a.CZutat()->SetText(QStringLiteral("Bitter"));
    QTest::mouseClick(a.BHinzufügen(), Qt::LeftButton);
    Zutatensetup(d, QStringLiteral("Bar"), {});
    Zutatensetup(d, QStringLiteral("Zelt"), {});
    w.InitSetup();
    w.CSetup()->SetListIndex(1);
    a.CZutat()->SetText(QString());
    QTest::mouseClick(a.BHinzufügen(), Qt::LeftButton);
    EXPECT_EQ(db.Count(QStringLiteral("SELECT * FROM zutatensetupvorrat")), 0);

    // By Return and by Enter, each at its place in the stock list; once more: nothing happens.
    a.CZutat()->SetText(QStringLiteral("apfelsaft"));
    QTest::keyClick(a.CZutat(), Qt::Key_Return);
    a.CZutat()->SetText(QStringLiteral("Ägäis-Ouzo"));
    QTest::keyClick(a.CZutat(), Qt::Key_Enter);
    QTest::keyClick(a.CZutat(), Qt::Key_Return);
    Zeigt(w, {"Ägäis-Ouzo", "apfelsaft"}, {"Bitterwasser"});
    EXPECT_EQ(Vorrat(QStringLiteral("Zelt")), 2);

    QTest::mouseClick(w.BAbbruch(), Qt::LeftButton);
    ASSERT_FALSE(KqZutaten::IsLoaded());
    a.CZutat()->SetText(QStringLiteral("Zitrone"));
    QTest::mouseClick(a.BHinzufügen(), Qt::LeftButton);
    ASSERT_TRUE(KqZutaten::IsLoaded());
    EXPECT_FALSE(KqZutaten::Loaded()->isVisible());
    EXPECT_EQ(Entries(KqZutaten::Loaded()->LZutaten()), QStringList{"Zitrone"});
    EXPECT_EQ(Vorrat(QStringLiteral("Bar")), 1);
    QTest::mouseClick(a.BAbbrechen(), Qt::LeftButton);
    EXPECT_FALSE(KqZutatenAuswahl::IsLoaded());
}

TEST_F(KqZutatenTest, IdealIngredientIsTheMostUsedOneNotInStock) {
    db.MakeEmpty();
    // Lines: Zitrone once in each of three cocktails, Bitter three times in one, Rum five
    // times, Cola twice, Minze once.
    for (const char* zeilen : {"Zitrone Rum Cola Minze", "Zitrone Rum Rum", "Zitrone Rum Cola",
                               "Bitter Bitter Bitter Rum"}) {
        const int nr = Cocktail(d, {QString::fromUtf8(zeilen)});
        for (const QString& zutat : QString::fromUtf8(zeilen).split(u' '))
            Zutatenzeile(d, nr, zutat, {});
    }
    Zutatensetup(d, QStringLiteral("Bar"), {Catalogue(d, "zutaten", QStringLiteral("Rum"))});
    KqZutaten& w = KqZutaten::Instance();
    w.Show();
    // Clicks "Ideale Zutat": the box must hold text, or no box is shown.
    const auto ideal = [&w](const char* text) {
        MsgBoxExpect boxes;
        if (text) boxes.Expect(QString::fromUtf8(text), toolkit::vbOK);
        QTest::mouseClick(w.BIdeal(), Qt::LeftButton);
    };
    // Equal numbers: the name that sorts first; the number counts lines.
    ideal("Sie können bis zu 3 weitere Cocktails mixen, wenn Sie Bitter einkaufen!");
    // The comparison with the stock list is exact.
    w.LZutaten()->AddItem(QStringLiteral("bitter"));
    ideal("wenn Sie Bitter einkaufen!");
    w.LZutaten()->AddItem(QStringLiteral("Bitter"));
    ideal("Sie können bis zu 3 weitere Cocktails mixen, wenn Sie Zitrone einkaufen!");
    // The candidate on the last row of the ranking; then every used ingredient in stock.
    w.LZutaten()->AddItems({QStringLiteral("Zitrone"), QStringLiteral("Cola")});
    ideal("Sie können bis zu 1 weitere Cocktails mixen, wenn Sie Minze einkaufen!");
    w.LZutaten()->AddItem(QStringLiteral("Minze"));
    ideal(nullptr);
}
