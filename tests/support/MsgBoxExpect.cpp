#include "MsgBoxExpect.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

toolkit::MsgBoxResponder RealBoxAfterEscapeAndClose(int answer, int* stayed) {
    return [answer, stayed](const QString& prompt, int buttons, const QString& title) {
        QTimer::singleShot(0, [answer, stayed] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            QTest::keyClick(box, Qt::Key_Escape);
            box->close();
            QApplication::processEvents();
            if (!box->isVisible()) return;
            ++*stayed;
            const auto standard = answer == toolkit::vbAbort    ? QMessageBox::Abort
                                  : answer == toolkit::vbRetry  ? QMessageBox::Retry
                                  : answer == toolkit::vbIgnore ? QMessageBox::Ignore
                                  : answer == toolkit::vbNo     ? QMessageBox::No
                                                                : QMessageBox::Yes;
            box->button(standard)->click();
        });
        return toolkit::detail::ShowMessageBox(prompt, buttons, title);
    };
}

MsgBoxExpect::MsgBoxExpect() {
    toolkit::SetMsgBoxResponder([this](const QString& prompt, int buttons, const QString& title) {
        m_shown << prompt;
        const int first = toolkit::MsgBoxAnswers(buttons).front();
        if (m_expected.empty() || !prompt.contains(m_expected.front().text)) {
            ADD_FAILURE() << "Unexpected message box \"" << qPrintable(prompt) << "\" (title \""
                          << qPrintable(title) << "\"), expected "
                          << (m_expected.empty() ? "none" : qPrintable(m_expected.front().text));
            return first;
        }
        const Expected box = m_expected.front();
        m_expected.pop_front();
        if (title == box.title && toolkit::MsgBoxAnswers(buttons).contains(box.answer))
            return box.answer;
        ADD_FAILURE() << "Message box \"" << qPrintable(prompt) << "\" has title \""
                      << qPrintable(title) << "\" and buttons " << buttons
                      << ", expected the title \"" << qPrintable(box.title) << "\" and answer "
                      << box.answer;
        return first;
    });
}

MsgBoxExpect::~MsgBoxExpect() {
    toolkit::SetMsgBoxResponder({});
    for (const Expected& box : m_expected)
        ADD_FAILURE() << "Expected message box not shown: \"" << qPrintable(box.text)
                      << "\" (title \"" << qPrintable(box.title) << "\")";
}
