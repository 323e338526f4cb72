#include "ToolkitTest.h"

#include "MsgBoxExpect.h"
#include "dao/Error.h"
#include "toolkit/Controls.h"
#include "toolkit/Trap.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {

// The program's form classes carry umlauts and no Q_OBJECT; so does this one.
class KqPrüfform : public toolkit::SingleForm<KqPrüfform> {
public:
    KqPrüfform() {
        SetInnerSize(4500, 3000);
        name = toolkit::MakeTextBox(this, "txtName", {120, 120, 3000, 315});
        closeButton = toolkit::MakeButton(this, "cmdEnde", "Schließen", {120, 600, 1500, 375});
        toolkit::ConnectClick(closeButton, this, [this] {
            Unload();
            textAfterUnload = name->text(); // still usable until the handler returns
        });
    }
    QLineEdit* name;
    QPushButton* closeButton;
    QString textAfterUnload;
    inline static int loads = 0, unloads = 0;
    inline static bool failLoad = false, failUnload = false;

protected:
    void Form_Load() override {
        ++loads;
        if (failLoad) throw dao::Error(dao::errFileNotFound, "Datei nicht gefunden.");
    }
    void Form_Unload() override {
        ++unloads;
        if (failUnload) throw dao::Error(dao::errDamagedFile, "Datenbank beschädigt.");
    }
};

class KqZweitform : public toolkit::SingleForm<KqZweitform> {
public:
    inline static int unloads = 0;

protected:
    void Form_Unload() override { ++unloads; }
};

class FormTest : public ToolkitTest {
protected:
    void SetUp() override {
        KqPrüfform::loads = KqPrüfform::unloads = KqZweitform::unloads = 0;
        KqPrüfform::failLoad = KqPrüfform::failUnload = false;
    }
};

TEST_F(FormTest, LoadsHiddenOnceShowRaisesItAndUnloadedFromItsHandlerLoadsAfresh) {
    EXPECT_EQ(KqPrüfform::Loaded(), nullptr);
    KqPrüfform& form = KqPrüfform::Instance();
    EXPECT_EQ(KqPrüfform::Loaded(), &form);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.maximumSize(), QSize(300, 200));
    EXPECT_EQ(form.closeButton->geometry(), QRect(8, 40, 100, 25));
    ShowAndWait(form);
    form.name->setText("Mojito");
    ShowAndWait(KqZweitform::Instance());
    KqPrüfform::Instance().Show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &form; }));
    EXPECT_EQ(&KqPrüfform::Instance(), &form);
    EXPECT_EQ(KqPrüfform::loads, 1);
    EXPECT_EQ(toolkit::LoadedFormCount(), 2);

    QPointer<KqPrüfform> old = &form;
    QTest::mouseClick(form.closeButton, Qt::LeftButton);
    EXPECT_FALSE(KqPrüfform::IsLoaded());
    ASSERT_FALSE(old.isNull()) << "destroyed only once control returns to the event loop";
    EXPECT_EQ(old->textAfterUnload, "Mojito");
    EXPECT_FALSE(old->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return old.isNull(); }));
    EXPECT_EQ(KqPrüfform::Instance().name->text(), "");
    EXPECT_EQ(KqPrüfform::loads, 2);
    KqPrüfform::Instance().Show();
    KqPrüfform::Instance().close();
    EXPECT_FALSE(KqPrüfform::IsLoaded());
    EXPECT_EQ(KqPrüfform::unloads, 2);
}

TEST_F(FormTest, UnloadRunsOnceNeverOnDiscardAllAndFailuresLeaveNoHalfLoadedForm) {
    KqPrüfform& form = KqPrüfform::Instance();
    KqZweitform::Instance().Show();
    form.Unload();
    form.Unload();
    toolkit::UnloadAll();
    EXPECT_EQ(KqPrüfform::unloads + KqZweitform::unloads, 2);
    KqPrüfform::Instance().Show();
    KqZweitform::Instance().Show();
    toolkit::DiscardAll();
    EXPECT_EQ(KqPrüfform::unloads + KqZweitform::unloads, 2);
    EXPECT_EQ(toolkit::LoadedFormCount(), 0);

    KqPrüfform::failLoad = true;
    EXPECT_THROW(KqPrüfform::Instance(), dao::Error);
    EXPECT_FALSE(KqPrüfform::IsLoaded());
    KqPrüfform::failLoad = false;
    KqPrüfform::failUnload = true;
    MsgBoxExpect boxes;
    boxes.Expect("Datenbank beschädigt.", toolkit::vbOK);
    KqPrüfform::Instance().Show();
    KqPrüfform::Instance().close();
    EXPECT_FALSE(KqPrüfform::IsLoaded());
}

} // namespace
