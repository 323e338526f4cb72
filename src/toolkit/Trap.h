#pragma once
// Every event handler of every window runs through Trapped: a failure nobody handled is shown
// as a run-time error message and the program keeps running.

#include <QString>
#include <functional>
#include <type_traits>
#include <utility>

class QAbstractButton;
class QObject;

namespace toolkit {

// Shows an untrapped failure: "Laufzeitfehler '<number>':" and the description, or
// "Laufzeitfehler: <description>" when the failure has no number (0).
void ReportUntrapped(int number, const QString& description);

namespace detail {
// Reports the exception being handled; call only from inside a catch block.
void ReportCurrentException() noexcept;
// Count the handlers running; the outermost one's end runs the followers.
void HandlerBegins() noexcept;
void HandlerEnds() noexcept;
} // namespace detail

// Wraps a handler: the returned callable accepts (and ignores) any signal arguments, runs the
// handler and reports whatever it throws. When the outermost handler has ended, every follower
// runs (see Follow).
template <class F> auto Trapped(F&& f) {
    return [fn = std::decay_t<F>(std::forward<F>(f))](auto&&...) mutable {
        detail::HandlerBegins();
        try {
            fn();
        } catch (...) {
            detail::ReportCurrentException();
        }
        detail::HandlerEnds();
    };
}

// A window that shows what the file holds follows every change: follow runs after each
// outermost handler of any window (a change this program made is then complete) and when any
// window comes to the front (another program may have written the file), for as long as
// context lives. It compares cheaply whether the file changed before it reads anything. What
// it throws is reported as a handler's failure is.
void Follow(QObject* context, std::function<void()> follow);
// Runs every follower now, unless a handler is running (then its end runs them).
void FollowAll();

// Runs handler through Trapped whenever button is clicked (while context lives).
void ConnectClick(QAbstractButton* button, QObject* context, std::function<void()> handler);

} // namespace toolkit
