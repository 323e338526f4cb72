#include "dialogs/KqNeu.h"

// A window shell until the catalogue dialog is built: it opens for its kind.
KqNeu::KqNeu() {
    setObjectName(QStringLiteral("KqNeu"));
    SetCaption(QStringLiteral("Hinzufügen"));
    SetInnerSize(4815, 2340);
}

void KqNeu::Start(int callBy) {
    m_kind = callBy;
    Show();
}
