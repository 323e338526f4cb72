#include "toolkit/AbortRetryIgnore.h"

#include "dao/Dao.h"
#include "toolkit/MsgBox.h"

#include <algorithm>
#include <exception>

namespace toolkit {

bool AbortRetryIgnore::Step(const std::function<void()>& operation) {
    while (!m_ended) {
        int number = 0;
        QString description;
        try {
            operation();
            return true;
        } catch (const dao::Error& e) {
            number = e.Number();
            description = e.Description();
        } catch (const std::exception& e) {
            description = QString::fromUtf8(e.what());
        }
        const auto& silent = m_options.endSilently;
        if (number != 0 && std::find(silent.begin(), silent.end(), number) != silent.end()) {
            m_ended = true;
            break;
        }
        const int answer = MsgBox(m_options.text(number, description), vbAbortRetryIgnore,
                                  QStringLiteral("Fehler!"));
        const bool lost = m_options.transaction && m_options.transaction->Lost();
        if (!lost && answer == vbRetry) continue;
        if (!lost && answer == vbIgnore) return false;
        m_ended = true;
        m_restart = lost && answer == vbRetry;
        if (m_options.transaction) m_options.transaction->Rollback();
        if (answer == vbAbort && m_options.abort) m_options.abort();
    }
    return false;
}

} // namespace toolkit
