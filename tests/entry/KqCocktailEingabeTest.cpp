// The cocktail entry window: its controls, the group list, and adding and deleting lines in both
// grids. (Names, captions and tab order as a screen reader meets them: tests/a11y/bus.)

#include "EntryTest.h"
#include "toolkit/Look.h"

#include <QScrollBar>

using KqCocktailEingabeTest = EntryTest;

TEST_F(KqCocktailEingabeTest, ControlsAreInsideInTheWindowFontAndGroupsListedByNumber) {
    KqCocktailEingabe& w = Eingabe();
    Click(w.BZutatenNeu());
    Click(w.BDekorationNeu());
    for (QWidget* window : std::initializer_list<QWidget*>{&w, KqCocktailZutaten::Loaded(),
                                                           KqCocktailDeko::Loaded()}) {
        ASSERT_TRUE(window);
        for (QWidget* c : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(window->rect().contains(c->geometry())) << qPrintable(c->objectName());
            EXPECT_EQ(c->font(), toolkit::WindowFont()) << qPrintable(c->objectName());
        }
    }
    // The starter catalogue's groups by number are not in name order; the first is chosen.
    const QStringList byNumber =
        HauptModul::ErstesFeld("SELECT name FROM cocktailgruppen ORDER BY nr");
    ASSERT_EQ(byNumber.mid(0, 3), (QStringList{"Klassiker", "Sours", "Longdrinks"}));
    EXPECT_EQ(Entries(w.CGruppe()) << w.CGruppe()->Text(), byNumber + QStringList{"Klassiker"});
    // Without groups the list is empty and nothing is chosen.
    db.Db().Execute("DELETE FROM cocktailgruppen");
    w.InitGruppe();
    EXPECT_EQ(std::tuple(w.CGruppe()->ListCount(), w.CGruppe()->ListIndex(), w.CGruppe()->Text()),
              std::tuple(0, -1, QString()));
}

TEST_F(KqCocktailEingabeTest, LinesGrowAboveTheEmptyRowAndDelRemovesOnlyLines) {
    KqCocktailEingabe& w = Eingabe();
    toolkit::LineGrid& g = *w.TZutaten();
    for (const char* zutat : {"Gin", "Limettensaft", "Zuckersirup"})
        AddZutat(QString::fromUtf8(zutat));
    // The last row stays empty, the line just added is current, the grid is not left scrolled
    // to the last column written.
    EXPECT_EQ(std::pair(g.Rows(), g.Row()), std::pair(5, 3));
    EXPECT_EQ(g.horizontalScrollBar()->value(), 0);

    // Del in the middle moves the lines below up, which keep their numbers; a line added then is
    // numbered by its row.
    ClickRow(g, 2);
    Click(w.BZutatenDel());
    AddZutat(QStringLiteral("Soda"));
    EXPECT_EQ(Names(g), (QStringList{"", "Gin", "Zuckersirup", "Soda", ""}));
    EXPECT_EQ(g.TextAt(2, 0) + g.TextAt(3, 0), QStringLiteral("33"));

    // The decoration grid has buttons of its own, which leave the ingredient grid alone.
    toolkit::LineGrid& d = *w.TDekoration();
    AddDeko(QStringLiteral("Minzzweig"));
    Click(w.BDekorationDel());
    EXPECT_EQ(std::pair(d.Rows(), g.Rows()), std::pair(2, 5));

    // Deleting every line leaves the empty row; more Del never goes below two rows.
    ClickRow(g, 1);
    for (int i = 0; i < 5; ++i)
        Click(w.BZutatenDel());
    EXPECT_EQ(std::pair(g.Rows(), g.Row()), std::pair(2, 1));
}
