// The ingredient and decoration line dialogs: their lists, the cells they write, changing a line,
// and how they behave while the entry window's grid changes under them. (How the ingredient
// dialog is refilled after a new catalogue entry: tests/dialogs/KqNeuTest.)

#include "EntryTest.h"
#include "MsgBoxExpect.h"

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

TEST_F(LineDialogTest, EnterInEveryInputBoxCommitsTheAmountCellByItsRuleAndReadsBackUnchanged) {
    KqCocktailEingabe& w = Eingabe();
    toolkit::LineGrid& g = *w.TZutaten();
    // Each line is committed by Enter (Return, then the keypad's) in another of the seven input
    // boxes, in their order.
    const std::vector<Zutatenzeile> lines = {
        {{"Rum", " 4 ", "cl"}},
        {{"Ginger Ale", "", "zum Auffüllen"}},
        {{"Angostura", "4", ""}},
        {{"", "", ""}},
        {{"Limettensaft", "0,5", "cl", "Zitronensaft", "1/2", "cl", "frisch"}, false},
        {{"Zuckersirup", "1.5", "Barlöffel", "", "", "", ""}, false},
        {{"Minze", "", "", "", " 2", "dash (Spritzer)", "  gezupft "}},
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Click(w.BZutatenNeu());
        Fill(ZutatenDialog(), lines[i]);
        QTest::keyClick(Boxes(ZutatenDialog()).at(i), i % 2 ? Qt::Key_Enter : Qt::Key_Return);
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
    // Each line read back into the dialog ("zum Auffüllen" as a unit, not an amount and a unit)
    // and committed unchanged gives the same cells.
    for (int row = 1; row <= 7; ++row) {
        EXPECT_EQ(Cells(g, row), cells[row - 1]) << row;
        ClickRow(g, row);
        Click(w.BZutatenEdit());
        KqCocktailZutaten& d = ZutatenDialog();
        if (row == 2)
            EXPECT_EQ(d.EZutatMenge()->text() + '|' + d.CZutatEinheit()->Text(), "|zum Auffüllen");
        Click(d.BHinzufügen());
        EXPECT_EQ(Cells(g, row), cells[row - 1]) << row;
    }
}

TEST_F(LineDialogTest, DialogsOfferTheCatalogueKeepTheirContentsAndWriteTheRowTheyStartedOn) {
    KqCocktailEingabe& w = Eingabe();
    toolkit::LineGrid& g = *w.TZutaten();
    for (const char* zutat : {"Gin", "Wermut", "Campari"})
        AddZutat(QString::fromUtf8(zutat));

    // The ingredient dialog offers the catalogue by name and the units.
    Click(w.BZutatenNeu());
    KqCocktailZutaten* offen = &ZutatenDialog();
    const QStringList catalogue = HauptModul::ErstesFeld("SELECT name FROM zutaten ORDER BY name");
    EXPECT_EQ(Entries(offen->CZutat()) + Entries(offen->CVariation()), catalogue + catalogue);
    const QStringList units = {"cl", "dash (Spritzer)", "Barlöffel", "zum Auffüllen"};
    EXPECT_EQ(Entries(offen->CZutatEinheit()) + Entries(offen->EVariationEinheit()), units + units);

    // A second "Neu" only brings the open dialog forward, with what was typed; Edit switches it
    // to the current line.
    Type(offen->CZutat(), QStringLiteral("Orangenzeste"));
    Click(w.BZutatenNeu());
    EXPECT_EQ(offen->CZutat()->Text() + offen->BHinzufügen()->text(), "OrangenzesteHinzufügen");
    ClickRow(g, 2);
    Click(w.BZutatenEdit());
    EXPECT_EQ(offen->CZutat()->Text() + offen->BHinzufügen()->text(), "WermutÄndern");

    // Meanwhile a line above is deleted: the dialog still writes row 2, now Campari's; a changed
    // line overwrites its row and nothing else.
    ClickRow(g, 1);
    Click(w.BZutatenDel());
    Type(offen->CZutat(), QStringLiteral("Wermut rosso"));
    Click(offen->BHinzufügen());
    EXPECT_EQ(Names(g), (QStringList{"", "Wermut", "Wermut rosso", ""}));

    // The started line is deleted while the dialog is open: the line is added again instead
    // of going into the empty last row, where it would never be stored.
    ClickRow(g, 2);
    Click(w.BZutatenEdit());
    Click(w.BZutatenDel());
    Click(ZutatenDialog().BHinzufügen());
    EXPECT_EQ(Names(g), (QStringList{"", "Wermut", "Wermut rosso", ""}));

    // Edit on the empty last row opens the dialog for adding, also over a changing one.
    ClickRow(g, 1);
    Click(w.BZutatenEdit());
    ClickRow(g, 3);
    Click(w.BZutatenEdit());
    KqCocktailZutaten& leer = ZutatenDialog();
    EXPECT_EQ(leer.BHinzufügen()->text() + leer.CZutat()->Text() + leer.CZutatEinheit()->Text(),
              "Hinzufügencl");
    Type(leer.CZutat(), QStringLiteral("Soda"));
    Click(leer.BHinzufügen());
    EXPECT_EQ(Names(g), (QStringList{"", "Wermut", "Wermut rosso", "Soda", ""}));

    // The decoration dialog: Return commits; Edit shows a line for changing;
    // "Abbrechen" closes without writing.
    toolkit::LineGrid& t = *w.TDekoration();
    Click(w.BDekorationNeu());
    Type(DekoDialog().CDeko(), QStringLiteral("Zitronenzeste"));
    QTest::keyClick(DekoDialog().CDeko(), Qt::Key_Return);
    Click(w.BDekorationEdit());
    EXPECT_EQ(DekoDialog().BHinzufügen()->text() + DekoDialog().BHinzufügen()->accessibleName(),
              "ÄndernÄndern");
    Type(DekoDialog().EBeschreibung(), QStringLiteral("spiralig"));
    Click(DekoDialog().BAbbrechen());
    Click(w.BDekorationEdit());
    Type(DekoDialog().CDeko(), DekoDialog().CDeko()->Text() + "!");
    QTest::keyClick(DekoDialog().EBeschreibung(), Qt::Key_Return);
    EXPECT_EQ(Cells(t, 1) << QString::number(t.Rows()),
              (QStringList{"1", "Zitronenzeste!", "", "3"}));

    // Closing the entry window closes its open line dialogs with it, without a question; opened
    // again it starts empty.
    Click(w.BZutatenNeu());
    Click(w.BDekorationNeu());
    MsgBoxExpect boxes;
    Click(w.BAbbrechen());
    EXPECT_FALSE(KqCocktailEingabe::IsLoaded() || KqCocktailZutaten::IsLoaded() ||
                 KqCocktailDeko::IsLoaded());
    EXPECT_EQ(Eingabe().ECocktail()->text() + Names(*Eingabe().TZutaten()).join(','), ",");
}
