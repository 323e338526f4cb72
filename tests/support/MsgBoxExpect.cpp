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
        return Answer(prompt, buttons, title);
    });
}

MsgBoxExpect::~MsgBoxExpect() {
    toolkit::SetMsgBoxResponder({});
    if (m_expected.empty()) return;
    QStringList missing;
    for (const Expected& box : m_expected)
        missing << QStringLiteral("\"%1\" (%2)").arg(box.text, box.title);
    ADD_FAILURE() << "Expected message boxes were not shown: "
                  << missing.join(QStringLiteral(", ")).toStdString();
}

void MsgBoxExpect::Expect(const QString& textSubstring, int answer, const QString& title) {
    m_expected.push_back({textSubstring, answer, title});
}

int MsgBoxExpect::Answer(const QString& prompt, int buttons, const QString& title) {
    m_shown << prompt;
    const int first = toolkit::MsgBoxAnswers(buttons).front();
    if (m_expected.empty() || !prompt.contains(m_expected.front().text)) {
        ADD_FAILURE() << "Unexpected message box \"" << prompt.toStdString() << "\" (title \""
                      << title.toStdString() << "\")"
                      << (m_expected.empty() ? std::string()
                                             : ", expected one containing \"" +
                                                   m_expected.front().text.toStdString() + "\"");
        return first;
    }
    const Expected box = m_expected.front();
    m_expected.pop_front();
    if (title != box.title) {
        ADD_FAILURE() << "Message box \"" << prompt.toStdString() << "\" has title \""
                      << title.toStdString() << "\", expected \"" << box.title.toStdString()
                      << "\"";
        return first;
    }
    if (!toolkit::MsgBoxAnswers(buttons).contains(box.answer)) {
        ADD_FAILURE() << "Message box \"" << prompt.toStdString() << "\" offers no button for "
                      << "the answer " << box.answer;
        return first;
    }
    return box.answer;
}
