#include "menu/KqMenue.h"

#include "app/HauptModul.h"

KqMenü::KqMenü() {
    setObjectName(QStringLiteral("KqMenü"));
    SetCaption(QStringLiteral("Velkor-DB Hauptmenü"));
    SetInnerSize(12030, 735);
}

void KqMenü::Form_Load() { move(0, 0); }

void KqMenü::Form_Unload() { HauptModul::Beenden(); }
