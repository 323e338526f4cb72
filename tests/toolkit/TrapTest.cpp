#include "ToolkitTest.h"

#include "MsgBoxExpect.h"
#include "dao/Error.h"
#include "toolkit/Controls.h"
#include "toolkit/Trap.h"

#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

namespace {

class TrapTest : public ToolkitTest {};

TEST_F(TrapTest, FailuresInHandlersAreShownOnceAndTheFormGoesOn) {
    auto* form = new toolkit::Form;
    QPushButton* search = toolkit::MakeButton(form, "cmdSuchen", "Suchen", 0, 0, 1500, 375);
    QLineEdit* edit = toolkit::MakeTextBox(form, "txtSuche", 0, 600, 2000, 315);
    int runs = 0;
    toolkit::ConnectClick(search, form, [&] {
        ++runs;
        throw dao::Error(dao::errNoCurrentRecord, "Kein aktueller Datensatz.");
    });
    // Signals with arguments go through the same trap.
    QObject::connect(edit, &QLineEdit::textChanged, form,
                     toolkit::Trapped([] { throw std::runtime_error("kaputt"); }));
    ShowAndWait(*form);

    MsgBoxExpect boxes;
    boxes.Expect("3021", toolkit::vbOK);
    boxes.Expect("Kein aktueller Datensatz.", toolkit::vbOK);
    boxes.Expect("Laufzeitfehler: kaputt", toolkit::vbOK);
    QTest::mouseClick(search, Qt::LeftButton);
    ASSERT_EQ(boxes.Shown(), QStringList({"Laufzeitfehler '3021':\n\nKein aktueller Datensatz."}));
    QTest::mouseClick(search, Qt::LeftButton);
    EXPECT_EQ(runs, 2);
    edit->setText("Minze");
    EXPECT_EQ(boxes.Shown().size(), 3);
    EXPECT_EQ(edit->text(), "Minze");
    EXPECT_TRUE(form->isVisible());
}

} // namespace
