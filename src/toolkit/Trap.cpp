#include "toolkit/Trap.h"

#include "dao/Error.h"
#include "toolkit/MsgBox.h"

#include <QAbstractButton>
#include <exception>

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

} // namespace detail

void ConnectClick(QAbstractButton* button, QObject* context, std::function<void()> handler) {
    if (!button || !handler) return;
    QObject::connect(button, &QAbstractButton::clicked, context ? context : button,
                     Trapped(std::move(handler)));
}

} // namespace toolkit
