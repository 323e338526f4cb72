#include "toolkit/Trap.h"

#include "dao/Error.h"
#include "toolkit/MsgBox.h"

#include <QAbstractButton>
#include <QPointer>
#include <exception>
#include <vector>

namespace toolkit {

void ReportUntrapped(int number, const QString& description) {
    const QString text =
        number != 0
            ? QStringLiteral("Laufzeitfehler '%1':\n\n%2").arg(QString::number(number), description)
            : QStringLiteral("Laufzeitfehler: %1").arg(description);
    MsgBox(text, vbOKOnly);
}

namespace detail {

void ReportCurrentException() noexcept {
    try {
        try {
            throw;
        } catch (const dao::Error& e) {
            ReportUntrapped(e.Number(), e.Description());
        } catch (const std::exception& e) {
            ReportUntrapped(0, QString::fromUtf8(e.what()));
        } catch (...) {
            ReportUntrapped(0, QStringLiteral("Unbekannter Fehler"));
        }
    } catch (...) {
        // Showing the report failed as well; there is nobody left to tell.
    }
}

namespace {

struct Follower {
    QPointer<QObject> context;
    std::function<void()> follow;
};

std::vector<Follower>& Followers() {
    static std::vector<Follower> followers;
    return followers;
}

int& Depth() {
    static int depth = 0;
    return depth;
}

void RunFollowers() {
    // The followers run as one handler: what they raise (a list's Click) runs none again.
    ++Depth();
    std::vector<Follower>& all = Followers();
    std::erase_if(all, [](const Follower& f) { return f.context.isNull(); });
    // A copy: a follower may load a window, which adds one.
    const std::vector<Follower> now = all;
    for (const Follower& f : now) {
        if (f.context.isNull()) continue;
        try {
            f.follow();
        } catch (...) {
            detail::ReportCurrentException();
        }
    }
    --Depth();
}

} // namespace

void HandlerBegins() noexcept {
    ++Depth();
}

void HandlerEnds() noexcept {
    if (--Depth() == 0) {
        try {
            RunFollowers();
        } catch (...) {
            ReportCurrentException();
        }
    }
}

} // namespace detail

void Follow(QObject* context, std::function<void()> follow) {
    if (context && follow) detail::Followers().push_back({context, std::move(follow)});
}

void FollowAll() {
    if (detail::Depth() == 0) detail::RunFollowers();
}

void ConnectClick(QAbstractButton* button, QObject* context, std::function<void()> handler) {
    if (!button || !handler) return;
    QObject::connect(button, &QAbstractButton::clicked, context ? context : button,
                     Trapped(std::move(handler)));
}

} // namespace toolkit
