#pragma once
// The recipe viewer: choose a cocktail and read its recipe sheet.

#include "toolkit/Form.h"

class KqRezepte : public toolkit::SingleForm<KqRezepte> {
public:
    KqRezepte();

    // Shows the window and draws the sheet of the cocktail named exactly so.
    void Start(const QString& Cocktail);
    // Draws the sheet of the cocktail (any case) on the surface.
    void Anzeigen(const QString& Cocktail);
};
