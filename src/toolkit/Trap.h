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
} // namespace detail

// Wraps a handler: the returned callable accepts (and ignores) any signal arguments, runs the
// handler and reports whatever it throws.
template <class F> auto Trapped(F&& f) {
    return [fn = std::decay_t<F>(std::forward<F>(f))](auto&&...) mutable {
        try {
            fn();
        } catch (...) {
            detail::ReportCurrentException();
        }
    };
}

// Runs handler through Trapped whenever button is clicked (while context lives).
void ConnectClick(QAbstractButton* button, QObject* context, std::function<void()> handler);

} // namespace toolkit
