#pragma once
// The error trap of the routines that store data: an operation that fails shows its message with
// the title "Fehler!" and the buttons Abort, Retry and Ignore. Retry runs the operation again,
// Ignore goes on without it, Abort rolls back the routine's transaction (when it has one) and
// then does what the routine says (the program ends). Failures with a number the routine names
// end it silently.
//
// Once the routine has ended (silently or by Abort), every later step runs nothing and reports
// that it did not run, so the routine runs to its end without touching anything more.
//
// A failure that made the store take back the routine's transaction (a full disk, a file that
// takes no writes) cannot be retried on its own: nothing written before it is left. Retry then
// ends the routine and asks for it to be run again from its beginning (Restart); Ignore ends it
// with nothing stored.

#include <QString>
#include <functional>
#include <vector>

namespace dao {
class Transaction;
}

namespace toolkit {

class AbortRetryIgnore {
public:
    struct Options {
        // The message for a failure: its number (0 when it has none) and description.
        std::function<QString(int number, const QString& description)> text;
        // Failures with these numbers end the routine without a message.
        std::vector<int> endSilently;
        // What Abort does after the rollback.
        std::function<void()> abort;
        // Rolled back by Abort; may be null.
        dao::Transaction* transaction = nullptr;
    };

    explicit AbortRetryIgnore(Options options) : m_options(std::move(options)) {}

    // Runs one operation. True when it ran; false when it failed and the user chose Ignore, or
    // when the routine has ended.
    bool Step(const std::function<void()>& operation);
    bool Ended() const { return m_ended; }
    // The routine's transaction was lost and the user chose Retry: run the routine again.
    bool Restart() const { return m_restart; }

private:
    Options m_options;
    bool m_ended = false;
    bool m_restart = false;
};

} // namespace toolkit
