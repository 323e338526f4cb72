#include "ToolkitTest.h"

#include "MsgBoxExpect.h"

#include "toolkit/Look.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

using namespace toolkit;

class MsgBoxTest : public ToolkitTest {};

TEST_F(MsgBoxTest, TheRealBoxHasGermanStandardButtonsAndReturnsTheClickedOne) {
    ASSERT_TRUE(InstallGermanTranslation(*qApp));
    QStringList texts;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        answer.stop();
        for (QAbstractButton* button : box->buttons())
            texts << button->text();
        EXPECT_EQ(box->windowTitle(), "Velkor");
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Abort));
        box->button(QMessageBox::Retry)->click();
    });
    answer.start(10);
    EXPECT_EQ(detail::ShowMessageBox("Datei gesperrt.", vbAbortRetryIgnore, QString()), vbRetry);
    texts.sort();
    EXPECT_EQ(texts, QStringList({"Abbrechen", "Ignorieren", "Wiederholen"}));

    // A box without Cancel must be answered: Escape and the title bar's close do nothing. One
    // with Cancel (or OK alone) takes them as Cancel (OK).
    int stayed = 0;
    for (const int set : {vbAbortRetryIgnore, vbYesNo, vbOKCancel, vbOKOnly}) {
        SetMsgBoxResponder(RealBoxAfterEscapeAndClose(MsgBoxAnswers(set).back(), &stayed));
        EXPECT_EQ(MsgBox("Frage", set), MsgBoxAnswers(set).back()) << set;
    }
    SetMsgBoxResponder({});
    EXPECT_EQ(stayed, 2);

    // Yes/No with No the default: Escape answers No, as does nobody.
    QTimer escape;
    QObject::connect(&escape, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        escape.stop();
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
        QTest::keyClick(box, Qt::Key_Escape);
    });
    escape.start(10);
    EXPECT_EQ(detail::ShowMessageBox("Löschen?", vbYesNo + vbDefaultButton2, QString()), vbNo);
    EXPECT_EQ(MsgBox("Löschen?", vbYesNo + vbDefaultButton2), vbNo);
}

} // namespace
