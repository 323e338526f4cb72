// Which cocktails a setup can mix, and which ingredient to buy next, on a small hand-made
// catalogue.

#include "MsgBoxExpect.h"
#include "StockTest.h"

using namespace records;

#include <QCheckBox>
#include <QPushButton>

namespace {

class MixbarTest : public StockTest {
protected:
    void SetUp() override {
        StockTest::SetUp();
        db.MakeEmpty();
        rum = Zutat(d, QStringLiteral("Rum"), true);
        cola = Zutat(d, QStringLiteral("Cola"), true);
        limette = Zutat(d, QStringLiteral("Limette"), false);
        minze = Zutat(d, QStringLiteral("Minze"), false);
        würzlikör = Zutat(d, QStringLiteral("Würzlikör"));
        geist = Zutat(d, QStringLiteral("Geist"), true);
    }

    KqZutaten& Fenster() {
        KqZutaten& w = KqZutaten::Instance();
        w.Show();
        return w;
    }
    // Chooses the setup of that name as the user would.
    void Wähle(KqZutaten& w, const QString& setup) {
        w.CSetup()->SetListIndex(w.CSetup()->findText(setup));
    }

    int rum = 0, cola = 0, limette = 0, minze = 0, würzlikör = 0, geist = 0;
};

} // namespace

TEST_F(MixbarTest, RuleForTickedAndUntickedBoxInCocktailNumberOrder) {
    // Numbers in another order than names; the lines of the first cocktail stored last.
    const int zombie = Cocktail(d, {QStringLiteral("Zombie")}, {});
    Cocktail(d, {QStringLiteral("Cuba Libre")}, {rum, limette, cola});
    Cocktail(d, {QStringLiteral("Optional Cola")}, {rum, cola}, cola);
    Cocktail(d, {QStringLiteral("Alkoholfreie Minze")}, {minze, limette});
    Cocktail(d, {QStringLiteral("Ohne Zeilen")}, {});
    Cocktail(d, {QStringLiteral("Geisterdrink")}, {rum, geist});
    Cocktail(d, {QStringLiteral("Rum pur")}, {rum});
    Zeile(d, zombie, rum);
    Zeile(d, zombie, würzlikör);
    db.Db().Execute(QStringLiteral("DELETE FROM zutaten WHERE name = \"Geist\""));
    Zutatensetup(d, QStringLiteral("Rumbar"), {rum, limette, minze});
    Zutatensetup(d, QStringLiteral("Leer"), {});
    Zutatensetup(d, QStringLiteral("Voll"), {rum, cola, limette, minze, würzlikör});

    KqZutaten& w = Fenster();
    ASSERT_EQ(w.CSetup()->Text(), QStringLiteral("Leer"));
    // An empty stock: with the box ticked only cocktails without a counting line.
    EXPECT_EQ(Entries(w.LCocktails()), QStringList{QStringLiteral("Alkoholfreie Minze")});

    // Null drink flag does not count; the optional Cola line counts; the missing ingredient is
    // not in stock; the cocktail after a failed one and the last one are judged afresh.
    Wähle(w, QStringLiteral("Rumbar"));
    const QStringList ticked = {QStringLiteral("Zombie"), QStringLiteral("Alkoholfreie Minze"),
                                QStringLiteral("Rum pur")};
    EXPECT_EQ(Entries(w.LCocktails()), ticked);

    // Unticked every line counts; ticking again gives the first list back.
    QTest::mouseClick(w.AGetränke(), Qt::LeftButton);
    ASSERT_FALSE(w.AGetränke()->isChecked());
    EXPECT_EQ(Entries(w.LCocktails()),
              (QStringList{QStringLiteral("Alkoholfreie Minze"), QStringLiteral("Rum pur")}));
    QTest::mouseClick(w.AGetränke(), Qt::LeftButton);
    EXPECT_EQ(Entries(w.LCocktails()), ticked);

    // Everything but the vanished ingredient in stock, box unticked.
    w.AGetränke()->setChecked(false);
    Wähle(w, QStringLiteral("Voll"));
    EXPECT_EQ(Entries(w.LCocktails()),
              (QStringList{QStringLiteral("Zombie"), QStringLiteral("Cuba Libre"),
                           QStringLiteral("Optional Cola"), QStringLiteral("Alkoholfreie Minze"),
                           QStringLiteral("Rum pur")}));
    // The empty stock unticked mixes nothing: the earlier result is not kept.
    Wähle(w, QStringLiteral("Leer"));
    EXPECT_EQ(w.LCocktails()->ListCount(), 0);
}

TEST_F(MixbarTest, MissingLastLineEmptyCatalogueAndVanishedSetup) {
    const int sour = Cocktail(d, {QStringLiteral("Sour")}, {limette, rum});
    Cocktail(d, {QStringLiteral("Danach")}, {rum});
    Zeile(d, sour, cola); // the last line of the first cocktail lacks its ingredient
    Zutatensetup(d, QStringLiteral("Bar"), {rum, limette});

    KqZutaten& w = Fenster();
    EXPECT_EQ(Entries(w.LCocktails()), QStringList{QStringLiteral("Danach")});

    // The setup vanishes behind the window's back: an empty stock.
    db.Db().Execute(QStringLiteral("DELETE FROM zutatensetup"));
    w.InitCocktails();
    EXPECT_EQ(w.LCocktails()->ListCount(), 0);
    Cocktail(d, {QStringLiteral("Nur Minze")}, {minze});
    w.InitCocktails();
    EXPECT_EQ(Entries(w.LCocktails()), QStringList{QStringLiteral("Nur Minze")});

    // No cocktails at all, a stock that holds something: an empty list, no blank entry.
    for (const char* table : {"zutatenliste", "cocktails"})
        db.Db().Execute(QStringLiteral("DELETE FROM ") + QString::fromUtf8(table));
    Zutatensetup(d, QStringLiteral("Bar"), {rum});
    w.InitZutaten();
    EXPECT_EQ(Entries(w.LZutaten()), QStringList{QStringLiteral("Rum")});
    EXPECT_EQ(w.LCocktails()->ListCount(), 0);
    // ... and no ideal ingredient to name.
    MsgBoxExpect boxes;
    QTest::mouseClick(w.BIdeal(), Qt::LeftButton);
}

TEST_F(MixbarTest, IdealIngredientIsTheMostUsedOneNotInStock) {
    // Lines: Zitrone once in each of three cocktails, Bitter three times in one, Rum five
    // times, Cola twice, Minze once.
    const int zitrone = Zutat(d, QStringLiteral("Zitrone"), true);
    const int bitter = Zutat(d, QStringLiteral("Bitter"), false);
    Cocktail(d, {QStringLiteral("A")}, {zitrone, rum, cola, minze});
    Cocktail(d, {QStringLiteral("B")}, {zitrone, rum, rum});
    Cocktail(d, {QStringLiteral("C")}, {zitrone, rum, cola});
    Cocktail(d, {QStringLiteral("D")}, {bitter, bitter, bitter, rum});
    Zutatensetup(d, QStringLiteral("Bar"), {rum});
    KqZutaten& w = Fenster();
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
