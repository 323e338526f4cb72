#pragma once
// The ingredient line dialog: enters one ingredient line of the cocktail being entered, or
// changes one, straight into the entry window's ingredient grid. It writes nothing to the
// database.
//
// The caption of its button BHinzufügen is its mode: "Hinzufügen" adds a line at the bottom of
// the grid, "Ändern" rewrites the row given to Start.

#include "dialogs/Zeilendialog.h"
#include "toolkit/Form.h"

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace toolkit {
class ComboBox;
} // namespace toolkit

class KqCocktailZutaten : public toolkit::SingleForm<KqCocktailZutaten>, private Zeilendialog {
public:
    KqCocktailZutaten();

    // Refills both ingredient lists with the catalogue in name order; what the boxes show stays.
    void InitZutat();
    // Shows the dialog on the line in that row of the ingredient grid, to change it. On a row
    // that holds no line (the empty last row) the dialog opens empty, to add one.
    void Start(int row);

    // The amount cell of a line: the amount without surrounding blanks, one blank and the unit;
    // an empty amount gives the unit alone.
    static QString MengeMitEinheit(const QString& menge, const QString& einheit);
    // Splits an amount cell into the leading amount (digits with , . / as written) and the unit
    // (the rest without surrounding blanks). MengeMitEinheit of both gives the cell back.
    static void MengeTeilen(const QString& zelle, QString& menge, QString& einheit);

    // Event handlers.
    void BHinzufügen_Click();
    void BAbbrechen_Click();
    void BZutatNeu_Click();
    // KeyPress of the four combo boxes: Enter commits the line (in the three text boxes too).
    void Eingabe_KeyPress(int& KeyAscii);

    // Controls.
    toolkit::ComboBox* CZutat() const { return m_cZutat; }
    QLineEdit* EZutatMenge() const { return m_eZutatMenge; }
    toolkit::ComboBox* CZutatEinheit() const { return m_cZutatEinheit; }
    QPushButton* BZutatNeu() const { return m_bZutatNeu; }
    toolkit::ComboBox* CVariation() const { return m_cVariation; }
    QLineEdit* EVariationMenge() const { return m_eVariationMenge; }
    toolkit::ComboBox* EVariationEinheit() const { return m_eVariationEinheit; }
    QLineEdit* EBeschreibung() const { return m_eBeschreibung; }
    QCheckBox* APflicht() const { return m_aPflicht; }
    QPushButton* BHinzufügen() const { return m_bHinzufügen; }
    QPushButton* BAbbrechen() const { return m_bAbbrechen; }

protected:
    void Form_Load() override;

private:
    // Every box at its initial content: unit "cl", mandatory, the rest empty.
    void Leeren();

    toolkit::ComboBox* m_cZutat = nullptr;
    QLineEdit* m_eZutatMenge = nullptr;
    toolkit::ComboBox* m_cZutatEinheit = nullptr;
    QPushButton* m_bZutatNeu = nullptr;
    toolkit::ComboBox* m_cVariation = nullptr;
    QLineEdit* m_eVariationMenge = nullptr;
    toolkit::ComboBox* m_eVariationEinheit = nullptr;
    QLineEdit* m_eBeschreibung = nullptr;
    QCheckBox* m_aPflicht = nullptr;
    QPushButton* m_bAbbrechen = nullptr;
};
