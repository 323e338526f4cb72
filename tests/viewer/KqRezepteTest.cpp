// The recipe viewer: its list of cocktails, the ways into a sheet, and the sheets it draws.

#include "viewer/KqRezepte.h"
#include "ProgramTest.h"
#include "ViewerTestSupport.h"
#include "dao/Dialect.h"
#include "menu/KqMenue.h"
#include "menu/ZebKnopf.h"
#include "toolkit/Controls.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QWheelEvent>

using namespace viewertest;

namespace {

class KqRezepteTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        HauptModul::Datenbank = db.Shared();
    }
    static KqRezepte& Viewer() { return KqRezepte::Instance(); }
    static toolkit::ComboBox& List() { return *Viewer().CCocktail(); }
    static Blatt& Sheet() { return *Viewer().Ausgabe(); }
    static void Close() {
        Viewer().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_FALSE(KqRezepte::IsLoaded());
    }
    // Draws a sheet with predictable widths.
    static void Fixed(const QString& name) {
        Sheet().SetMetrics(FixedMetrics());
        Viewer().Anzeigen(name);
    }
    // Every piece lies within the sheet's width, measured in its own font.
    static void ExpectWithinWidth() {
        for (const Blatt::Piece& p : Sheet().Pieces()) {
            Sheet().SetFontSize(p.size);
            Sheet().SetFontBold(p.bold);
            EXPECT_GE(p.x, 0);
            EXPECT_LE(p.x + Sheet().TextWidth(p.text), Sheet().ScaleWidth())
                << p.text.toStdString();
        }
    }
};

using Drawn = std::tuple<QString, double, double, double, bool, bool>;

std::vector<Drawn> DrawnPieces(const Blatt& blatt) {
    std::vector<Drawn> out;
    for (const Blatt::Piece& p : blatt.Pieces())
        out.emplace_back(p.text, p.x, p.y, p.size, p.bold, p.centred);
    return out;
}

} // namespace

// The list's German order is checked with names a shell stored (ShellTest), storing and finding
// names of every kind through the viewer in BadInputTest.
TEST_F(KqRezepteTest, StartChoosesTheExactNameItsFirstOccurrenceAndLoadsAClosedWindow) {
    ASSERT_EQ(List().ListCount(), 64);
    EXPECT_FALSE(List().isEditable());
    EXPECT_EQ(List().ListIndex(), 0);
    List().SetListIndex(2);
    const QString before = List().Text();
    Viewer().Start(QStringLiteral("mai tai")); // another case is another name
    EXPECT_TRUE(Viewer().isVisible());
    EXPECT_EQ(List().Text(), before);
    EXPECT_TRUE(Sheet().Pieces().empty());

    const int first = List().findText(QStringLiteral("Mojito"));
    List().AddItem(QStringLiteral("Mojito"));
    Viewer().Start(QStringLiteral("Mojito"));
    EXPECT_EQ(List().ListIndex(), first);
    EXPECT_EQ(Sheet().Lines().value(0), QStringLiteral("Mojito"));

    Close();
    KqRezepte::Instance().Start(QStringLiteral("Zombie"));
    EXPECT_TRUE(Viewer().isVisible());
    EXPECT_EQ(List().ListCount(), 64);
    EXPECT_EQ(List().Text(), QStringLiteral("Zombie"));
    EXPECT_EQ(Sheet().Lines().value(0), QStringLiteral("Zombie"));
}

TEST_F(KqRezepteTest, GinFizzSheetPieceByPieceWithItsLinesInStoredOrder) {
    // Lines stored against the order of both names and numbers (Gin and Limettenscheibe come
    // first in the catalogues).
    const int nr = records::Cocktail(db.Db(), {"Gin Fizz", "Klassiker", "Schütteln", "5", {}, {}});
    records::Zutatenzeile(db.Db(), nr, "Zitronensaft", "2 cl", "");
    records::Zutatenzeile(db.Db(), nr, "Gin", "4 cl", "gut gekühlt");
    records::Dekozeile(db.Db(), nr, "Zitronenscheibe");
    records::Dekozeile(db.Db(), nr, "Limettenscheibe");
    Fixed(QStringLiteral("gin fizz"));
    EXPECT_TRUE(Viewer().isVisible());

    // Lines of 350 (14 pt), 250 (10 pt) and 225 (9 pt) twips. Centred: (9255 - 8 x 150) / 2 =
    // 4027.5 and (9255 - 11 x 110) / 2 = 4022.5, both to the even neighbour.
    const std::vector<Drawn> expected = {
        {"Gin Fizz", 4028, 0, 14, true, true},
        {"Klassiker", 0, 575, 9, true, false},
        {"Zutaten", 0, 1025, 10, true, false},
        {"2 cl Zitronensaft", 0, 1500, 9, false, false},
        {"4 cl Gin", 0, 1725, 9, false, false},
        {QStringLiteral(" (gut gekühlt)"), 720, 1725, 9, false, false},
        {"Dekoration", 0, 2400, 10, true, false},
        {"Zitronenscheibe", 0, 2875, 9, false, false},
        {"Limettenscheibe", 0, 3100, 9, false, false},
        {"Zubereitung", 4022, 3775, 10, true, true},
        {QStringLiteral("Schütteln"), 0, 4250, 9, false, false},
        {"5", 0, 4700, 9, false, false},
    };
    EXPECT_EQ(DrawnPieces(Sheet()), expected);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&Sheet())->text(QAccessible::Value),
              QStringLiteral("Gin Fizz\nKlassiker\nZutaten\n2 cl Zitronensaft\n4 cl Gin (gut "
                             "gekühlt)\nDekoration\nZitronenscheibe\nLimettenscheibe\nZubereitung\n"
                             "Schütteln\n5"));
    Viewer().Anzeigen(QStringLiteral("GIN FIZZ")); // cleared first, not drawn twice
    EXPECT_EQ(DrawnPieces(Sheet()), expected);
}

TEST_F(KqRezepteTest, AlternativesNotesNullsAndACocktailWithoutLines) {
    Fixed(QStringLiteral("Pisco Sour"));
    EXPECT_TRUE(Sheet().Lines().contains(
        QStringLiteral("3 cl Limettensaft oder 3 cl Zitronensaft (frisch gepresst)")));

    const int nr = records::Cocktail(db.Db(), {"Nullwerte", {}, {}, "4", {}, {}});
    records::Zutatenzeile(db.Db(), nr, "Gin", {}, {});
    records::Zutatenzeile(db.Db(), nr, "Gin", "1 cl", {}, "Wodka", "2 cl");
    records::Dekozeile(db.Db(), nr, "Zitronenscheibe", {});
    records::Dekozeile(db.Db(), nr, "Minzzweig", "frisch");
    Viewer().Anzeigen(QStringLiteral("Nullwerte"));
    EXPECT_EQ(Sheet().Lines(),
              (QStringList{"Nullwerte", "Zutaten", " Gin", "1 cl Gin oder 2 cl Wodka", "Dekoration",
                           "Zitronenscheibe", "Minzzweig (frisch) ", "Zubereitung", "4"}));

    // No lines: both headings with their blank lines. An empty description is left out; an
    // empty inventor and address (not Null) take a line each.
    records::Cocktail(db.Db(), {"Leerwerte", "", "", {}, "", ""});
    Viewer().Anzeigen(QStringLiteral("Leerwerte"));
    const std::vector<Drawn> expected = {
        {"Leerwerte", 3952, 0, 14, true, true}, // (9255 - 9 x 150) / 2 = 3952.5
        {"Zutaten", 0, 575, 10, true, false},
        {"Dekoration", 0, 1500, 10, true, false},
        {"Zubereitung", 4022, 2425, 10, true, true},
    };
    EXPECT_EQ(DrawnPieces(Sheet()), expected);
    // Below "Zubereitung": blank, empty preparation, blank, inventor, address.
    EXPECT_EQ(Sheet().CurrentY(), 2425 + 250 + 5 * 225);
}

TEST_F(KqRezepteTest, WithNothingToChooseAnzeigenOnlyShowsTheWindow) {
    db.MakeEmpty();
    EXPECT_EQ(List().ListIndex(), -1);
    Sheet().Print(QStringLiteral("vorher"));
    Viewer().Anzeigen(QStringLiteral("Mojito"));
    EXPECT_TRUE(Viewer().isVisible());
    QTest::mouseClick(Viewer().BAnzeigen(), Qt::LeftButton);
    EXPECT_EQ(Sheet().Lines(), QStringList{"vorher"});
}

TEST_F(KqRezepteTest, ALongRecipeCanBeScrolledToItsLastLine) {
    const QString step = QStringLiteral("Alles gut verrühren, abseihen und kalt servieren, dann "
                                        "den nächsten Schritt vorbereiten.");
    records::Cocktail(db.Db(), {"Langer Abend", "Viel zu tun", QStringList(30, step).join("\r\n"),
                                "3", "Niemand", "https://example.org/langer-abend"});
    Viewer().Anzeigen(QStringLiteral("Langer Abend"));
    ASSERT_TRUE(Sheet().Overflows());
    EXPECT_TRUE(Sheet().ScrollBarShown());
    ExpectWithinWidth();
    const Blatt::Piece last = Sheet().Pieces().back();
    EXPECT_EQ(last.text, QStringLiteral("https://example.org/langer-abend"));
    QTest::keyClick(&Sheet(), Qt::Key_End);
    EXPECT_GE(last.y, Sheet().ScrollTop());
    EXPECT_LE(last.y + last.height, Sheet().ScrollTop() + Sheet().ScaleHeight());
    // The arrow keys move the line a reader is on; Page Up leaves the last line's page.
    const int lastLine = int(Sheet().Lines().size()) - 1;
    EXPECT_EQ(Sheet().CurrentLine(), lastLine);
    QTest::keyClick(&Sheet(), Qt::Key_Up);
    EXPECT_EQ(Sheet().CurrentLine(), lastLine - 1);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&Sheet())->textInterface()->cursorPosition(),
              Sheet().Lines().mid(0, lastLine - 1).join('\n').size() + 1);
    QTest::keyClick(&Sheet(), Qt::Key_PageUp);
    const double up = Sheet().ScrollTop();
    EXPECT_LT(up, last.y + last.height - Sheet().ScaleHeight());
    QWheelEvent wheel({10, 10}, {10, 10}, {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase,
                      false);
    QCoreApplication::sendEvent(&Sheet(), &wheel);
    EXPECT_GT(Sheet().ScrollTop(), up);

    Viewer().Anzeigen(QStringLiteral("Mojito")); // short again: full width, from the top
    EXPECT_FALSE(Sheet().ScrollBarShown());
    EXPECT_EQ(std::make_pair(Sheet().ScaleWidth(), Sheet().ScrollTop()), std::make_pair(9255., 0.));
}

TEST_F(KqRezepteTest, EveryStarterSheetFitsAndLaterSheetsReuseTheTranslationsOfTheFirst) {
    ASSERT_EQ(List().ListCount(), 64);
    for (int i = 0; i < List().ListCount(); ++i) {
        Viewer().Anzeigen(List().List(i));
        EXPECT_EQ(Sheet().Lines().value(0), List().List(i));
        ExpectWithinWidth();
    }
    const dao::ShapeCacheCounts before = dao::ShapeCache();
    Fixed(QStringLiteral("Old Fashioned"));
    EXPECT_EQ(dao::ShapeCache().misses, before.misses);
    EXPECT_GT(dao::ShapeCache().hits, before.hits + 5);
    EXPECT_EQ(Sheet().Lines().value(0), QStringLiteral("Old Fashioned"));
}
