#include "NoWindowLeft.h"

#include "toolkit/Form.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

void ExpectNoWindowLeft() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(toolkit::LoadedFormCount(), 0);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible())
            << "a window was left open: " << qPrintable(window->objectName());
        EXPECT_FALSE(qobject_cast<toolkit::Form*>(window))
            << "unloaded forms must be destroyed: " << qPrintable(window->objectName());
    }
}
