#include "toolkit/MsgBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <utility>
#include <vector>

namespace toolkit {

namespace {

MsgBoxResponder& Responder() {
    static MsgBoxResponder responder;
    return responder;
}

QMessageBox::StandardButton StandardButtonFor(int answer) {
    switch (answer) {
    case vbOK:
        return QMessageBox::Ok;
    case vbCancel:
        return QMessageBox::Cancel;
    case vbAbort:
        return QMessageBox::Abort;
    case vbRetry:
        return QMessageBox::Retry;
    case vbIgnore:
        return QMessageBox::Ignore;
    case vbYes:
        return QMessageBox::Yes;
    case vbNo:
        return QMessageBox::No;
    default:
        return QMessageBox::NoButton;
    }
}

// A box whose set has several answers and no Cancel among them (Abort, Retry, Ignore; Yes, No)
// asks for one of them: Escape and the title bar's close do nothing.
class Box : public QMessageBox {
public:
    Box(const QString& title, const QString& prompt, bool mustAnswer)
        : QMessageBox(QMessageBox::NoIcon, title, prompt, QMessageBox::NoButton,
                      QApplication::activeWindow()),
          m_mustAnswer(mustAnswer) {
        if (mustAnswer) setWindowFlag(Qt::WindowCloseButtonHint, false);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (m_mustAnswer && event->matches(QKeySequence::Cancel)) return event->accept();
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (m_mustAnswer) return event->ignore();
        QMessageBox::closeEvent(event);
    }

private:
    bool m_mustAnswer;
};

int NormalisedSet(int buttons) {
    const int set = buttons & 0xF;
    return set <= vbRetryCancel ? set : vbOKOnly;
}

} // namespace

QList<int> MsgBoxAnswers(int buttons) {
    switch (NormalisedSet(buttons)) {
    case vbOKCancel:
        return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
        return {vbYes, vbNo, vbCancel};
    case vbYesNo:
        return {vbYes, vbNo};
    case vbRetryCancel:
        return {vbRetry, vbCancel};
    default:
        return {vbOK};
    }
}

int MsgBox(const QString& prompt, int buttons, const QString& title) {
    const QString shownTitle = title.isEmpty() ? kDefaultMsgBoxTitle : title;
    const int set = NormalisedSet(buttons);
    if (Responder()) {
        // A copy: the responder may replace itself while it answers.
        const MsgBoxResponder responder = Responder();
        return responder(prompt, set, shownTitle);
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) ||
        QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "%s: %s\n", shownTitle.toLocal8Bit().constData(),
                     prompt.toLocal8Bit().constData());
        std::fflush(stderr);
        const QList<int> answers = MsgBoxAnswers(set);
        return (buttons & vbDefaultButton2) && answers.size() > 1 ? answers.at(1) : answers.front();
    }
    return detail::ShowMessageBox(prompt, set | (buttons & vbDefaultButton2), shownTitle);
}

void SetMsgBoxResponder(MsgBoxResponder responder) {
    Responder() = std::move(responder);
}

namespace detail {

int ShowMessageBox(const QString& prompt, int buttons, const QString& title) {
    const QList<int> answers = MsgBoxAnswers(buttons);
    const auto standard =
        static_cast<std::size_t>((buttons & vbDefaultButton2) && answers.size() > 1);
    const bool neinStandard = answers.at(static_cast<qsizetype>(standard)) == vbNo;
    Box box(title.isEmpty() ? kDefaultMsgBoxTitle : title, prompt,
            answers.size() > 1 && !answers.contains(vbCancel) && !neinStandard);
    box.setWindowModality(Qt::ApplicationModal);
    std::vector<std::pair<QAbstractButton*, int>> shown;
    for (int answer : answers)
        shown.emplace_back(box.addButton(StandardButtonFor(answer)), answer);
    box.setDefaultButton(static_cast<QPushButton*>(shown.at(standard).first));
    if (answers.size() == 1 || neinStandard) box.setEscapeButton(shown.at(standard).first);
    for (const auto& [button, answer] : shown)
        if (answer == vbCancel) box.setEscapeButton(button);
    box.exec();
    for (const auto& [button, answer] : shown)
        if (button == box.clickedButton()) return answer;
    // Closed without a button: Cancel where the set has one, otherwise the default.
    return answers.contains(vbCancel) ? vbCancel : answers.at(static_cast<qsizetype>(standard));
}

} // namespace detail

} // namespace toolkit
