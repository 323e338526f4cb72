// The bar stock window: its tab order, the setups and their stock, the cocktails it can mix,
// adding and removing ingredients with the error trap of adding, opening a cocktail in the
// viewer, and the ingredient to buy next.

#include "MsgBoxExpect.h"
#include "StockTest.h"

using namespace records;
#include "dao/Dialect.h"
#include "menu/KqMenue.h"
#include "menu/ZebKnopf.h"
#include "stock/KqZutatenAuswahl.h"
#include "viewer/KqRezepte.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

using KqZutatenTest = StockTest;

const QString kHausbar = QStringLiteral("Hausbar");

} // namespace

// "Neu" is followed through in BadInputTest, "Hinzufügen" and "Abbruch" below.
TEST_F(KqZutatenTest, FromTheMenuWithTabOrderAndTheInfoNotice) {
    Start();
    QTest::mouseClick(KqMenü::Instance().BMenüKnopf(1), Qt::LeftButton);
    ASSERT_TRUE(KqZutaten::IsLoaded());
    KqZutaten& w = *KqZutaten::Loaded();
    // Choosing other setups and the drinks box reuses the translations of the first choice.
    w.CSetup()->SetListIndex(1);
    const dao::ShapeCacheCounts before = dao::ShapeCache();
    w.CSetup()->SetListIndex(2);
    w.AGetränke()->setChecked(false);
    w.CSetup()->SetListIndex(0);
    EXPECT_EQ(dao::ShapeCache().misses, before.misses);
    EXPECT_GT(dao::ShapeCache().hits, before.hits);

    ExpectTabOrder({w.LZutaten(), w.LCocktails(), w.BHinzufügen(), w.BEntfernen(), w.BInfo(),
                    w.BDetails(), w.CSetup(), w.BNeu(), w.BAbbruch(), w.BIdeal(), w.AGetränke()});

    MsgBoxExpect boxes;
    boxes.Expect(QStringLiteral("Keine Panik! Diese Funktion ist noch nicht implementiert!"),
                 toolkit::vbOK);
    QTest::mouseClick(w.BInfo(), Qt::LeftButton);
}

// Adding in any case, a duplicate passed over in silence and the refreshed lists are followed
// through in BadInputTest; here the failures.
TEST_F(KqZutatenTest, AddReportsFailuresRetryRunsTheLookUpOrRefreshAgainAbortEnds) {
    KqZutaten& w = KqZutaten::Instance();
    ASSERT_EQ(w.CSetup()->Text(), kHausbar);
    const int before = Vorrat(kHausbar);

    // An unknown name: the trap; Retry after the ingredient was entered stores it.
    int asked = 0;
    toolkit::SetMsgBoxResponder([&](const QString& text, int buttons, const QString& title) {
        ++asked;
        EXPECT_EQ(title, QStringLiteral("Fehler!"));
        EXPECT_EQ(buttons, toolkit::vbAbortRetryIgnore);
        EXPECT_TRUE(text.startsWith(QStringLiteral(
            "Es trat ein Fehler während des Abspeicherns des Cocktails auf! \rNummer: 3021\r")))
            << text.toStdString();
        if (asked == 1) Zutat(d, QStringLiteral("Quittenbrand"), true);
        return int(asked < 3 ? toolkit::vbRetry : toolkit::vbIgnore);
    });
    w.Add(QStringLiteral("Quittenbrand"));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Vorrat(kHausbar), before + 1);
    EXPECT_TRUE(Entries(w.LZutaten()).contains(QStringLiteral("Quittenbrand")));

    // A failure inside the refresh: Retry runs the whole refresh again, the row stays single.
    db.Db().ExecuteScript("ALTER TABLE zutatenliste RENAME TO zutatenliste_weg");
    asked = 0;
    toolkit::SetMsgBoxResponder([&](const QString& text, int, const QString&) {
        ++asked;
        EXPECT_TRUE(text.contains(QStringLiteral("Nummer: 3078"))) << text.toStdString();
        if (asked == 1)
            db.Db().ExecuteScript("ALTER TABLE zutatenliste_weg RENAME TO zutatenliste");
        return int(asked < 3 ? toolkit::vbRetry : toolkit::vbIgnore);
    });
    w.LCocktails()->Clear();
    w.Add(QStringLiteral("Pisco"));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Vorrat(kHausbar), before + 2);
    EXPECT_TRUE(Entries(w.LZutaten()).contains(QStringLiteral("Pisco")));
    EXPECT_GT(w.LCocktails()->ListCount(), 0);
    toolkit::SetMsgBoxResponder({});

    // Abort ends the program, and adding with it.
    MsgBoxExpect abort;
    abort.Expect(QStringLiteral("Nummer: 3021"), toolkit::vbAbort, QStringLiteral("Fehler!"));
    w.Add(QStringLiteral("Gibt es nicht"));
    EXPECT_EQ(endings, std::vector<int>{0});
    EXPECT_FALSE(HauptModul::Datenbank);
    EXPECT_EQ(db.Count(QStringLiteral("SELECT * FROM zutatensetupvorrat WHERE zutat = 0")), 0);
}

TEST_F(KqZutatenTest, AddWithoutAnySetupStoresNothingOnIgnore) {
    db.Db().Execute(QStringLiteral("DELETE FROM zutatensetupvorrat"));
    db.Db().Execute(QStringLiteral("DELETE FROM zutatensetup"));
    KqZutaten& w = KqZutaten::Instance();
    EXPECT_EQ(w.CSetup()->ListCount(), 0);
    EXPECT_EQ(w.LZutaten()->ListCount(), 0);
    EXPECT_EQ(w.LCocktails()->ListCount(), 0);

    MsgBoxExpect boxes;
    boxes.Expect(QStringLiteral("Nummer: 3021"), toolkit::vbIgnore, QStringLiteral("Fehler!"));
    w.Add(QStringLiteral("Gin"));
    EXPECT_EQ(db.Count(QStringLiteral("SELECT * FROM zutatensetupvorrat")), 0);
    EXPECT_TRUE(endings.empty());
}

TEST_F(KqZutatenTest, AddAfterClosingLoadsTheWindowHiddenOnTheFirstSetup) {
    KqZutaten& w = KqZutaten::Instance();
    w.Show();
    w.CSetup()->SetListIndex(w.CSetup()->findText(QStringLiteral("Sommerparty")));
    QTest::mouseClick(w.BHinzufügen(), Qt::LeftButton);
    QTest::mouseClick(w.BAbbruch(), Qt::LeftButton);
    ASSERT_FALSE(KqZutaten::IsLoaded());

    KqZutatenAuswahl* auswahl = KqZutatenAuswahl::Loaded();
    ASSERT_TRUE(auswahl);
    auswahl->CZutat()->SetText(QStringLiteral("Cachaça"));
    QTest::mouseClick(auswahl->BHinzufügen(), Qt::LeftButton);
    ASSERT_TRUE(KqZutaten::IsLoaded());
    KqZutaten* neu = KqZutaten::Loaded();
    EXPECT_FALSE(neu->isVisible());
    EXPECT_EQ(neu->CSetup()->Text(), kHausbar);
    EXPECT_TRUE(Entries(neu->LZutaten()).contains(QStringLiteral("Cachaça")));
    EXPECT_EQ(db.Count(QStringLiteral("SELECT * FROM zutatensetupvorrat a INNER JOIN zutaten b "
                                      "ON a.zutat = b.nr WHERE b.name = \"Cachaça\"")),
              1);
}

// Which cocktails a stock can mix is held against the file on random catalogues
// (RezeptbestandTest); here the window asks for the chosen setup, with the box, and shows the
// answer as it comes, by number.
TEST_F(KqZutatenTest, OpensOnTheFirstSetupByNameSearchesWithTheBoxAndRemovesFromTheStock) {
    db.MakeEmpty();
    const int rum = Zutat(d, QStringLiteral("Rum"), true);
    const int minze = Zutat(d, QStringLiteral("Minze"), false);
    Cocktail(d, {QStringLiteral("Rum pur")}, {rum});
    Cocktail(d, {QStringLiteral("Minzwasser")}, {minze});
    Zutatensetup(d, QStringLiteral("Zeltlager"), {rum});
    const int bar = Zutatensetup(d, QStringLiteral("Bar"), {rum, minze});
    // Loaded hidden on the first setup by name, its stock in name order and chosen from the top.
    KqZutaten& w = KqZutaten::Instance();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Entries(w.CSetup()), (QStringList{"Bar", "Zeltlager"}));
    EXPECT_EQ(w.CSetup()->ListIndex(), 0);
    EXPECT_EQ(Entries(w.LZutaten()), (QStringList{"Minze", "Rum"}));
    EXPECT_EQ(w.LZutaten()->ListIndex(), 0);
    const QStringList beide = {"Rum pur", "Minzwasser"};
    EXPECT_EQ(Entries(w.LCocktails()), beide);
    w.Show();
    w.CSetup()->SetListIndex(1);
    EXPECT_EQ(Entries(w.LZutaten()), QStringList{"Rum"});
    EXPECT_EQ(Entries(w.LCocktails()), beide);
    QTest::mouseClick(w.AGetränke(), Qt::LeftButton);
    ASSERT_FALSE(w.AGetränke()->isChecked());
    EXPECT_EQ(Entries(w.LCocktails()), QStringList{"Rum pur"});
    QTest::mouseClick(w.AGetränke(), Qt::LeftButton);
    EXPECT_EQ(Entries(w.LCocktails()), beide);
    w.CSetup()->SetListIndex(0);

    // Nothing selected: nothing removed, but the cocktail list is computed again.
    MsgBoxExpect boxes;
    w.LZutaten()->SetListIndex(-1);
    db.Db().Execute(QStringLiteral("DELETE FROM zutatensetupvorrat WHERE zutat = %1").arg(rum));
    QTest::mouseClick(w.BEntfernen(), Qt::LeftButton);
    EXPECT_EQ(Entries(w.LZutaten()), (QStringList{"Minze", "Rum"}));
    EXPECT_EQ(Entries(w.LCocktails()), QStringList{"Minzwasser"});

    // The selected entry leaves list and stock.
    w.LZutaten()->SetListIndex(0);
    QTest::mouseClick(w.BEntfernen(), Qt::LeftButton);
    EXPECT_EQ(Entries(w.LZutaten()), QStringList{"Rum"});
    EXPECT_EQ(Vorrat(QStringLiteral("Bar")), 0);

    // The setup vanished: the message, and the entry stays; the search finds an empty stock.
    w.Add(QStringLiteral("Rum"));
    ASSERT_EQ(Vorrat(QStringLiteral("Bar")), 1);
    w.LZutaten()->SetListIndex(0);
    db.Db().Execute(
        QStringLiteral("UPDATE zutatensetup SET name = \"Keller\" WHERE nr = %1").arg(bar));
    boxes.Expect(QStringLiteral("Zutatensetup nocht verfügbar!"), toolkit::vbOK);
    QTest::mouseClick(w.BEntfernen(), Qt::LeftButton);
    EXPECT_EQ(Entries(w.LZutaten()), QStringList{"Rum"});
    EXPECT_EQ(Vorrat(QStringLiteral("Keller")), 1);
    w.InitCocktails();
    EXPECT_EQ(Entries(w.LCocktails()), QStringList{"Minzwasser"});

    // The last ingredient: the stock is empty, the search runs on it.
    db.Db().Execute(
        QStringLiteral("UPDATE zutatensetup SET name = \"Bar\" WHERE nr = %1").arg(bar));
    QTest::mouseClick(w.BEntfernen(), Qt::LeftButton);
    EXPECT_EQ(w.LZutaten()->ListCount(), 0);
    EXPECT_EQ(Vorrat(QStringLiteral("Bar")), 0);
    EXPECT_EQ(Entries(w.LCocktails()), QStringList{"Minzwasser"});
}

// The viewer opening with the chosen cocktail is followed through in BadInputTest; here which
// of its two ways each click takes, and that nothing chosen opens nothing.
TEST_F(KqZutatenTest, DetailsShowsAndDoubleClickStartsTheChosenCocktailOnly) {
    KqZutaten& w = KqZutaten::Instance();
    w.Show();
    ASSERT_GT(w.LCocktails()->ListCount(), 1);
    ASSERT_EQ(w.LCocktails()->ListIndex(), -1);
    QTest::mouseClick(w.BDetails(), Qt::LeftButton);
    w.LCocktails_DblClick();
    EXPECT_TRUE(viewerCalls.empty());
    EXPECT_FALSE(KqRezepte::IsLoaded());

    w.LCocktails()->SetListIndex(1);
    const QString cocktail = w.LCocktails()->Text();
    QTest::mouseClick(w.BDetails(), Qt::LeftButton);
    w.LCocktails_DblClick();
    const std::vector<std::pair<QString, QString>> expected = {{"Anzeigen", cocktail},
                                                               {"Start", cocktail}};
    EXPECT_EQ(viewerCalls, expected);
}

TEST_F(KqZutatenTest, IdealIngredientIsTheMostUsedOneNotInStock) {
    db.MakeEmpty();
    const int rum = Zutat(d, QStringLiteral("Rum"), true);
    const int cola = Zutat(d, QStringLiteral("Cola"), true);
    const int minze = Zutat(d, QStringLiteral("Minze"), false);
    // Lines: Zitrone once in each of three cocktails, Bitter three times in one, Rum five
    // times, Cola twice, Minze once.
    const int zitrone = Zutat(d, QStringLiteral("Zitrone"), true);
    const int bitter = Zutat(d, QStringLiteral("Bitter"), false);
    Cocktail(d, {QStringLiteral("A")}, {zitrone, rum, cola, minze});
    Cocktail(d, {QStringLiteral("B")}, {zitrone, rum, rum});
    Cocktail(d, {QStringLiteral("C")}, {zitrone, rum, cola});
    Cocktail(d, {QStringLiteral("D")}, {bitter, bitter, bitter, rum});
    Zutatensetup(d, QStringLiteral("Bar"), {rum});
    KqZutaten& w = KqZutaten::Instance();
    w.Show();
    ASSERT_EQ(Entries(w.LZutaten()), QStringList{QStringLiteral("Rum")});

    MsgBoxExpect boxes;
    // Equal numbers: the name that sorts first; the number counts lines.
    boxes.Expect(QStringLiteral("Sie können bis zu 3 weitere Cocktails mixen, wenn Sie Bitter "
                                "einkaufen!"),
                 toolkit::vbOK);
    QTest::mouseClick(w.BIdeal(), Qt::LeftButton);
    // The comparison with the stock list is exact.
    w.LZutaten()->AddItem(QStringLiteral("bitter"));
    boxes.Expect(QStringLiteral("wenn Sie Bitter einkaufen!"), toolkit::vbOK);
    QTest::mouseClick(w.BIdeal(), Qt::LeftButton);
    w.LZutaten()->AddItem(QStringLiteral("Bitter"));
    boxes.Expect(QStringLiteral("Sie können bis zu 3 weitere Cocktails mixen, wenn Sie Zitrone "
                                "einkaufen!"),
                 toolkit::vbOK);
    QTest::mouseClick(w.BIdeal(), Qt::LeftButton);
    // The candidate on the last row of the ranking.
    for (const char* name : {"Zitrone", "Cola"})
        w.LZutaten()->AddItem(QString::fromUtf8(name));
    boxes.Expect(QStringLiteral("Sie können bis zu 1 weitere Cocktails mixen, wenn Sie Minze "
                                "einkaufen!"),
                 toolkit::vbOK);
    QTest::mouseClick(w.BIdeal(), Qt::LeftButton);
    // Every used ingredient in stock: nothing to say.
    w.LZutaten()->AddItem(QStringLiteral("Minze"));
    QTest::mouseClick(w.BIdeal(), Qt::LeftButton);
    EXPECT_EQ(boxes.Shown().size(), 4);
}
