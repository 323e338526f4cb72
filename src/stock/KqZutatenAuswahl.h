#pragma once
// The ingredient choice dialog: picks ingredients from the catalogue, one at a time, and puts
// each into the setup chosen in the bar stock window.

#include "toolkit/Form.h"

class QLabel;
class QPushButton;

namespace toolkit {
class ComboBox;
} // namespace toolkit

class KqZutatenAuswahl : public toolkit::SingleForm<KqZutatenAuswahl> {
public:
    KqZutatenAuswahl();

    // Fills the ingredient list with the whole catalogue in name order, nothing chosen.
    void InitZutat();

    // Event handlers.
    void BHinzufügen_Click();
    void CZutat_KeyPress(int& KeyAscii);
    void BAbbrechen_Click();

    // Controls.
    QLabel* LZutat() const { return m_lZutat; }
    toolkit::ComboBox* CZutat() const { return m_cZutat; }
    QPushButton* BHinzufügen() const { return m_bHinzufügen; }
    QPushButton* BAbbrechen() const { return m_bAbbrechen; }

protected:
    void Form_Load() override;

private:
    QLabel* m_lZutat = nullptr;
    toolkit::ComboBox* m_cZutat = nullptr;
    QPushButton* m_bHinzufügen = nullptr;
    QPushButton* m_bAbbrechen = nullptr;
};
