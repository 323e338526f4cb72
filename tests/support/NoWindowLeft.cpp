#include "NoWindowLeft.h"

#include "toolkit/Form.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

void ExpectNoWindowLeft() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(toolkit::LoadedFormCount(), 0);
    int visible = 0, forms = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        visible += window->isVisible() ? 1 : 0;
        forms += qobject_cast<toolkit::Form*>(window) ? 1 : 0;
    }
    EXPECT_EQ(visible, 0) << "a window was left open";
    EXPECT_EQ(forms, 0) << "unloaded forms must be destroyed";
}
