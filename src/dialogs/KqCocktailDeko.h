#pragma once
// The decoration line dialog: enters one decoration line of the cocktail being entered, or
// changes one, straight into the entry window's decoration grid. It writes nothing to the
// database.
//
// The caption of its button BHinzufügen is its mode: "Hinzufügen" adds a line at the bottom of
// the grid, "Ändern" rewrites the row given to Start.

#include "dialogs/Zeilendialog.h"
#include "toolkit/Form.h"

class QLineEdit;
class QPushButton;

namespace toolkit {
class ComboBox;
} // namespace toolkit

class KqCocktailDeko : public toolkit::SingleForm<KqCocktailDeko>, private Zeilendialog {
public:
    KqCocktailDeko();

    // Refills the decoration list with the catalogue in name order; the box's text stays.
    void InitDeko();
    // Shows the dialog on the line in that row of the decoration grid, to change it. On a row
    // that holds no line (the empty last row) the dialog opens empty, to add one.
    void Start(int row);

    // Event handlers.
    void BHinzufügen_Click();
    void BAbbrechen_Click();
    void BDekoNeu_Click();
    // KeyPress of CDeko: Enter commits the line (in EBeschreibung as well).
    void Eingabe_KeyPress(int& KeyAscii);

    // Controls.
    toolkit::ComboBox* CDeko() const { return m_cDeko; }
    QPushButton* BDekoNeu() const { return m_bDekoNeu; }
    QLineEdit* EBeschreibung() const { return m_eBeschreibung; }
    QPushButton* BHinzufügen() const { return m_bHinzufügen; }
    QPushButton* BAbbrechen() const { return m_bAbbrechen; }

protected:
    void Form_Load() override;

private:
    toolkit::ComboBox* m_cDeko = nullptr;
    QPushButton* m_bDekoNeu = nullptr;
    QLineEdit* m_eBeschreibung = nullptr;
    QPushButton* m_bAbbrechen = nullptr;
};
