#pragma once
// The recipe viewer: choose a cocktail and read its recipe sheet.

#include "dao/Dao.h"
#include "toolkit/Form.h"

#include <optional>
#include <vector>

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

    // Brings the list and the sheet to what the file holds now, when it changed since they were
    // read: the chosen cocktail stays chosen under its name of now (when it is gone, the entry
    // at its place is chosen), the sheet shows its cocktail as stored now, and is cleared when
    // that cocktail is gone. Runs after every handler and when a window comes to the front.
    void Nachführen();

protected:
    void Form_Load() override;

private:
    // Draws the sheet twice when the recipe needs the scroll bar; gives what draw gives.
    std::optional<int> Zeichnen(const std::function<std::optional<int>()>& draw);

    std::vector<qint64> m_nummern; // the listed cocktails' numbers, in the list's order
    dao::FileState m_stand;        // where the file stood when list and sheet were read
    std::optional<int> m_gezeigt;  // the number of the cocktail on the sheet
    QString m_gezeigterName;       // the name it was drawn by, for one without a number

    toolkit::ComboBox* m_cCocktail = nullptr;
    QPushButton* m_bAnzeigen = nullptr;
    QLabel* m_lCocktail = nullptr;
    Blatt* m_ausgabe = nullptr;
};
