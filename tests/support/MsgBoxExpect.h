#pragma once
// Strict expectations on message boxes for tests: every box must have been announced with
// Expect, in order; anything else fails the test.

#include "toolkit/MsgBox.h"

#include <QString>
#include <QStringList>
#include <deque>

// A responder that shows the real box and answers it as a user would who first presses Escape,
// then closes it by its title bar, and then clicks the button of answer. Counts in *stayed the
// boxes that were still open after Escape and closing.
toolkit::MsgBoxResponder RealBoxAfterEscapeAndClose(int answer, int* stayed);

class MsgBoxExpect {
public:
    // Installs itself as the message box responder; the destructor removes it and fails the
    // test when expected boxes were never shown.
    MsgBoxExpect();
    ~MsgBoxExpect();
    MsgBoxExpect(const MsgBoxExpect&) = delete;
    MsgBoxExpect& operator=(const MsgBoxExpect&) = delete;

    // The next box must contain textSubstring, carry title and offer answer, which answers it.
    void Expect(const QString& textSubstring, int answer,
                const QString& title = toolkit::kDefaultMsgBoxTitle) {
        m_expected.push_back({textSubstring, answer, title});
    }

    // Texts of all boxes shown so far, expected or not; the expected boxes not shown yet.
    QStringList Shown() const { return m_shown; }
    int Pending() const { return static_cast<int>(m_expected.size()); }

private:
    struct Expected {
        QString text;
        int answer;
        QString title;
    };
    std::deque<Expected> m_expected;
    QStringList m_shown;
};
