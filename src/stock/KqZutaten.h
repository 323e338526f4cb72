#pragma once
// The bar stock window: setups, their ingredients and the cocktails they can mix.

#include "toolkit/Form.h"

class KqZutaten : public toolkit::SingleForm<KqZutaten> {
public:
    KqZutaten();
};
