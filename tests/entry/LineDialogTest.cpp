// The ingredient and decoration line dialogs: their controls, the cells they write, changing a
// line, and how they behave while the entry window's grid changes under them.

#include "EntryTest.h"
#include "MsgBoxExpect.h"
#include "toolkit/Look.h"

namespace {

using LineDialogTest = EntryTest;

KqCocktailZutaten& ZutatenDialog() {
    EXPECT_TRUE(KqCocktailZutaten::IsLoaded());
    return KqCocktailZutaten::Instance();
}

KqCocktailDeko& DekoDialog() {
    EXPECT_TRUE(KqCocktailDeko::IsLoaded());
    return KqCocktailDeko::Instance();
}

} // namespace

TEST_F(LineDialogTest, IngredientDialogOpensEmptyWithTheCatalogueAndItsUnits) {
    KqCocktailEingabe& w = Eingabe();
    Click(w.BZutatenNeu());
    KqCocktailZutaten& d = ZutatenDialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));

    const QStringList catalogue = HauptModul::ErstesFeld("SELECT name FROM zutaten ORDER BY name");
    ASSERT_GT(catalogue.size(), 10);
    EXPECT_EQ(Entries(d.CZutat()), catalogue);
    EXPECT_EQ(Entries(d.CVariation()), catalogue);
    const QStringList units = {"cl", "dash (Spritzer)", "Barlöffel", "zum Auffüllen"};
    EXPECT_EQ(Entries(d.CZutatEinheit()), units);
    EXPECT_EQ(Entries(d.EVariationEinheit()), units);
    EXPECT_EQ(d.CZutatEinheit()->Text(), QStringLiteral("cl"));
    EXPECT_TRUE(d.EVariationEinheit()->Text().isEmpty());
    EXPECT_TRUE(d.CZutat()->Text().isEmpty() && d.CVariation()->Text().isEmpty());
    EXPECT_TRUE(d.APflicht()->isChecked());

    // Every control inside the window, named for a screen reader, in tab order.
    const std::vector<QWidget*> order = {
        d.CZutat(),     d.EZutatMenge(),     d.CZutatEinheit(),     d.BZutatNeu(),
        d.CVariation(), d.EVariationMenge(), d.EVariationEinheit(), d.EBeschreibung(),
        d.APflicht(),   d.BHinzufügen(),     d.BAbbrechen()};
    for (QWidget* c : order) {
        EXPECT_TRUE(d.rect().contains(c->geometry())) << c->objectName().toStdString();
        EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
    }
    ExpectTabOrder(order);

    // A refill after a new ingredient offers it in both lists at its place by name and keeps
    // the names typed so far.
    Type(d.CZutat(), QStringLiteral("Rum"));
    Type(d.CVariation(), QStringLiteral("Cachaça"));
    db.Db().Execute("INSERT INTO zutaten (name) VALUES ('Apfelbrand')");
    d.InitZutat();
    const QStringList now = HauptModul::ErstesFeld("SELECT name FROM zutaten ORDER BY name");
    EXPECT_EQ(Entries(d.CZutat()), now);
    EXPECT_EQ(Entries(d.CVariation()), now);
    EXPECT_EQ(d.CZutat()->Text(), QStringLiteral("Rum"));
    EXPECT_EQ(d.CVariation()->Text(), QStringLiteral("Cachaça"));

    // "Abbrechen" writes nothing.
    Click(d.BAbbrechen());
    EXPECT_FALSE(KqCocktailZutaten::IsLoaded());
    EXPECT_EQ(w.TZutaten()->Rows(), 2);
}

TEST_F(LineDialogTest, EnterInEveryInputBoxCommitsTheAmountCellByItsRule) {
    KqCocktailEingabe& w = Eingabe();
    toolkit::LineGrid& g = *w.TZutaten();
    // Each line is committed by Enter in another of the seven input boxes, in this order.
    const std::vector<Zutatenzeile> lines = {
        {"Rum", " 4 ", "cl"},
        {"Ginger Ale", "", "zum Auffüllen"},
        {"Angostura", "4", ""},
        {"", "", ""},
        {"Limettensaft", "0,5", "cl", "Zitronensaft", "1/2", "cl", "frisch", false},
        {"Zuckersirup", "1.5", "Barlöffel", "", "", "", "", false},
        {"Minze", "", "", "", " 2", "dash (Spritzer)", "  gezupft "},
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Click(w.BZutatenNeu());
        KqCocktailZutaten& d = ZutatenDialog();
        Fill(d, lines[i]);
        const std::vector<QWidget*> boxes = {
            d.CZutat(),          d.EZutatMenge(),       d.CZutatEinheit(), d.CVariation(),
            d.EVariationMenge(), d.EVariationEinheit(), d.EBeschreibung()};
        QTest::keyClick(boxes[i], Qt::Key_Return);
        EXPECT_FALSE(KqCocktailZutaten::IsLoaded()) << i;
    }
    ASSERT_EQ(g.Rows(), 9);
    const std::vector<QStringList> cells = {
        {"1", "Rum", "4 cl", "", "", "Pflicht", ""},
        {"2", "Ginger Ale", "zum Auffüllen", "", "", "Pflicht", ""},
        {"3", "Angostura", "4 ", "", "", "Pflicht", ""},
        {"4", "", "", "", "", "Pflicht", ""},
        {"5", "Limettensaft", "0,5 cl", "Zitronensaft", "1/2 cl", "", "frisch"},
        {"6", "Zuckersirup", "1.5 Barlöffel", "", "", "", ""},
        {"7", "Minze", "", "", "2 dash (Spritzer)", "Pflicht", "  gezupft "},
    };
    for (int row = 1; row <= 7; ++row)
        EXPECT_EQ(Cells(g, row), cells[row - 1]) << row;

    // Each line read back into the dialog and committed unchanged gives the same cells.
    for (int row = 1; row <= 7; ++row) {
        ClickRow(g, row);
        Click(w.BZutatenEdit());
        KqCocktailZutaten& d = ZutatenDialog();
        EXPECT_EQ(d.BHinzufügen()->text(), QStringLiteral("Ändern"));
        if (row == 2) { // "zum Auffüllen" is a unit, not an amount and a unit
            EXPECT_TRUE(d.EZutatMenge()->text().isEmpty());
            EXPECT_EQ(d.CZutatEinheit()->Text(), QStringLiteral("zum Auffüllen"));
        }
        Click(d.BHinzufügen());
        EXPECT_EQ(g.Rows(), 9);
        EXPECT_EQ(Cells(g, row), cells[row - 1]) << row;
    }

    // A changed line overwrites its row and nothing else.
    ClickRow(g, 1);
    Click(w.BZutatenEdit());
    KqCocktailZutaten& d = ZutatenDialog();
    Type(d.EZutatMenge(), QStringLiteral("6"));
    Type(d.CVariation(), QStringLiteral("Cachaça"));
    QTest::keyClick(d.EZutatMenge(), Qt::Key_Enter);
    EXPECT_EQ(Cells(g, 1), (QStringList{"1", "Rum", "6 cl", "Cachaça", "", "Pflicht", ""}));
    EXPECT_EQ(Cells(g, 2), cells[1]);
    EXPECT_EQ(g.Rows(), 9);
}

TEST_F(LineDialogTest, DialogsKeepTheirContentsAndWriteTheRowTheyWereStartedOn) {
    KqCocktailEingabe& w = Eingabe();
    toolkit::LineGrid& g = *w.TZutaten();
    for (const char* zutat : {"Gin", "Wermut", "Campari"})
        AddZutat(QString::fromUtf8(zutat));

    // A second "Neu" only brings the open dialog forward, with what was typed.
    Click(w.BZutatenNeu());
    KqCocktailZutaten* offen = &ZutatenDialog();
    Type(offen->CZutat(), QStringLiteral("Orangenzeste"));
    Click(w.BZutatenNeu());
    EXPECT_EQ(&ZutatenDialog(), offen);
    EXPECT_EQ(offen->CZutat()->Text(), QStringLiteral("Orangenzeste"));
    EXPECT_EQ(offen->BHinzufügen()->text(), QStringLiteral("Hinzufügen"));
    // Edit switches the open dialog to the current line.
    ClickRow(g, 2);
    Click(w.BZutatenEdit());
    EXPECT_EQ(&ZutatenDialog(), offen);
    EXPECT_EQ(offen->CZutat()->Text(), QStringLiteral("Wermut"));
    EXPECT_EQ(offen->BHinzufügen()->text(), QStringLiteral("Ändern"));

    // Meanwhile a line above is deleted: the dialog still writes row 2, now Campari's.
    ClickRow(g, 1);
    Click(w.BZutatenDel());
    ASSERT_EQ(Names(g), (QStringList{"", "Wermut", "Campari", ""}));
    Type(offen->CZutat(), QStringLiteral("Wermut rosso"));
    Click(offen->BHinzufügen());
    EXPECT_EQ(Names(g), (QStringList{"", "Wermut", "Wermut rosso", ""}));
    EXPECT_EQ(g.TextAt(2, 0), QStringLiteral("2"));

    // The started line is deleted while the dialog is open: the line is added again instead
    // of going into the empty last row, where it would never be stored.
    ClickRow(g, 2);
    Click(w.BZutatenEdit());
    Click(w.BZutatenDel());
    ASSERT_EQ(g.Rows(), 3);
    Click(ZutatenDialog().BHinzufügen());
    EXPECT_EQ(Names(g), (QStringList{"", "Wermut", "Wermut rosso", ""}));
    EXPECT_EQ(g.TextAt(2, 0), QStringLiteral("2"));

    // Edit on the empty last row opens the dialog for adding, also over a changing one.
    ClickRow(g, 1);
    Click(w.BZutatenEdit());
    ClickRow(g, 3);
    Click(w.BZutatenEdit());
    KqCocktailZutaten& leer = ZutatenDialog();
    EXPECT_EQ(leer.BHinzufügen()->text(), QStringLiteral("Hinzufügen"));
    EXPECT_TRUE(leer.CZutat()->Text().isEmpty());
    EXPECT_EQ(leer.CZutatEinheit()->Text(), QStringLiteral("cl"));
    Type(leer.CZutat(), QStringLiteral("Soda"));
    Click(leer.BHinzufügen());
    EXPECT_EQ(Names(g), (QStringList{"", "Wermut", "Wermut rosso", "Soda", ""}));

    // The decoration dialog: the same ways in; "Abbrechen" closes without writing.
    toolkit::LineGrid& t = *w.TDekoration();
    Click(w.BDekorationEdit());
    KqCocktailDeko& deko = DekoDialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&deko));
    EXPECT_EQ(Entries(deko.CDeko()), HauptModul::ErstesFeld("SELECT name FROM deko ORDER BY name"));
    EXPECT_EQ(deko.BHinzufügen()->text(), QStringLiteral("Hinzufügen"));
    for (QWidget* c :
         std::initializer_list<QWidget*>{deko.CDeko(), deko.BDekoNeu(), deko.EBeschreibung(),
                                         deko.BHinzufügen(), deko.BAbbrechen()}) {
        EXPECT_TRUE(deko.rect().contains(c->geometry())) << c->objectName().toStdString();
        EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
    }
    Type(deko.CDeko(), QStringLiteral("Zitronenzeste"));
    QTest::keyClick(deko.CDeko(), Qt::Key_Return);
    EXPECT_EQ(Cells(t, 1), (QStringList{"1", "Zitronenzeste", ""}));
    ClickRow(t, 2);
    Click(w.BDekorationEdit()); // on the empty row again
    Type(DekoDialog().EBeschreibung(), QStringLiteral("gedreht"));
    QTest::keyClick(DekoDialog().EBeschreibung(), Qt::Key_Return);
    EXPECT_EQ(Cells(t, 2), (QStringList{"2", "", "gedreht"}));
    ClickRow(t, 1);
    Click(w.BDekorationEdit());
    EXPECT_EQ(DekoDialog().CDeko()->Text(), QStringLiteral("Zitronenzeste"));
    EXPECT_EQ(DekoDialog().BHinzufügen()->text(), QStringLiteral("Ändern"));
    Type(DekoDialog().CDeko(), QStringLiteral("Orangenzeste"));
    Click(DekoDialog().BAbbrechen());
    EXPECT_FALSE(KqCocktailDeko::IsLoaded());
    EXPECT_EQ(Cells(t, 1), (QStringList{"1", "Zitronenzeste", ""}));
    Click(w.BDekorationEdit());
    Type(DekoDialog().EBeschreibung(), QStringLiteral("spiralig"));
    Click(DekoDialog().BHinzufügen());
    EXPECT_EQ(Cells(t, 1), (QStringList{"1", "Zitronenzeste", "spiralig"}));
    EXPECT_EQ(t.Rows(), 4);

    // Closing the entry window closes its open line dialogs with it.
    Click(w.BZutatenNeu());
    Click(w.BDekorationNeu());
    MsgBoxExpect boxes;
    Click(w.BAbbrechen());
    EXPECT_FALSE(KqCocktailEingabe::IsLoaded());
    EXPECT_FALSE(KqCocktailZutaten::IsLoaded());
    EXPECT_FALSE(KqCocktailDeko::IsLoaded());
}
