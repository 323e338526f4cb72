// The image button: pictures at rest and pressed, the focus frame, Click, its
// stored properties and how it presents itself to screen readers.

#include "menu/ZebKnopf.h"
#include "MsgBoxExpect.h"
#include "menu/PropertyBag.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPixmap Filled(const QColor& colour) {
    QPixmap p(99, 42);
    p.fill(colour);
    return p;
}

bool Same(const QPixmap& a, const QPixmap& b) {
    return a.toImage() == b.toImage();
}

QByteArray Png(const QPixmap& p) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    p.save(&buffer, "PNG");
    return bytes;
}

struct Knopf {
    Knopf() {
        window.resize(300, 100);
        button = new ZebKnopf(&window);
        button->setGeometry(10, 10, 99, 42);
        button->SetImage1(rest);
        button->SetImage2(pressed);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    ZebKnopf* button;
    QPixmap rest = Filled(Qt::yellow);
    QPixmap pressed = Filled(QColor(255, 160, 40));
};

} // namespace

TEST(ZebKnopf, PressShowsTheSecondPictureClickOnlyInsideNewPicturesAndScreenReaders) {
    Knopf k;
    QSignalSpy clicks(k.button, &ZebKnopf::Click);
    EXPECT_TRUE(Same(k.button->Picture(), k.rest));

    QTest::mousePress(k.button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(Same(k.button->Picture(), k.pressed));
    QTest::mouseRelease(k.button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(Same(k.button->Picture(), k.rest));
    EXPECT_EQ(clicks.count(), 1);

    // Released outside: the resting picture again, but no click.
    QTest::mousePress(k.button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(Same(k.button->Picture(), k.pressed));
    QTest::mouseRelease(k.button, Qt::LeftButton, {}, QPoint(150, 20));
    EXPECT_TRUE(Same(k.button->Picture(), k.rest));
    EXPECT_EQ(clicks.count(), 1);

    // Space and Enter work the button that has the focus.
    k.button->setFocus();
    QTest::keyClick(k.button, Qt::Key_Space);
    QTest::keyClick(k.button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_TRUE(Same(k.button->Picture(), k.rest));

    // Screen readers see a push button with a press action.
    k.button->setAccessibleName(QStringLiteral("Zutatenliste"));
    QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(k.button);
    ASSERT_NE(a11y, nullptr);
    EXPECT_EQ(a11y->role(), QAccessible::PushButton);
    EXPECT_EQ(a11y->text(QAccessible::Name), QStringLiteral("Zutatenliste"));
    ASSERT_NE(a11y->actionInterface(), nullptr);
    a11y->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 4);

    // The surface draws the picture at its own size at the top-left corner.
    k.button->resize(120, 60);
    const QImage drawn = k.button->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(5, 5), QColor(Qt::yellow));
    EXPECT_NE(drawn.pixelColor(110, 55), QColor(Qt::yellow));
}

TEST(ZebKnopf, StoredPropertiesAreReadInOrderMissingOnesSilently) {
    ZebKnopf button;
    const QPixmap rest = Filled(Qt::yellow);
    const QPixmap pressed = Filled(Qt::red);
    // Reads a bag of these values; expects the one message given, or none.
    const auto lesen = [&button](std::initializer_list<std::pair<const char*, QVariant>> werte,
                                 const char* meldung = nullptr) {
        MsgBoxExpect boxes;
        if (meldung) boxes.Expect(QString::fromUtf8(meldung), toolkit::vbOK);
        PropertyBag bag;
        for (const auto& [name, wert] : werte)
            bag.WriteProperty(QString::fromUtf8(name), wert);
        button.UserControl_ReadProperties(bag);
    };

    // Lower-case keys, no "Bild2": the other three, and no message.
    button.SetImage2(pressed);
    lesen(
        {{"backcolor", 0x00DFFFFF}, {"framecolor", 255}, {"bild1", Png(rest)}, {"_extentx", 2619}});
    EXPECT_EQ(ColourOf(button.BackColor()), QColor(255, 255, 223));
    EXPECT_EQ(button.FrameColor(), 255u);
    EXPECT_TRUE(Same(button.Image1(), rest));
    EXPECT_TRUE(Same(button.Image2(), pressed)); // kept its value

    // Writing stores all four keys in order; reading them back gives the same.
    PropertyBag bag;
    button.UserControl_WriteProperties(bag);
    EXPECT_EQ(bag.Names(), (QStringList{"BackColor", "FrameColor", "Bild1", "Bild2"}));
    ZebKnopf copy;
    copy.UserControl_ReadProperties(bag);
    EXPECT_EQ(std::make_pair(copy.BackColor(), copy.FrameColor()),
              std::make_pair(button.BackColor(), button.FrameColor()));
    EXPECT_TRUE(Same(copy.Image1(), button.Image1()) && Same(copy.Image2(), button.Image2()));

    // A picture that is no image: reported as such.
    lesen({{"Bild1", QByteArray("kein Bild")}}, "481");
}
