#pragma once
// Modal message boxes with the classic button sets and answer values.

#include <QList>
#include <QString>
#include <functional>

namespace toolkit {

// Button sets.
enum MsgBoxButtons : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
};

// Added to a button set: its second button is the default, and the answer where nobody can
// answer. A Yes/No box whose default is No answers No to Escape.
inline constexpr int vbDefaultButton2 = 256;

// Answers.
enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

// Title of a box shown without one.
inline const QString kDefaultMsgBoxTitle = QStringLiteral("Velkor");

// The answers a button set offers, in order; an unknown set counts as vbOKOnly.
QList<int> MsgBoxAnswers(int buttons);

// Shows prompt in a modal box without icon and returns the answer. An empty title shows
// "Velkor". With a responder installed the responder answers instead (with the button set
// reduced to one of the sets above and the title already filled in); without one, where nobody
// can answer (offscreen platform, no QApplication) the box is written to stderr and the
// first button of the set is the answer.
int MsgBox(const QString& prompt, int buttons = vbOKOnly, const QString& title = QString());

using MsgBoxResponder =
    std::function<int(const QString& prompt, int buttons, const QString& title)>;

// Installs a responder; an empty function removes it.
void SetMsgBoxResponder(MsgBoxResponder responder);

namespace detail {
// Shows the real modal QMessageBox whatever the platform; used by MsgBox and by tests.
int ShowMessageBox(const QString& prompt, int buttons, const QString& title);
} // namespace detail

} // namespace toolkit
