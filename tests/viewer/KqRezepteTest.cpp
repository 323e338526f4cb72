// The recipe viewer: its list of cocktails, the ways into a sheet, and the sheets it draws. The
// list's German order is checked with names a shell stored (ShellTest); storing and finding
// names of every kind through the viewer, and the bar stock window loading it, in BadInputTest.

#include "viewer/KqRezepte.h"
#include "ProgramTest.h"
#include "ViewerTestSupport.h"
#include "dao/Dialect.h"
#include "toolkit/Controls.h"

#include <QPushButton>

using namespace records;

namespace {

using Drawn = std::tuple<QString, double, double, double, bool, bool>;

class KqRezepteTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        HauptModul::Datenbank = db.Shared();
    }
    static KqRezepte& Viewer() { return KqRezepte::Instance(); }
    static toolkit::ComboBox& List() { return *Viewer().CCocktail(); }
    static Blatt& Sheet() { return *Viewer().Ausgabe(); }
    // The cocktail's sheet drawn with predictable widths: text, x, y, size, bold, centred.
    static std::vector<Drawn> Fixed(const QString& name) {
        Sheet().SetMetrics(viewertest::FixedMetrics());
        Viewer().Anzeigen(name);
        std::vector<Drawn> out;
        for (const Blatt::Piece& p : Sheet().Pieces())
            out.emplace_back(p.text, p.x, p.y, p.size, p.bold, p.centred);
        return out;
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

} // namespace

TEST_F(KqRezepteTest, SheetsPieceByPieceWithAlternativesNotesNullsAndNoLines) {
    // Lines stored against the order of both names and numbers (Gin and Limettenscheibe come
    // first in the catalogues).
    const int nr = Cocktail(db.Db(), {"Gin Fizz", "Klassiker", "Schütteln", "5", {}, {}});
    Zutatenzeile(db.Db(), nr, "Zitronensaft", "2 cl", "");
    Zutatenzeile(db.Db(), nr, "Gin", "4 cl", "gut gekühlt");
    Dekozeile(db.Db(), nr, "Zitronenscheibe");
    Dekozeile(db.Db(), nr, "Limettenscheibe");
    // Lines of 350 (14 pt), 250 (10 pt) and 225 (9 pt) twips. Centred: (9255 - 8 x 150) / 2 =
    // 4027.5 and (9255 - 11 x 110) / 2 = 4022.5, both to the even neighbour.
    const std::vector<Drawn> ginFizz = {
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
    EXPECT_EQ(Fixed(QStringLiteral("gin fizz")), ginFizz);
    EXPECT_EQ(Fixed(QStringLiteral("GIN FIZZ")), ginFizz); // cleared first, not drawn twice

    const int nullwerte = Cocktail(db.Db(), {"Nullwerte", {}, {}, "4", {}, {}});
    Zutatenzeile(db.Db(), nullwerte, "Gin", {}, {});
    Zutatenzeile(db.Db(), nullwerte, "Gin", "1 cl", {}, "Wodka", "2 cl");
    Dekozeile(db.Db(), nullwerte, "Zitronenscheibe", {});
    Dekozeile(db.Db(), nullwerte, "Minzzweig", "frisch");
    Viewer().Anzeigen(QStringLiteral("Nullwerte"));
    EXPECT_EQ(Sheet().Lines(),
              (QStringList{"Nullwerte", "Zutaten", " Gin", "1 cl Gin oder 2 cl Wodka", "Dekoration",
                           "Zitronenscheibe", "Minzzweig (frisch) ", "Zubereitung", "4"}));

    // No lines: both headings with their blank lines. An empty description is left out; an
    // empty inventor and address (not Null) take a line each after the preparation's.
    Cocktail(db.Db(), {"Leerwerte", "", "", {}, "", ""});
    EXPECT_EQ(Fixed(QStringLiteral("Leerwerte")).at(1), Drawn("Zutaten", 0, 575, 10, true, false));
    EXPECT_EQ(Sheet().Lines(), (QStringList{"Leerwerte", "Zutaten", "Dekoration", "Zubereitung"}));
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

// A long recipe shows the scroll bar, fits beside it and scrolls to its last line; a short one
// after it takes the full width again, from the top.
TEST_F(KqRezepteTest, ALongRecipeCanBeScrolledToItsLastLine) {
    const QString schritte = QStringLiteral("Alles gut verrühren, abseihen und kalt servieren, "
                                            "dann den nächsten Schritt vorbereiten.\r\n");
    Cocktail(db.Db(), {"Langer Abend", "Viel zu tun", schritte.repeated(30), "3", "Niemand",
                       "https://example.org/langer-abend"});
    Viewer().Anzeigen(QStringLiteral("Langer Abend"));
    EXPECT_TRUE(Sheet().ScrollBarShown());
    ExpectWithinWidth();
    const Blatt::Piece last = Sheet().Pieces().back();
    EXPECT_EQ(last.text, QStringLiteral("https://example.org/langer-abend"));
    QTest::keyClick(&Sheet(), Qt::Key_End);
    EXPECT_GE(last.y, Sheet().ScrollTop());
    EXPECT_LE(last.y + last.height, Sheet().ScrollTop() + Sheet().ScaleHeight());

    Viewer().Anzeigen(QStringLiteral("Mojito"));
    EXPECT_FALSE(Sheet().ScrollBarShown());
    EXPECT_EQ(std::make_pair(Sheet().ScaleWidth(), Sheet().ScrollTop()), std::make_pair(9255., 0.));
}

// Start chooses the exact name (another case is another name) and its first occurrence; every
// starter sheet fits, and later sheets reuse the translations of the first.
TEST_F(KqRezepteTest, StartChoosesTheExactNameAndEveryStarterSheetFits) {
    ASSERT_EQ(List().ListCount(), 64);
    EXPECT_FALSE(List().isEditable());
    EXPECT_EQ(List().ListIndex(), 0);
    List().SetListIndex(2);
    const QString gewählt = List().Text();
    Viewer().Start(QStringLiteral("mai tai"));
    EXPECT_TRUE(Viewer().isVisible());
    EXPECT_EQ(List().Text(), gewählt);
    EXPECT_TRUE(Sheet().Pieces().empty());

    for (int i = 0; i < List().ListCount(); ++i) {
        Viewer().Anzeigen(List().List(i));
        EXPECT_EQ(Sheet().Lines().value(0), List().List(i));
        ExpectWithinWidth();
    }
    const dao::ShapeCacheCounts vorher = dao::ShapeCache();
    const int erste = List().findText(QStringLiteral("Mojito"));
    List().AddItem(QStringLiteral("Mojito"));
    Viewer().Start(QStringLiteral("Mojito"));
    EXPECT_EQ(List().ListIndex(), erste);
    EXPECT_EQ(Sheet().Lines().value(0), QStringLiteral("Mojito"));
    EXPECT_EQ(dao::ShapeCache().misses, vorher.misses);
    EXPECT_GT(dao::ShapeCache().hits, vorher.hits);
}
