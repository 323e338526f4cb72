// The cocktail entry window: its controls, the group list, and adding and deleting lines in both
// grids.

#include "EntryTest.h"
#include "MsgBoxExpect.h"
#include "menu/KqMenue.h"
#include "menu/ZebKnopf.h"
#include "toolkit/Look.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <vector>

using KqCocktailEingabeTest = EntryTest;

TEST_F(KqCocktailEingabeTest, OpensFromTheMenuNamedForScreenReadersInTheWindowFontAndTabOrder) {
    Start();
    QTest::mouseClick(KqMenü::Instance().BMenüKnopf(2), Qt::LeftButton);
    ASSERT_TRUE(KqCocktailEingabe::IsLoaded());
    KqCocktailEingabe& w = *KqCocktailEingabe::Loaded();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const std::vector<QWidget*> order = {w.ECocktail(),
                                         w.CGruppe(),
                                         w.BGruppeNeu(),
                                         w.EBeschreibung(),
                                         w.TZutaten(),
                                         w.BZutatenNeu(),
                                         w.BZutatenEdit(),
                                         w.BZutatenDel(),
                                         w.TDekoration(),
                                         w.BDekorationNeu(),
                                         w.BDekorationEdit(),
                                         w.BDekorationDel(),
                                         w.EZubereitung(),
                                         w.EBewertung(),
                                         w.EErfunden(),
                                         w.EAdresse(),
                                         w.BHinzufügen(),
                                         w.BAbbrechen(),
                                         w.BZubereitungÜbernehmen()};
    for (QWidget* c : order) {
        EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
        EXPECT_EQ(c->font(), toolkit::WindowFont()) << c->objectName().toStdString();
    }

    // The grids open with their fixed row and one empty row, the empty row current.
    for (toolkit::LineGrid* grid : {w.TZutaten(), w.TDekoration()}) {
        EXPECT_EQ(grid->Rows(), 2);
        EXPECT_EQ(grid->Row(), 1);
        EXPECT_EQ(Cells(*grid, 0).join(QString()), QString());
    }

    ExpectTabOrder(order);

    // "Z. Übern." changes nothing ("Neu" beside the groups is followed through in BadInputTest).
    Type(w.ECocktail(), QStringLiteral("Gimlet"));
    Keys(w.EZubereitung(), QStringLiteral("Auf Eis rühren"));
    MsgBoxExpect boxes;
    Click(w.BZubereitungÜbernehmen());
    EXPECT_EQ(w.EZubereitung()->toPlainText(), QStringLiteral("Auf Eis rühren"));
    EXPECT_EQ(w.ECocktail()->text(), QStringLiteral("Gimlet"));

    // "Abbrechen" closes without a question; the next opening starts empty.
    AddZutat(QStringLiteral("Gin"));
    Click(w.BAbbrechen());
    EXPECT_FALSE(KqCocktailEingabe::IsLoaded());
    EXPECT_TRUE(boxes.Shown().isEmpty());
    KqCocktailEingabe& neu = Eingabe();
    EXPECT_TRUE(neu.ECocktail()->text().isEmpty());
    EXPECT_EQ(neu.TZutaten()->Rows(), 2);
}

TEST_F(KqCocktailEingabeTest, GroupsAreListedByNumberWithTheFirstChosen) {
    // The starter catalogue's groups by number are not in name order.
    const QStringList byNumber =
        HauptModul::ErstesFeld("SELECT name FROM cocktailgruppen ORDER BY nr");
    ASSERT_GE(byNumber.size(), 3);
    EXPECT_EQ(byNumber.mid(0, 3), (QStringList{"Klassiker", "Sours", "Longdrinks"}));
    KqCocktailEingabe& w = Eingabe();
    EXPECT_EQ(Entries(w.CGruppe()), byNumber);
    EXPECT_EQ(w.CGruppe()->Text(), QStringLiteral("Klassiker"));

    // Without groups the list is empty and nothing is chosen. (A new group joins the list at the
    // end, the first one staying chosen: CocktailSpeichernTest.)
    db.Db().Execute("DELETE FROM cocktailgruppen");
    w.InitGruppe();
    EXPECT_EQ(std::pair(w.CGruppe()->ListCount(), w.CGruppe()->ListIndex()), std::pair(0, -1));
    EXPECT_TRUE(w.CGruppe()->Text().isEmpty());
}

TEST_F(KqCocktailEingabeTest, LinesGrowAboveTheEmptyRowAndDelRemovesOnlyLines) {
    KqCocktailEingabe& w = Eingabe();
    toolkit::LineGrid& g = TZutaten();

    // The first line goes into row 1; the last row stays empty. (What a line's cells hold:
    // LineDialogTest.)
    AddZutat(Zutatenzeile{"Gin", "4"});
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.Row(), 1);
    // Del at once removes the line just added: its row is current.
    Click(w.BZutatenDel());
    EXPECT_EQ(g.Rows(), 2);
    EXPECT_EQ(Cells(g, 1).join(QString()), QString());

    for (const char* zutat : {"Gin", "Limettensaft", "Zuckersirup"})
        AddZutat(QString::fromUtf8(zutat));
    EXPECT_EQ(g.Rows(), 5);
    // The grid does not stay scrolled to the last column written.
    EXPECT_EQ(g.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(g.Row(), 3);

    // Del in the middle moves the lines below up; they keep their numbers.
    ClickRow(g, 2);
    Click(w.BZutatenDel());
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_EQ(Names(g), (QStringList{"", "Gin", "Zuckersirup", ""}));
    EXPECT_EQ(g.TextAt(2, 0), QStringLiteral("3"));
    // Del on the empty row does nothing.
    ClickRow(g, 3);
    Click(w.BZutatenDel());
    EXPECT_EQ(g.Rows(), 4);
    // A line added now is numbered by its row, beside the old number.
    AddZutat(QStringLiteral("Soda"));
    EXPECT_EQ(Names(g), (QStringList{"", "Gin", "Zuckersirup", "Soda", ""}));
    EXPECT_EQ(g.TextAt(2, 0), QStringLiteral("3"));
    EXPECT_EQ(g.TextAt(3, 0), QStringLiteral("3"));

    // Deleting every line leaves the empty row; more Del never goes below two rows.
    ClickRow(g, 1);
    for (int i = 0; i < 5; ++i)
        Click(w.BZutatenDel());
    EXPECT_EQ(g.Rows(), 2);
    EXPECT_EQ(g.Row(), 1);

    // The decoration grid works the same way, without touching the ingredient grid.
    toolkit::LineGrid& d = TDekoration();
    AddDeko(QStringLiteral("Minzzweig"), QStringLiteral("oben auf"));
    AddDeko(QStringLiteral("Limettenscheibe"));
    ClickRow(d, 1);
    Click(w.BDekorationDel());
    EXPECT_EQ(Cells(d, 1), (QStringList{"2", "Limettenscheibe", ""}));
    ClickRow(d, 2);
    Click(w.BDekorationDel());
    EXPECT_EQ(d.Rows(), 3);
    EXPECT_EQ(g.Rows(), 2);
}
