#pragma once
// The recipe viewer: choose a cocktail and read its recipe sheet.

#include "toolkit/Form.h"

class Blatt;
class QLabel;
class QPushButton;

namespace toolkit {
class ComboBox;
}

class KqRezepte : public toolkit::SingleForm<KqRezepte> {
public:
    KqRezepte();

    // Refills the list of cocktails from the database and chooses the first.
    void InitCocktail();
    // Shows the window and draws the sheet of the cocktail named exactly so (same case); a name
    // that is not listed changes nothing.
    void Start(const QString& Cocktail);
    // Draws the sheet of the cocktail (any case) on the surface and shows the window. While no
    // cocktail is chosen in the list, only shows the window.
    void Anzeigen(const QString& Cocktail);

    toolkit::ComboBox* CCocktail() const { return m_cCocktail; }
    QPushButton* BAnzeigen() const { return m_bAnzeigen; }
    QLabel* LCocktail() const { return m_lCocktail; }
    Blatt* Ausgabe() const { return m_ausgabe; }

    void BAnzeigen_Click();

protected:
    void Form_Load() override;

private:
    toolkit::ComboBox* m_cCocktail = nullptr;
    QPushButton* m_bAnzeigen = nullptr;
    QLabel* m_lCocktail = nullptr;
    Blatt* m_ausgabe = nullptr;
};
