// The bar stock window and its ingredient choice dialog: the setups and their stock, the
// cocktails it can mix, adding with the error trap of adding, the remove button with nothing
// chosen, and the ingredient to buy next. Which cocktails a stock can mix is held against the file
// in RezeptbestandTest; adding and removing in any case and opening the chosen cocktail in the
// viewer are followed through in BadInputTest, a locked file in DateifehlerTest, Abort of the trap
// in TrapTest.

#include "stock/KqZutaten.h"
#include "MsgBoxExpect.h"
#include "ProgramTest.h"
#include "Records.h"
#include "stock/KqZutatenAuswahl.h"
#include "toolkit/Controls.h"
#include "viewer/KqRezepte.h"

#include <QCheckBox>
#include <QPushButton>

using namespace records;

namespace {

class KqZutatenTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        HauptModul::Datenbank = db.Shared();
    }
    static void Zeigt(const KqZutaten& w, const QStringList& zutaten,
                      const QStringList& cocktails) {
        EXPECT_EQ(Entries(w.LZutaten()), zutaten);
        EXPECT_EQ(Entries(w.LCocktails()), cocktails);
    }
    dao::Database& d = db.Db();
};

} // namespace

TEST_F(KqZutatenTest, ShowsTheFirstSetupByNameAndSearchesAgainOnEachChoiceAndRemoval) {
    db.MakeEmpty();
    const int rum = Zutat(d, QStringLiteral("Rum"), true);
    const int minze = Zutat(d, QStringLiteral("Minze"), false);
    Cocktail(d, {QStringLiteral("Rum pur")}, {rum});
    Cocktail(d, {QStringLiteral("Minzwasser")}, {minze});
    Zutatensetup(d, QStringLiteral("Zeltlager"), {rum});
    Zutatensetup(d, QStringLiteral("Bar"), {rum, minze});
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

    // Nothing chosen: nothing removed, but the lists follow what the file holds now.
    MsgBoxExpect boxes;
    w.LZutaten()->SetListIndex(-1);
    d.Execute(QStringLiteral("DELETE FROM zutatensetupvorrat WHERE zutat = %1").arg(rum));
    QTest::mouseClick(w.BEntfernen(), Qt::LeftButton);
    Zeigt(w, {"Minze"}, {"Minzwasser"});

    // Without a chosen cocktail Details and a double click open nothing.
    ASSERT_EQ(w.LCocktails()->ListIndex(), -1);
    QTest::mouseClick(w.BDetails(), Qt::LeftButton);
    w.LCocktails_DblClick();
    EXPECT_FALSE(KqRezepte::IsLoaded());
}

// The choice dialog lists the catalogue in name order and adds to the chosen setup; without a
// setup or a name nothing is stored.
TEST_F(KqZutatenTest, ChoiceDialogAddsByEnterAndReturnButNothingWithoutASetupOrAName) {
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
    // The stock list is read from the file: both are stored for the chosen setup.
    Zeigt(w, {"Ägäis-Ouzo", "apfelsaft"}, {"Bitterwasser"});
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
