#include "ToolkitTest.h"

#include "MsgBoxExpect.h"
#include "TempDatabase.h"
#include "dao/Error.h"
#include "toolkit/AbortRetryIgnore.h"
#include "toolkit/Controls.h"
#include "toolkit/Trap.h"

#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

namespace {

class TrapTest : public ToolkitTest {};

TEST_F(TrapTest, FailuresInHandlersAreShownOnceAndTheFormGoesOn) {
    auto* form = new toolkit::Form;
    QPushButton* search = toolkit::MakeButton(form, "cmdSuchen", "Suchen", {0, 0, 1500, 375});
    QLineEdit* edit = toolkit::MakeTextBox(form, "txtSuche", {0, 600, 2000, 315});
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

TEST_F(TrapTest, AbortRetryIgnoreRepeatsSkipsOrRollsBackAndEnds) {
    TempDatabase t;
    auto& db = t.Db();
    const QString insert = QStringLiteral("INSERT INTO deko (name) VALUES (\"%1\")");
    const int before = t.Count(QStringLiteral("SELECT * FROM deko"));
    int aborts = 0;
    const auto trap = [&](dao::Transaction* transaction) {
        return toolkit::AbortRetryIgnore(
            {[](int number, const QString& text) {
                 return QStringLiteral("Nummer: %1 %2").arg(number).arg(text);
             },
             {dao::errDuplicateKey},
             [&] { ++aborts; },
             transaction});
    };
    MsgBoxExpect boxes;
    {
        // Retry runs the operation again; Ignore goes on without it.
        toolkit::AbortRetryIgnore falle = trap(nullptr);
        int tries = 0;
        boxes.Expect(QStringLiteral("Nummer: 3021"), toolkit::vbRetry, QStringLiteral("Fehler!"));
        EXPECT_TRUE(falle.Step([&] {
            if (++tries == 1) throw dao::Error(dao::errNoCurrentRecord, QStringLiteral("x"));
        }));
        EXPECT_EQ(tries, 2);
        boxes.Expect(QStringLiteral("Nummer: 0 kaputt"), toolkit::vbIgnore,
                     QStringLiteral("Fehler!"));
        EXPECT_FALSE(falle.Step([] { throw std::runtime_error("kaputt"); }));
        EXPECT_TRUE(falle.Step([] {}));
        // A number that ends silently: no box, and nothing runs after it.
        EXPECT_FALSE(
            falle.Step([] { throw dao::Error(dao::errDuplicateKey, QStringLiteral("d")); }));
        bool ran = false;
        EXPECT_FALSE(falle.Step([&] { ran = true; }));
        EXPECT_FALSE(ran);
        EXPECT_EQ(aborts, 0);
    }
    {
        // Abort rolls back what the routine stored, then ends it.
        dao::Transaction transaction(db);
        toolkit::AbortRetryIgnore falle = trap(&transaction);
        EXPECT_TRUE(
            falle.Step([&] { db.Execute(insert.arg(QStringLiteral("Zuckerrand aus Glas"))); }));
        boxes.Expect(QStringLiteral("Nummer: 3078"), toolkit::vbAbort, QStringLiteral("Fehler!"));
        EXPECT_FALSE(
            falle.Step([&] { db.Execute(QStringLiteral("INSERT INTO fehlt VALUES (1)")); }));
        EXPECT_TRUE(falle.Ended());
        EXPECT_EQ(aborts, 1);
        EXPECT_EQ(db.TransactionDepth(), 0);
        EXPECT_FALSE(falle.Step([&] { db.Execute(insert.arg(QStringLiteral("Später"))); }));
    }
    EXPECT_EQ(t.Count(QStringLiteral("SELECT * FROM deko")), before);
    EXPECT_EQ(boxes.Pending(), 0);
}
