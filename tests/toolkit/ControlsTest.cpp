#include "ToolkitTest.h"

#include "toolkit/Controls.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

namespace {

using toolkit::ComboBox;

class ControlsTest : public ToolkitTest {
protected:
    void SetUp() override {
        form = new toolkit::Form;
        form->SetInnerSize(6000, 4000);
    }

    // Counts Click events and records ListIndex and Text as the handler sees them.
    template <class Control> Control* Watched(Control* control) {
        control->OnClick([this, control] {
            ++clicks;
            seenIndex = control->ListIndex();
            seenText = control->Text();
        });
        for (const char* item : {"Tumbler", "Kelch", "Becher"})
            control->AddItem(item);
        return control;
    }

    toolkit::Form* form = nullptr;
    int clicks = 0, seenIndex = -2;
    QString seenText;
};

TEST_F(ControlsTest, ComboSelectsOnlyThroughListIndexAndClearIsSilent) {
    for (bool editable : {false, true}) {
        SCOPED_TRACE(editable ? "editable" : "list");
        clicks = 0;
        auto* combo = new ComboBox(editable, form);
        if (editable) combo->SetText("Tum");
        Watched(combo);
        EXPECT_EQ(combo->ListIndex(), -1);
        EXPECT_EQ(combo->Text(), editable ? "Tum" : "");

        combo->SetListIndex(1);
        combo->SetListIndex(1);
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(seenIndex, 1);
        EXPECT_EQ(seenText, "Kelch");
        combo->AddItem("Glas");
        EXPECT_EQ(combo->Text(), "Kelch");
        combo->SetListIndex(-1);
        EXPECT_EQ(seenText, "");
        EXPECT_THROW(combo->SetListIndex(4), std::out_of_range);

        combo->SetListIndex(2);
        combo->Clear();
        EXPECT_EQ(clicks, 3);
        EXPECT_EQ(combo->ListIndex(), -1);
        EXPECT_EQ(combo->Text(), "");
    }
}

TEST_F(ControlsTest, ComboUserChoiceRaisesClickAndKeysReachKeyPress) {
    ComboBox* list = Watched(toolkit::MakeComboBox(form, "cboGlas", false, {0, 0, 2000, 315}));
    ComboBox* free = toolkit::MakeComboBox(form, "cboName", true, {0, 500, 2000, 315});
    ShowAndWait(*form);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(seenIndex, 0);
    list->showPopup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->view()->isVisible(); }));
    list->view()->setCurrentIndex(list->model()->index(2, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(seenText, "Becher");

    int freeClicks = 0;
    free->OnClick([&] { ++freeClicks; });
    free->AddItem("GIN");
    QList<int> keys;
    free->OnKeyPress([&](int& key) {
        keys << key;
        if (key == 'x') key = 0;
        if (key >= 'a' && key <= 'z') key -= 32;
    });
    QTest::keyClicks(free, "gxin");
    QTest::keyClick(free, Qt::Key_Return);
    EXPECT_EQ(keys, QList<int>({'g', 'x', 'i', 'n', 13}));
    EXPECT_EQ(free->Text(), "GIN");
    QTest::keyClicks(free, "o");
    QTest::keyClick(free, Qt::Key_Return);
    EXPECT_EQ(free->ListCount(), 1) << "Enter must not add the text to the list";
    EXPECT_EQ(freeClicks, 0) << "typing an entry's text is no choice from the list";
}

TEST_F(ControlsTest, EnterAndSpaceClickTheFocusedButtonButEnterInABoxClicksNothing) {
    QLineEdit* box = toolkit::MakeTextBox(form, "EName", {120, 120, 3000, 315});
    QPushButton* first = toolkit::MakeButton(form, "BEins", "Eins", {0, 600, 1200, 375});
    QPushButton* second = toolkit::MakeButton(form, "BZwei", "Zwei", {1300, 600, 1200, 375});
    int ones = 0, twos = 0;
    QObject::connect(first, &QPushButton::clicked, [&] { ++ones; });
    QObject::connect(second, &QPushButton::clicked, [&] { ++twos; });
    ShowAndWait(*form);

    second->setFocus();
    QTest::keyClick(second, Qt::Key_Return);
    QTest::keyClick(second, Qt::Key_Enter);
    QTest::keyClick(second, Qt::Key_Space);
    EXPECT_EQ(twos, 3);
    EXPECT_EQ(ones, 0);

    // The box keeps its Enter: no button is clicked, not even the one focused last.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_EQ(ones + twos, 3);
    EXPECT_EQ(toolkit::CaptionName("R&&B-&Cocktails"), "R&B-Cocktails");
}

} // namespace
