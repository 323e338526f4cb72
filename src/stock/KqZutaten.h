#pragma once
// The bar stock window: the named setups of the home bar, the ingredients each one holds, the
// cocktails those ingredients can mix, and the one ingredient worth buying next.

#include "dao/Dao.h"
#include "toolkit/Form.h"

#include <QString>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace toolkit {
class ComboBox;
class ListBox;
} // namespace toolkit

class KqZutaten : public toolkit::SingleForm<KqZutaten> {
public:
    KqZutaten();

    // Stores the ingredient (its name in any case) in the chosen setup and refreshes the stock
    // list and the cocktail list. Failures are reported with Abort, Retry and Ignore; an
    // ingredient the setup holds already is passed over without a word.
    void Add(const QString& zutat);
    // Refills the cocktail list with every cocktail the chosen setup's stock can mix.
    void InitCocktails();
    // Refills the setup list and chooses its first entry, which refills the other two lists.
    void InitSetup();
    // Refills the stock list for the chosen setup, then the cocktail list.
    void InitZutaten();
    // Brings the three lists to what the file holds now, when it changed since they were read,
    // keeping the chosen entries where they are still listed (a setup that is gone gives way to
    // the one at its place). Runs after every handler and when a window comes to the front.
    void Nachführen();

    // Event handlers.
    void CSetup_Click();
    void AGetränke_Click();
    void BHinzufügen_Click();
    void BEntfernen_Click();
    void BNeu_Click();
    void BDetails_Click();
    void BInfo_Click();
    void BIdeal_Click();
    void BAbbruch_Click();
    void LCocktails_DblClick();

    // Controls.
    QLabel* LSetup() const { return m_lSetup; }
    toolkit::ComboBox* CSetup() const { return m_cSetup; }
    QPushButton* BNeu() const { return m_bNeu; }
    toolkit::ListBox* LZutaten() const { return m_lZutaten; }
    toolkit::ListBox* LCocktails() const { return m_lCocktails; }
    QPushButton* BHinzufügen() const { return m_bHinzufügen; }
    QPushButton* BEntfernen() const { return m_bEntfernen; }
    QPushButton* BDetails() const { return m_bDetails; }
    QPushButton* BInfo() const { return m_bInfo; }
    QPushButton* BIdeal() const { return m_bIdeal; }
    QCheckBox* AGetränke() const { return m_aGetränke; }
    QPushButton* BAbbruch() const { return m_bAbbruch; }

    // How the window opens a cocktail in the recipe viewer: by double click (the viewer's Start)
    // and by "Details" (the viewer's Anzeigen). Tests may wrap them to see the name passed on.
    static std::function<void(const QString& cocktail)> RezepteStart;
    static std::function<void(const QString& cocktail)> RezepteAnzeigen;

protected:
    void Form_Load() override;

private:
    dao::FileState m_stand; // where the file stood when the setup list was read
    QLabel* m_lSetup = nullptr;
    toolkit::ComboBox* m_cSetup = nullptr;
    QPushButton* m_bNeu = nullptr;
    toolkit::ListBox* m_lZutaten = nullptr;
    toolkit::ListBox* m_lCocktails = nullptr;
    QPushButton* m_bHinzufügen = nullptr;
    QPushButton* m_bEntfernen = nullptr;
    QPushButton* m_bDetails = nullptr;
    QPushButton* m_bInfo = nullptr;
    QPushButton* m_bIdeal = nullptr;
    QCheckBox* m_aGetränke = nullptr;
    QPushButton* m_bAbbruch = nullptr;
};
