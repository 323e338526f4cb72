// Writing pieces onto the sheet: centring, breaking at the right edge, the blanks at a break,
// the cursor left behind, and the line ends.

#include "viewer/Ausgeben.h"
#include "ViewerTestSupport.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

using Drawing = std::vector<std::tuple<QString, double, double>>; // text, x, y
const double kLine = viewertest::LineHeight(9);                   // 225

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
    void Cursor(double x, double y) {
        blatt.SetCurrentX(x);
        blatt.SetCurrentY(y);
    }
    Blatt blatt;
};

} // namespace

TEST(RundeGerade, HalvesGoToTheEvenNeighbour) {
    const std::vector<std::pair<double, double>> cases = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {313.5, 314}, {-0.5, 0}, {-1.5, -2}, {2.49, 2}, {2.51, 3}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(RundeGerade(value), rounded) << value;
}

TEST_F(AusgebenTest, CentredPiecesWithHalvesToEven) {
    Ausgeben(blatt, QStringLiteral("abc"), 1, 1, false); // (900 - 270) / 2 = 315
    Cursor(1, 0);
    Ausgeben(blatt, QStringLiteral("abc"), 1, 1, false); // (900 - 1 - 270) / 2 = 314.5
    Cursor(3, 0);
    Ausgeben(blatt, QStringLiteral("abc"), 1, 1, false); // 313.5
    EXPECT_EQ(Drawn(), (Drawing{{"abc", 315, 0}, {"abc", 314, 0}, {"abc", 314, 0}}));
    EXPECT_EQ(blatt.CurrentX(), 314 + 270);
    EXPECT_EQ(blatt.CurrentY(), 0);
    Cursor(0, 500);
    ZeileAusgeben(blatt, QStringLiteral("Titel"), 6, 1, true); // 14 pt bold: 5 x 150
    const Blatt::Piece& title = blatt.Pieces().back();
    EXPECT_EQ(std::tie(title.x, title.size, title.bold, title.centred),
              std::make_tuple(75.0, 14.0, true, true));
    EXPECT_FALSE(blatt.Pieces().front().bold);
}

TEST_F(AusgebenTest, BreaksInsideWordsAndDropsTheBlanksAtABreak) {
    ZeileAusgeben(blatt, QStringLiteral("Zitronenscheibe"), 1, 0, false);
    Ausgeben(blatt, QStringLiteral("123456789"), 1, 0, false); // exactly one short of the edge
    EXPECT_EQ(Drawn(),
              (Drawing{{"Zitronens", 0, 0}, {"cheibe", 0, kLine}, {"123456789", 0, 2 * kLine}}));
    EXPECT_FALSE(blatt.Pieces().front().centred);

    // Leading blanks of the first line stay; blanks that begin or end the rest go.
    blatt.Cls();
    Ausgeben(blatt, QStringLiteral("  abcdefg     hij  "), 1, 0, false);
    Cursor(0, 500);
    Ausgeben(blatt, QStringLiteral("abcdefg    x"), 1, 0, false);
    EXPECT_EQ(
        Drawn(),
        (Drawing{
            {"  abcdefg", 0, 0}, {"hij", 0, kLine}, {"abcdefg  ", 0, 500}, {"x", 0, 500 + kLine}}));
}

TEST_F(AusgebenTest, APieceBehindAnotherWrapsAtTheRightEdgeAndTheCursorFollowsTheLastLine) {
    Ausgeben(blatt, QStringLiteral("ab"), 1, 0, false);
    EXPECT_EQ(blatt.CurrentX(), 180);
    Ausgeben(blatt, QStringLiteral("cdefghijkl"), 1, 0, false); // 180 + 8 x 90 = 900: seven fit
    EXPECT_EQ(Drawn(), (Drawing{{"ab", 0, 0}, {"cdefghi", 180, 0}, {"jkl", 0, kLine}}));
    EXPECT_EQ(blatt.CurrentX(), 270); // behind "jkl", which starts at the left edge
    EXPECT_EQ(blatt.CurrentY(), kLine);

    // Nothing fits behind the cursor: the piece starts on the next line.
    blatt.Cls();
    Cursor(850, 0);
    Ausgeben(blatt, QStringLiteral("xy"), 1, 0, false);
    // The cursor is taken in whole twips.
    Cursor(100.5, 1012.5);
    Ausgeben(blatt, QStringLiteral("z"), 1, 0, false);
    EXPECT_EQ(Drawn(), (Drawing{{"xy", 0, kLine}, {"z", 100, 1012}}));
    EXPECT_EQ(blatt.CurrentX(), 190);
}

TEST_F(AusgebenTest, EmptyTextLeavesTheCursorAndZeileAusgebenAddsOneLineOfItsFont) {
    Cursor(123, 456);
    Ausgeben(blatt, QString(), 2, 0, true);
    EXPECT_TRUE(blatt.Pieces().empty());
    EXPECT_EQ(
        std::make_tuple(blatt.CurrentX(), blatt.CurrentY(), blatt.FontSize(), blatt.FontBold()),
        std::make_tuple(123.0, 456.0, 10.0, true));

    ZeileAusgeben(blatt, QStringLiteral("Zutaten"), 2, 0, true);
    EXPECT_EQ(blatt.CurrentX(), 0);
    EXPECT_EQ(blatt.CurrentY(), 456 + viewertest::LineHeight(10));
    ZeileAusgeben(blatt, QString(), 1, 0, false);
    EXPECT_EQ(blatt.CurrentY(), 456 + viewertest::LineHeight(10) + kLine);

    // After a wrapped piece: one line below its last line.
    blatt.Cls();
    Ausgeben(blatt, QStringLiteral("4 cl"), 1, 0, false);
    ZeileAusgeben(blatt, QStringLiteral(" Zitronensaft"), 1, 0, false);
    EXPECT_EQ(Drawn(), (Drawing{{"4 cl", 0, 0}, {" Zitr", 360, 0}, {"onensaft", 0, kLine}}));
    EXPECT_EQ(blatt.CurrentY(), 2 * kLine);
}

TEST_F(AusgebenTest, LineBreaksWideCentredTextAndAVeryNarrowSheet) {
    Cursor(90, 0);
    Ausgeben(blatt, QStringLiteral("eins\r\nzwei\n\n  drei\rvier"), 1, 0, false);
    EXPECT_EQ(Drawn(), (Drawing{{"eins", 90, 0},
                                {"zwei", 0, kLine},
                                {"  drei", 0, 3 * kLine},
                                {"vier", 0, 4 * kLine}}));
    EXPECT_EQ(blatt.CurrentX(), 360);

    // Centred and wider than the sheet: broken like any text, each line centred.
    blatt.Cls();
    Ausgeben(blatt, QStringLiteral("abcdefghijkl"), 1, 1, false);
    EXPECT_EQ(Drawn(), (Drawing{{"abcdefghi", 45, 0}, {"jkl", 315, kLine}}));

    // Narrower than one character: one per line, never half of a surrogate pair, and done.
    blatt.Cls();
    blatt.resize(4, 200);
    const QString glass = QString::fromUtf8("\xF0\x9F\x8D\xB8");
    Ausgeben(blatt, u'a' + glass + u'b', 1, 0, false);
    EXPECT_EQ(Drawn(), (Drawing{{"a", 0, 0}, {glass, 0, kLine}, {"b", 0, 2 * kLine}}));
}

TEST_F(AusgebenTest, ALongParagraphTakesAFewMeasurementsPerLineAndSplitsNoCharacter) {
    // A character beyond the 16-bit range that reaches the edge goes to the next line whole.
    const QString glass = QString::fromUtf8("\xF0\x9F\x8D\xB8");
    Ausgeben(blatt, QStringLiteral("abcdefgh") + glass, 1, 0, false);
    EXPECT_EQ(Drawn(), (Drawing{{QStringLiteral("abcdefgh"), 0, 0}, {glass, 0, kLine}}));

    // 10,000 characters on a sheet of 9000 twips: 99 units of 90 twips to a line, a pair of
    // units never parted, the blanks at each break dropped.
    blatt.Cls();
    blatt.resize(600, 200);
    int messungen = 0;
    qsizetype gemessen = 0; // characters over all measurements
    const Blatt::Metrics fest = viewertest::FixedMetrics();
    blatt.SetMetrics({[&](const QString& text, double points, bool bold) {
                          ++messungen;
                          gemessen += text.size();
                          return fest.width(text, points, bold);
                      },
                      fest.lineHeight});
    QString text;
    for (int i = 0; text.size() < 10000; ++i)
        text += i % 7 == 3 ? glass : QString(i % 5 == 0 ? QChar(u' ') : QChar(u'a' + i % 26));
    Drawing expected;
    QString rest = text;
    while (!rest.isEmpty()) {
        qsizetype n = 0;
        while (n < rest.size()) {
            const qsizetype next = n + (rest.at(n).isHighSurrogate() ? 2 : 1);
            if (next > 99) break;
            n = next;
        }
        expected.emplace_back(rest.left(n), 0, kLine * static_cast<double>(expected.size()));
        rest = rest.mid(n);
        while (rest.startsWith(u' '))
            rest.remove(0, 1);
        while (rest.endsWith(u' '))
            rest.chop(1);
    }
    Ausgeben(blatt, text, 1, 0, false);
    EXPECT_EQ(Drawn(), expected);
    // A few measurements per line, each of not much more than the line: no character is
    // measured once for every character before it in its paragraph.
    EXPECT_LT(messungen, 20 * static_cast<int>(expected.size()));
    EXPECT_LT(gemessen, 40 * text.size());
}
