// The text surface: its operations in twips and the drawing it keeps and paints.

#include "ViewerTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

using viewertest::LineHeight;

namespace {

// Bounding box of the dark pixels.
QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).lightness() < 200) box |= QRect(x, y, 1, 1);
    return box;
}

QImage Render(Blatt& blatt, int ratio) {
    QImage image(blatt.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    blatt.render(&image);
    return image;
}

} // namespace

TEST(Blatt, PrintsAtTheCursorMeasuresAndClears) {
    Blatt blatt;
    blatt.resize(617, 433);
    blatt.SetMetrics(viewertest::FixedMetrics());
    EXPECT_EQ(std::make_pair(blatt.ScaleWidth(), blatt.ScaleHeight()),
              std::make_pair(9255., 6495.));
    blatt.SetFontSize(10);
    EXPECT_EQ(blatt.TextWidth(QStringLiteral("ab\r\nabcd\nc")), 440); // the widest line, bold
    EXPECT_EQ(blatt.TextHeight(QString()), LineHeight(10));
    EXPECT_EQ(blatt.TextHeight(QStringLiteral("a\nb")), 2 * LineHeight(10));

    blatt.SetCurrentX(300);
    blatt.SetCurrentY(40);
    blatt.Print(QStringLiteral("Zutaten"));
    EXPECT_EQ(std::make_pair(blatt.CurrentX(), blatt.CurrentY()),
              std::make_pair(0., 40 + LineHeight(10)));
    blatt.SetFontSize(9);
    blatt.SetFontBold(false);
    blatt.Print(QStringLiteral("eins\ndrei"), true);
    ASSERT_EQ(blatt.Pieces().size(), 3u);
    const Blatt::Piece& p = blatt.Pieces()[0];
    EXPECT_EQ(std::tie(p.text, p.x, p.y, p.size, p.bold, p.centred),
              std::make_tuple(QStringLiteral("Zutaten"), 300., 40., 10., true, false));
    const Blatt::Piece& q = blatt.Pieces()[2];
    EXPECT_EQ(std::tie(q.x, q.y, q.bold, q.centred),
              std::make_tuple(0., 40 + LineHeight(10) + LineHeight(9), false, true));
    EXPECT_EQ(blatt.ContentHeight(), q.y + LineHeight(9));
    blatt.SetCurrentX(9000);
    blatt.SetCurrentY(40);
    blatt.Print(QStringLiteral(" rechts"));
    EXPECT_EQ(blatt.Lines(), (QStringList{"Zutaten rechts", "eins", "drei"})); // top to bottom

    blatt.Cls();
    EXPECT_TRUE(blatt.Pieces().empty());
    EXPECT_EQ(std::make_pair(blatt.CurrentX(), blatt.CurrentY()), std::make_pair(0., 0.));
}

TEST(Blatt, PaintsFromWhatItKeepsAtAnyPixelDensity) {
    Blatt blatt;
    blatt.resize(300, 120);
    EXPECT_FALSE(InkBox(blatt.grab().toImage()).isValid()) << "a new sheet is white";
    blatt.SetFontSize(14);
    blatt.SetCurrentX(450); // 30 pixels
    blatt.SetCurrentY(300); // 20 pixels
    blatt.Print(QStringLiteral("Gin Fizz"));
    const QImage once = blatt.grab().toImage();
    const QRect ink = InkBox(once);
    ASSERT_TRUE(ink.isValid());
    EXPECT_NEAR(ink.left(), 31, 2);
    EXPECT_GE(ink.top(), 20);
    EXPECT_LE(ink.bottom(), 20 + blatt.TextHeight(QString()) / 15);
    EXPECT_NEAR(ink.width(), blatt.TextWidth(QStringLiteral("Gin Fizz")) / 15, 4);

    // Shown, hidden and shown again (uncovered), the sheet paints the same.
    blatt.show();
    blatt.hide();
    blatt.show();
    EXPECT_EQ(blatt.grab().toImage(), once);
    blatt.hide();

    // Twice the pixels: drawn anew at the finer resolution, not an enlarged picture.
    const QImage coarse = Render(blatt, 1);
    const QImage fine = Render(blatt, 2);
    EXPECT_NEAR(InkBox(fine).width(), 2 * InkBox(coarse).width(), 6);
    EXPECT_NE(fine.copy(InkBox(fine)), coarse.scaled(coarse.size() * 2).copy(InkBox(fine)));

    blatt.Cls();
    EXPECT_FALSE(InkBox(blatt.grab().toImage()).isValid());
}
