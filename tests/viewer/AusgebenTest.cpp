// Writing pieces onto the recipe sheet: centring and rounding to the even neighbour, breaking at
// the right edge, the blanks at a break, the cursor left behind, and the line ends; and the
// drawing the sheet keeps and paints.
// Its size in twips and the order of its lines are met in every recipe sheet KqRezepteTest
// draws.

#include "viewer/Ausgeben.h"
#include "ViewerTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>
#include <tuple>

using viewertest::LineHeight;

namespace {

using Drawing = std::vector<std::tuple<QString, double, double>>; // text, x, y
const double kLine = LineHeight(9);                               // 225
const QString kGlas = QString::fromUtf8("\xF0\x9F\x8D\xB8");      // beyond the 16-bit range

// A sheet 900 twips (60 pixels) wide: nine 9-point characters (810) fit, ten (900) do not.
class AusgebenTest : public ::testing::Test {
protected:
    AusgebenTest() {
        blatt.resize(60, 200);
        blatt.SetMetrics(viewertest::FixedMetrics());
    }
    Drawing Drawn() const {
        Drawing out;
        for (const Blatt::Piece& p : blatt.Pieces())
            out.emplace_back(p.text, p.x, p.y);
        return out;
    }
    Blatt blatt;
};

// Bounding box of the dark pixels.
QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).lightness() < 200) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

// 9-point text from a cursor, as a piece or as a line (ZeileAusgeben). The cursor is left right
// behind the last piece, or at the start of the line below it after ZeileAusgeben.
TEST_F(AusgebenTest, BreaksAtTheRightEdgeDropsTheBlanksThereAndLeavesTheCursorBehind) {
    struct Fall {
        double x, y;
        QString text;
        int ausrichtung; // 1: centred
        bool zeile;
        Drawing gezeichnet;
    };
    const std::vector<Fall> fälle = {
        // Centred: (900 - 270) / 2, (900 - 1 - 270) / 2 = 314.5 and 313.5 to the even neighbour.
        {0, 0, "abc", 1, false, {{"abc", 315, 0}}},
        {1, 0, "abc", 1, false, {{"abc", 314, 0}}},
        {3, 0, "abc", 1, false, {{"abc", 314, 0}}},
        // Inside a word; exactly one short of the edge fits.
        {0, 0, "Zitronenscheibe", 0, true, {{"Zitronens", 0, 0}, {"cheibe", 0, kLine}}},
        {0, 0, "123456789", 0, false, {{"123456789", 0, 0}}},
        // Leading blanks of the first line stay; blanks that begin or end the rest go.
        {0, 0, "  abcdefg     hij  ", 0, false, {{"  abcdefg", 0, 0}, {"hij", 0, kLine}}},
        {0, 500, "abcdefg    x", 0, false, {{"abcdefg  ", 0, 500}, {"x", 0, 500 + kLine}}},
        // Behind another piece seven fit (180 + 8 x 90 = 900); the rest starts at the left edge.
        {180, 0, "cdefghijkl", 0, false, {{"cdefghi", 180, 0}, {"jkl", 0, kLine}}},
        {360, 0, " Zitronensaft", 0, true, {{" Zitr", 360, 0}, {"onensaft", 0, kLine}}},
        // Nothing fits behind the cursor: the next line. The cursor is taken in whole twips.
        {850, 0, "xy", 0, false, {{"xy", 0, kLine}}},
        {100.5, 1012.5, "z", 0, false, {{"z", 100, 1012}}},
        // Line breaks of every kind; centred and wider than the sheet, each line centred.
        {90, 0, "eins\r\nzwei", 0, false, {{"eins", 90, 0}, {"zwei", 0, kLine}}},
        {0, 0, "\n\n  drei\rvier", 0, false, {{"  drei", 0, 2 * kLine}, {"vier", 0, 3 * kLine}}},
        {0, 0, "abcdefghijkl", 1, false, {{"abcdefghi", 45, 0}, {"jkl", 315, kLine}}},
        // Nothing to write: the cursor stays, or goes to the next line.
        {123, 456, "", 0, false, {}},
        {123, 456, "", 0, true, {}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.text.toStdString());
        blatt.Cls();
        blatt.SetCurrentX(f.x);
        blatt.SetCurrentY(f.y);
        (f.zeile ? ZeileAusgeben : Ausgeben)(blatt, f.text, 1, f.ausrichtung, false);
        EXPECT_EQ(Drawn(), f.gezeichnet);
        const auto [text, x, y] =
            f.gezeichnet.empty() ? std::tuple(QString(), f.x, f.y) : f.gezeichnet.back();
        EXPECT_EQ(blatt.CurrentX(), f.zeile ? 0 : x + 90 * static_cast<double>(text.size()));
        EXPECT_EQ(blatt.CurrentY(), f.zeile ? y + kLine : y);
    }
}

TEST_F(AusgebenTest, ANarrowSheetTakesOneCharacterPerLineAndNeverHalfOfAPair) {
    blatt.resize(4, 200);
    Ausgeben(blatt, u'a' + kGlas + u'b', 1, 0, false);
    EXPECT_EQ(Drawn(), (Drawing{{"a", 0, 0}, {kGlas, 0, kLine}, {"b", 0, 2 * kLine}}));
}

TEST(Blatt, PaintsFromWhatItKeeps) {
    Blatt blatt;
    blatt.resize(300, 120);
    EXPECT_FALSE(InkBox(blatt.grab().toImage()).isValid()) << "a new sheet is white";
    blatt.SetFontSize(14);
    blatt.SetCurrentX(450); // 30 pixels
    blatt.SetCurrentY(300); // 20 pixels
    blatt.Print(QStringLiteral("Gin Fizz"));
    const QRect ink = InkBox(blatt.grab().toImage());
    ASSERT_TRUE(ink.isValid());
    EXPECT_NEAR(ink.left(), 31, 2);
    EXPECT_GE(ink.top(), 20);
    EXPECT_LE(ink.bottom(), 20 + blatt.TextHeight(QString()) / 15);
    EXPECT_NEAR(ink.width(), blatt.TextWidth(QStringLiteral("Gin Fizz")) / 15, 4);

    blatt.Cls();
    EXPECT_FALSE(InkBox(blatt.grab().toImage()).isValid());
}
