#include "entry/KqCocktailEingabe.h"

KqCocktailEingabe::KqCocktailEingabe() {
    setObjectName(QStringLiteral("KqCocktailEingabe"));
    SetCaption(QStringLiteral("Cocktail"));
    SetInnerSize(9945, 8025);
}
