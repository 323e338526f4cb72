#include "viewer/KqRezepte.h"

// A window shell until the viewer is built.
KqRezepte::KqRezepte() {
    setObjectName(QStringLiteral("KqRezepte"));
    SetCaption(QStringLiteral("Rezepte anzeigen"));
    SetInnerSize(9435, 7200);
}

void KqRezepte::Start(const QString&) { Show(); }

void KqRezepte::Anzeigen(const QString&) { Show(); }
