#include "stock/KqZutaten.h"

// A window shell until the bar stock window is built.
KqZutaten::KqZutaten() {
    setObjectName(QStringLiteral("KqZutaten"));
    SetCaption(QStringLiteral("Mit Zutaten mixbare Cocktails"));
    SetInnerSize(8085, 5640);
}
