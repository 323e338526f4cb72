#pragma once
// Shared fixture: every test ends with no form loaded and no window left over.

#include "toolkit/Form.h"
#include "toolkit/MsgBox.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

class ToolkitTest : public ::testing::Test {
protected:
    void TearDown() override {
        toolkit::SetMsgBoxResponder({});
        toolkit::UnloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(toolkit::LoadedFormCount(), 0);
        int visible = 0, forms = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            visible += window->isVisible() ? 1 : 0;
            forms += qobject_cast<toolkit::Form*>(window) ? 1 : 0;
        }
        EXPECT_EQ(visible, 0);
        EXPECT_EQ(forms, 0) << "unloaded forms must be destroyed";
    }

    // Shows a form and waits until it is on screen and active.
    static void ShowAndWait(toolkit::Form& form) {
        form.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &form; }));
    }
};
