#pragma once
// The window in which a new cocktail is entered, or a stored one changed: its name, group,
// description, ingredient and decoration lines, preparation, rating, inventor and web address.
// While it changes a stored cocktail its button BHinzufügen reads "Ändern".
//
// The lines live only in the two grids. Rows 1 to Rows - 2 hold the lines in the order they
// were added, column 0 the row index at the time a line was last written; the last row is
// always empty. The line dialogs write the lines, the Del buttons remove them.

#include "dialogs/Zeilendialog.h"
#include "toolkit/Form.h"

#include <QStringList>
#include <map>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace toolkit {
class ComboBox;
class LineGrid;
} // namespace toolkit

// The line dialogs know it as the Zeilenziel whose grids they fill.
class KqCocktailEingabe : public toolkit::SingleForm<KqCocktailEingabe>, public Zeilenziel {
public:
    KqCocktailEingabe();

    // Refills the group list with every cocktail group by ascending number and chooses the
    // first.
    void InitGruppe();

    // Fills the window with the stored cocktail of number nr, for changing it: its fields, its
    // group, its lines in their stored order, each cell as the line dialogs would have written
    // it. False, with the window as it was, when the store has no such cocktail.
    bool CocktailLaden(int nr);
    // The number of the stored cocktail being changed; nothing while a new one is entered.
    std::optional<int> Cocktailnummer() const { return m_cocktailnummer; }
    // The group whose link the window shows of the cocktail being changed (its first; the
    // others stay as they are); nothing when it has none.
    std::optional<int> Gruppennummer() const { return m_gruppennummer; }
    // Whether the window changes a stored cocktail (its button reads "Ändern").
    bool Ändert() const;
    // The cocktail being changed is gone: what the window holds is entered as a new one.
    void NeuErfassen();
    // True while the window holds what it showed when it was opened or filled, nothing typed
    // since.
    bool Unberührt() const { return Inhalt() == m_ausgang; }
    // While a stored cocktail is changed: whether a field's box ("name", "beschreibung",
    // "zubereitung", "bewertung", "erfinder", "url", "gruppe") holds text, and a grid its
    // lines, as they were loaded. Such a field or grid is left in the file as it is.
    bool WieGeladen(const char* feld, const QString& text) const;
    bool WieGeladen(const toolkit::LineGrid& grid) const;

    // Event handlers.
    void BGruppeNeu_Click();
    void BZutatenNeu_Click();
    void BZutatenEdit_Click();
    void BZutatenDel_Click();
    void BDekorationNeu_Click();
    void BDekorationEdit_Click();
    void BDekorationDel_Click();
    void BHinzufügen_Click();
    void BAbbrechen_Click();

    // Controls.
    QLineEdit* ECocktail() const { return m_eCocktail; }
    toolkit::ComboBox* CGruppe() const { return m_cGruppe; }
    QPushButton* BGruppeNeu() const { return m_bGruppeNeu; }
    QLineEdit* EBeschreibung() const { return m_eBeschreibung; }
    toolkit::LineGrid* TZutaten() const override { return m_tZutaten; }
    QPushButton* BZutatenNeu() const { return m_bZutatenNeu; }
    QPushButton* BZutatenEdit() const { return m_bZutatenEdit; }
    QPushButton* BZutatenDel() const { return m_bZutatenDel; }
    toolkit::LineGrid* TDekoration() const override { return m_tDekoration; }
    QPushButton* BDekorationNeu() const { return m_bDekorationNeu; }
    QPushButton* BDekorationEdit() const { return m_bDekorationEdit; }
    QPushButton* BDekorationDel() const { return m_bDekorationDel; }
    QPlainTextEdit* EZubereitung() const { return m_eZubereitung; }
    QLineEdit* EBewertung() const { return m_eBewertung; }
    QLineEdit* EErfunden() const { return m_eErfunden; }
    QLineEdit* EAdresse() const { return m_eAdresse; }
    QPushButton* BHinzufügen() const { return m_bHinzufügen; }
    QPushButton* BAbbrechen() const { return m_bAbbrechen; }
    QPushButton* BZubereitungÜbernehmen() const { return m_bZubereitungÜbernehmen; }

    // Writes a line into one of the two grids by their protocol and returns its row. Row 0,
    // or a row that holds no line any more (lines were deleted meanwhile), adds the line above
    // the empty last row instead of writing into that row. Column 0 gets the line's number,
    // the cells follow from column 1; the grid then shows the line from its start.
    static int ZeileSchreiben(toolkit::LineGrid& grid, int row, const QStringList& zellen);
    int Schreiben(toolkit::LineGrid& grid, int row, const QStringList& zellen) override {
        return ZeileSchreiben(grid, row, zellen);
    }

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    // Every field's text and every grid cell, to tell whether anything was typed.
    QStringList Inhalt() const;
    static QStringList Zellen(const toolkit::LineGrid& grid);
    void ZeilendialogeSchließen();

    std::optional<int> m_cocktailnummer;
    std::optional<int> m_gruppennummer;
    QStringList m_ausgang;
    // What the boxes and the grids showed when the cocktail being changed was loaded.
    std::map<std::string, QString> m_geladen;
    QStringList m_geladeneZutaten, m_geladeneDeko;
    QLineEdit* m_eCocktail = nullptr;
    toolkit::ComboBox* m_cGruppe = nullptr;
    QPushButton* m_bGruppeNeu = nullptr;
    QLineEdit* m_eBeschreibung = nullptr;
    toolkit::LineGrid* m_tZutaten = nullptr;
    QPushButton* m_bZutatenNeu = nullptr;
    QPushButton* m_bZutatenEdit = nullptr;
    QPushButton* m_bZutatenDel = nullptr;
    toolkit::LineGrid* m_tDekoration = nullptr;
    QPushButton* m_bDekorationNeu = nullptr;
    QPushButton* m_bDekorationEdit = nullptr;
    QPushButton* m_bDekorationDel = nullptr;
    QPlainTextEdit* m_eZubereitung = nullptr;
    QLineEdit* m_eBewertung = nullptr;
    QLineEdit* m_eErfunden = nullptr;
    QLineEdit* m_eAdresse = nullptr;
    QPushButton* m_bHinzufügen = nullptr;
    QPushButton* m_bAbbrechen = nullptr;
    QPushButton* m_bZubereitungÜbernehmen = nullptr;
};
