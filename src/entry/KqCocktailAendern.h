#pragma once
// The window "Cocktail ändern": choose a stored cocktail, then change it in the entry window or
// delete it.

#include "dao/Dao.h"
#include "toolkit/Form.h"

#include <optional>
#include <vector>

class QLabel;
class QPushButton;

namespace toolkit {
class ComboBox;
}

class KqCocktailÄndern : public toolkit::SingleForm<KqCocktailÄndern> {
public:
    KqCocktailÄndern();

    // Refills the list with every cocktail in the viewer's order and chooses the entry at
    // index (the last one when the list is shorter, the first for -1).
    void InitCocktail(int index = 0);

    // Event handlers.
    void BÄndern_Click();
    void BLöschen_Click();
    void BAbbrechen_Click();

    // Controls.
    toolkit::ComboBox* CCocktail() const { return m_cCocktail; }
    QPushButton* BÄndern() const { return m_bÄndern; }
    QPushButton* BLöschen() const { return m_bLöschen; }

protected:
    void Form_Load() override;

private:
    // The number of the chosen cocktail; nothing when none is chosen.
    std::optional<int> Gewählt() const;
    // Reads the list again when the cocktails changed since it was read, keeping the chosen
    // cocktail where it is still stored. True when the choice is the one the user saw. Runs
    // after every handler and when a window comes to the front.
    bool Auffrischen();

    toolkit::ComboBox* m_cCocktail = nullptr;
    QPushButton* m_bÄndern = nullptr;
    QPushButton* m_bLöschen = nullptr;
    std::vector<int> m_nummern; // the cocktails' numbers, in the order of the list
    dao::FileState m_gelesen;   // where the file stood when the list was read
};
