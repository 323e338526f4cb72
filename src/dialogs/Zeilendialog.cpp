#include "dialogs/Zeilendialog.h"

#include "toolkit/Controls.h"

#include <QPushButton>

namespace {

std::function<Zeilenziel&()>& Nachschlagen() {
    static std::function<Zeilenziel&()> ziel;
    return ziel;
}

} // namespace

void Zeilendialog::SetzeZiel(std::function<Zeilenziel&()> ziel) {
    Nachschlagen() = std::move(ziel);
}

Zeilenziel& Zeilendialog::Ziel() {
    return Nachschlagen()();
}

bool Zeilendialog::Ändert() const {
    return m_bHinzufügen->text() != kHinzufügen;
}

void Zeilendialog::SetzeÄndern(bool ändern) {
    // A reader says the mode as the button shows it.
    toolkit::SetCaption(m_bHinzufügen, ändern ? QStringLiteral("Ändern") : kHinzufügen);
}
