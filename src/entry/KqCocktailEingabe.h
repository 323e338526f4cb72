#pragma once
// The window in which a new cocktail is entered.

#include "toolkit/Form.h"

class KqCocktailEingabe : public toolkit::SingleForm<KqCocktailEingabe> {
public:
    KqCocktailEingabe();
};
