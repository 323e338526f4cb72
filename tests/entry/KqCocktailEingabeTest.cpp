// The cocktail entry window: its controls, the group list, adding and deleting lines in both
// grids, and the grids as a screen reader sees them.

#include "EntryTest.h"
#include "MsgBoxExpect.h"
#include "dialogs/KqNeu.h"
#include "menu/KqMenue.h"
#include "menu/ZebKnopf.h"
#include "toolkit/Look.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <vector>

namespace {

using KqCocktailEingabeTest = EntryTest;

struct Steuerelement {
    const char* name;
    const char* caption; // text shown, or the accessible name of a box
    int left, top, width, height;
};

// Every control with its place in twips.
const std::vector<Steuerelement> kSteuerelemente = {
    {"ACocktail", "Cocktail", 120, 120, 1575, 255},
    {"ECocktail", "Cocktail", 1680, 120, 3015, 360},
    {"AGruppe", "Gruppe", 120, 600, 1575, 255},
    {"CGruppe", "Gruppe", 1680, 600, 3015, 360},
    {"BGruppeNeu", "Neu", 4800, 600, 975, 375},
    {"LBeschreibung", "Beschreibung", 120, 1080, 1575, 255},
    {"EBeschreibung", "Beschreibung", 1680, 1080, 5775, 360},
    {"LZutaten", "Zutaten", 120, 1560, 1575, 255},
    {"TZutaten", "Zutaten", 120, 1800, 7335, 1575},
    {"BZutatenNeu", "Neu", 7560, 1800, 975, 375},
    {"BZutatenEdit", "Edit", 7560, 2280, 975, 375},
    {"BZutatenDel", "Del", 7560, 2760, 975, 375},
    {"LDekoration", "Dekoration", 120, 3480, 1575, 255},
    {"TDekoration", "Dekoration", 120, 3720, 7335, 1575},
    {"BDekorationNeu", "Neu", 7560, 3720, 975, 375},
    {"BDekorationEdit", "Edit", 7560, 4200, 975, 375},
    {"BDekorationDel", "Del", 7560, 4680, 975, 375},
    {"LZubereitung", "Zubereitung", 120, 5400, 1575, 255},
    {"EZubereitung", "Zubereitung", 120, 5640, 4815, 1800},
    {"LBewertung", "Bewertung", 5040, 5400, 1575, 255},
    {"EBewertung", "Bewertung", 5040, 5640, 4815, 360},
    {"LErfunden", "Erfunden wann/von", 5040, 6120, 2055, 255},
    {"EErfunden", "Erfunden wann/von", 5040, 6360, 4815, 360},
    {"LAdresse", "Url:", 5040, 6840, 1575, 255},
    {"EAdresse", "Url", 5040, 7080, 4815, 360},
    {"BHinzufügen", "Hinzufügen", 120, 7560, 1575, 375},
    {"BAbbrechen", "Abbrechen", 1800, 7560, 1575, 375},
    {"BZubereitungÜbernehmen", "Z. Übern.", 3480, 7560, 1575, 375},
};

QString Shown(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    return w->accessibleName();
}

} // namespace

TEST_F(KqCocktailEingabeTest, OpensFromTheMenuWithEveryControlInPlaceAndInTabOrder) {
    Start();
    QTest::mouseClick(KqMenü::Instance().BMenüKnopf(2), Qt::LeftButton);
    ASSERT_TRUE(KqCocktailEingabe::IsLoaded());
    KqCocktailEingabe& w = *KqCocktailEingabe::Loaded();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Cocktail"));
    EXPECT_EQ(w.size(), QSize(663, 535));

    // The table lists the controls in tab order; labels (A…, L…) take no focus.
    std::vector<QWidget*> order;
    for (const Steuerelement& s : kSteuerelemente) {
        QWidget* c = w.findChild<QWidget*>(QString::fromUtf8(s.name));
        ASSERT_NE(c, nullptr) << s.name;
        if (s.name[0] != 'A' && s.name[0] != 'L') order.push_back(c);
        EXPECT_EQ(c->geometry(), QRect(toolkit::px(s.left), toolkit::px(s.top),
                                       toolkit::px(s.width), toolkit::px(s.height)))
            << s.name;
        EXPECT_EQ(Shown(c), QString::fromUtf8(s.caption)) << s.name;
        EXPECT_FALSE(c->accessibleName().isEmpty()) << s.name;
        EXPECT_EQ(c->font(), toolkit::WindowFont()) << s.name;
    }

    // The grids open with their fixed row and one empty row, the empty row current; nobody
    // types into them.
    for (toolkit::LineGrid* grid : {w.TZutaten(), w.TDekoration()}) {
        EXPECT_EQ(grid->Rows(), 2);
        EXPECT_EQ(grid->Row(), 1);
        EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        EXPECT_EQ(Cells(*grid, 0).join(QString()), QString());
    }

    ASSERT_TRUE(QTest::qWaitFor([&] { return w.ECocktail()->hasFocus(); }));
    for (std::size_t i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i % order.size()]) << i;
    }

    // "Z. Übern." changes nothing; "Neu" beside the groups opens the catalogue for a group.
    Type(w.ECocktail(), QStringLiteral("Gimlet"));
    Keys(w.EZubereitung(), QStringLiteral("Auf Eis rühren"));
    MsgBoxExpect boxes;
    Click(w.BZubereitungÜbernehmen());
    EXPECT_EQ(w.EZubereitung()->toPlainText(), QStringLiteral("Auf Eis rühren"));
    EXPECT_EQ(w.ECocktail()->text(), QStringLiteral("Gimlet"));
    Click(w.BGruppeNeu());
    ASSERT_TRUE(KqNeu::IsLoaded());
    EXPECT_EQ(KqNeu::Loaded()->Kind(), 1);
    EXPECT_TRUE(KqNeu::Loaded()->isVisible());

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

    // A refill after a new group: the new one at the place of its number, the first chosen
    // again; a typed group name is allowed.
    w.CGruppe()->SetListIndex(2);
    db.Db().Execute("INSERT INTO cocktailgruppen (name) VALUES ('Aperitif')");
    w.InitGruppe();
    EXPECT_EQ(Entries(w.CGruppe()), byNumber + QStringList{"Aperitif"});
    EXPECT_EQ(w.CGruppe()->ListIndex(), 0);
    Type(w.CGruppe(), QStringLiteral("Hausgemacht"));
    EXPECT_EQ(w.CGruppe()->Text(), QStringLiteral("Hausgemacht"));
    EXPECT_EQ(w.CGruppe()->ListIndex(), -1);

    // Without groups the list is empty and nothing is chosen.
    db.Db().Execute("DELETE FROM cocktailgruppen");
    w.InitGruppe();
    EXPECT_EQ(std::pair(w.CGruppe()->ListCount(), w.CGruppe()->ListIndex()), std::pair(0, -1));
    EXPECT_TRUE(w.CGruppe()->Text().isEmpty());
    w.Unload();
    KqCocktailEingabe& again = Eingabe(); // also on loading
    EXPECT_EQ(std::pair(again.CGruppe()->ListCount(), again.CGruppe()->ListIndex()),
              std::pair(0, -1));
}

TEST_F(KqCocktailEingabeTest, LinesGrowAboveTheEmptyRowAndDelRemovesOnlyLines) {
    KqCocktailEingabe& w = Eingabe();
    toolkit::LineGrid& g = TZutaten();

    // The first line goes into row 1, the second into row 2; the last row stays empty.
    AddZutat(Zutatenzeile{"Gin", "4"});
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(Cells(g, 1), (QStringList{"1", "Gin", "4 cl", "", "", "Pflicht", ""}));
    EXPECT_EQ(Cells(g, 2).join(QString()), QString());
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
    EXPECT_EQ(Cells(g, 2), (QStringList{"2", "Limettensaft", "2 cl", "", "", "Pflicht", ""}));
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
    EXPECT_EQ(d.Rows(), 4);
    EXPECT_EQ(Cells(d, 1), (QStringList{"1", "Minzzweig", "oben auf"}));
    EXPECT_EQ(Cells(d, 2), (QStringList{"2", "Limettenscheibe", ""}));
    ClickRow(d, 1);
    Click(w.BDekorationDel());
    EXPECT_EQ(Cells(d, 1), (QStringList{"2", "Limettenscheibe", ""}));
    ClickRow(d, 2);
    Click(w.BDekorationDel());
    EXPECT_EQ(d.Rows(), 3);
    EXPECT_EQ(g.Rows(), 2);
}

TEST_F(KqCocktailEingabeTest, AScreenReaderReadsEveryCellRowByRow) {
    KqCocktailEingabe& w = Eingabe();
    AddZutat(Zutatenzeile{"Rum", "4", "cl", "Cachaça", "4", "cl", "weiß"});
    AddZutat(Zutatenzeile{"Limette", "1/2", "Stück", {}, {}, {}, {}, false});
    AddDeko(QStringLiteral("Minzzweig"), QStringLiteral("oben auf"));

    for (toolkit::LineGrid* grid : {w.TZutaten(), w.TDekoration()}) {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->role(), QAccessible::Table);
        EXPECT_EQ(table->text(QAccessible::Name), grid->accessibleName());
        QAccessibleTableInterface* cells = table->tableInterface();
        ASSERT_NE(cells, nullptr);
        ASSERT_EQ(cells->rowCount(), grid->Rows());
        ASSERT_EQ(cells->columnCount(), grid->Cols());
        // Cell by cell, and in the order of the table's children: row after row.
        QStringList readOut;
        QStringList expected;
        for (int row = 0; row < grid->Rows(); ++row) {
            for (int col = 0; col < grid->Cols(); ++col) {
                QAccessibleInterface* cell = cells->cellAt(row, col);
                ASSERT_NE(cell, nullptr);
                EXPECT_EQ(cell->text(QAccessible::Name), grid->TextAt(row, col)) << row << col;
                expected << grid->TextAt(row, col);
            }
        }
        for (int i = 0; i < table->childCount(); ++i) {
            QAccessibleInterface* child = table->child(i);
            if (child && child->role() == QAccessible::Cell)
                readOut << child->text(QAccessible::Name);
        }
        EXPECT_EQ(readOut, expected);
    }
    // The current line is the selected one.
    QAccessibleTableInterface* zutaten =
        QAccessible::queryAccessibleInterface(w.TZutaten())->tableInterface();
    EXPECT_EQ(zutaten->selectedRows(), QList<int>{2});
}
