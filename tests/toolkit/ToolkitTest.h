#pragma once
// Shared fixture: every test ends with the forms it left unloaded and no window left over.

#include "NoWindowLeft.h"
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
        ExpectNoWindowLeft();
    }

    // Shows a form and waits until it is on screen and active.
    static void ShowAndWait(toolkit::Form& form) {
        form.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &form; }));
    }
};
