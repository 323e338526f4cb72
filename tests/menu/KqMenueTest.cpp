// The main menu: its buttons, what each opens, the focus frame, and that
// closing it ends the program.

#include "menu/KqMenue.h"
#include "MsgBoxExpect.h"
#include "ProgramTest.h"
#include "entry/KqCocktailAendern.h"
#include "entry/KqCocktailEingabe.h"
#include "menu/ZebKnopf.h"
#include "stock/KqZutaten.h"
#include "viewer/KqRezepte.h"
#include "web/KqHomepage.h"

#include <QLabel>
#include <QLineEdit>

namespace {

class KqMenueTest : public ProgramTest {
protected:
    void Click(int index) {
        QTest::mouseClick(KqMenü::Instance().BMenüKnopf(index), Qt::LeftButton);
    }
};

int FramesVisible(const KqMenü& menu) {
    int n = 0;
    for (int i = 0; i < 5; ++i)
        n += menu.BMenüKnopf(i)->FrameVisible() ? 1 : 0;
    return n;
}

} // namespace

TEST_F(KqMenueTest, FiveButtonsWithTheirPicturesFirstHasTheFocus) {
    Start();
    KqMenü& menu = KqMenü::Instance();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    EXPECT_EQ(menu.pos(), QPoint(0, 0));
    for (int i = 0; i < 5; ++i) {
        ZebKnopf* knopf = menu.BMenüKnopf(i);
        // The stored design was read: two different pictures of the button's size.
        EXPECT_EQ(knopf->Image1().size(), knopf->size()) << i;
        EXPECT_NE(knopf->Image1().toImage(), knopf->Image2().toImage()) << i;
    }

    // The first button has the focus and shows its frame; Tab walks them in order.
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu.BMenüKnopf(0)->hasFocus(); }));
    EXPECT_TRUE(menu.BMenüKnopf(0)->FrameVisible());
    for (int i = 1; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(menu.BMenüKnopf(i)->hasFocus()) << i;
        EXPECT_TRUE(menu.BMenüKnopf(i)->FrameVisible()) << i;
        EXPECT_EQ(FramesVisible(menu), 1);
    }
    EXPECT_TRUE(endings.empty());
}

// That a window opened twice is raised, and opened after closing is loaded afresh, is the
// forms' own rule (FormTest).
TEST_F(KqMenueTest, EachButtonOpensItsWindowOrAnswersWithTheNotice) {
    Start();
    for (int i : {0, 1, 2, 3})
        Click(i);
    EXPECT_TRUE(KqRezepte::Loaded() && KqRezepte::Loaded()->isVisible());
    EXPECT_TRUE(KqZutaten::Loaded() && KqZutaten::Loaded()->isVisible());
    EXPECT_TRUE(KqCocktailEingabe::Loaded() && KqCocktailEingabe::Loaded()->isVisible());
    EXPECT_TRUE(KqCocktailÄndern::Loaded() && KqCocktailÄndern::Loaded()->isVisible());
    EXPECT_EQ(toolkit::LoadedFormCount(), 5);

    // "Homepage-erzeugen" asks for a folder; cancelled, it opens nothing.
    QString gefragt = QStringLiteral("-");
    KqHomepage::OrdnerWählen = [&gefragt](const QString& vorher) {
        gefragt = vorher;
        return QString();
    };
    Click(4);
    EXPECT_NE(gefragt, QStringLiteral("-"));
    EXPECT_EQ(toolkit::LoadedFormCount(), 5);
}

TEST_F(KqMenueTest, ClosingTheMenuEndsTheProgramAndStoresNothingOfTheEntryWindow) {
    Start();
    const int cocktails = db.Count(QStringLiteral("SELECT * FROM cocktails"));
    Click(2);
    Click(0);
    ASSERT_TRUE(KqCocktailEingabe::IsLoaded());
    KqMenü::Instance().close();
    EXPECT_EQ(endings, std::vector<int>{0});
    EXPECT_FALSE(HauptModul::Datenbank);
    EXPECT_EQ(db.Count(QStringLiteral("SELECT * FROM cocktails")), cocktails);
}
