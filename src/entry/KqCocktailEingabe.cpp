#include "entry/KqCocktailEingabe.h"

#include "dao/Dao.h"
#include "dialogs/KqCocktailDeko.h"
#include "dialogs/KqCocktailZutaten.h"
#include "dialogs/KqNeu.h"
#include "entry/CocktailSpeichern.h"
#include "modul/HauptModul.h"
#include "toolkit/Controls.h"
#include "toolkit/Trap.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString kÄndern = QStringLiteral("Ändern");

// The name in the catalogue table with this number; empty when it has none (a file repaired by
// hand): the cell then shows that the line needs a new choice.
QString Katalogname(dao::Database& db, const char* tabelle, const dao::Value& nr) {
    const std::optional<int> nummer = nr.AsRecordNumber();
    if (!nummer) return {};
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT name FROM ") + QString::fromUtf8(tabelle) +
                         QStringLiteral(" WHERE nr = ") + QString::number(*nummer));
    const QString name = rs.Eof() ? QString() : rs.Fields(0).ToText();
    rs.Close();
    return name;
}

// Removes the current line; on the empty last row nothing happens.
void ZeileLöschen(toolkit::LineGrid& grid) {
    const int rows = grid.Rows();
    const int row = grid.Row();
    if (row >= 1 && row < rows - 1) grid.RemoveItem(row);
}

} // namespace

int KqCocktailEingabe::ZeileSchreiben(toolkit::LineGrid& grid, int row, const QStringList& zellen) {
    if (row < 1 || row > grid.Rows() - 2) {
        grid.SetRows(grid.Rows() + 1);
        row = grid.Rows() - 2;
    }
    grid.SetRow(row);
    grid.SetCol(0);
    grid.SetText(QString::number(row));
    for (int col = 1; col <= zellen.size(); ++col) {
        grid.SetCol(col);
        grid.SetText(zellen.at(col - 1));
    }
    // Not left scrolled to the last column written.
    grid.SetCol(1);
    grid.scrollTo(grid.model()->index(row, 0));
    return row;
}

KqCocktailEingabe::KqCocktailEingabe() {
    using namespace toolkit;
    setObjectName(QStringLiteral("KqCocktailEingabe"));
    SetCaption(QStringLiteral("Cocktail"));
    SetInnerSize(9945, 8025);

    QLabel* aCocktail = MakeLabel(this, QStringLiteral("ACocktail"), QStringLiteral("Cocktail"),
                                  {120, 120, 1575, 255});
    m_eCocktail = MakeTextBox(this, QStringLiteral("ECocktail"), {1680, 120, 3015, 360}, aCocktail);
    QLabel* aGruppe =
        MakeLabel(this, QStringLiteral("AGruppe"), QStringLiteral("Gruppe"), {120, 600, 1575, 255});
    m_cGruppe =
        MakeComboBox(this, QStringLiteral("CGruppe"), true, {1680, 600, 3015, 360}, aGruppe);
    m_bGruppeNeu = MakeButton(this, QStringLiteral("BGruppeNeu"), QStringLiteral("Neu"),
                              {4800, 600, 975, 375});
    QLabel* lBeschreibung = MakeLabel(this, QStringLiteral("LBeschreibung"),
                                      QStringLiteral("Beschreibung"), {120, 1080, 1575, 255});
    m_eBeschreibung =
        MakeTextBox(this, QStringLiteral("EBeschreibung"), {1680, 1080, 5775, 360}, lBeschreibung);

    QLabel* lZutaten = MakeLabel(this, QStringLiteral("LZutaten"), QStringLiteral("Zutaten"),
                                 {120, 1560, 1575, 255});
    m_tZutaten = MakeGrid(this, QStringLiteral("TZutaten"), 7, {120, 1800, 7335, 1575}, lZutaten);
    m_tZutaten->SetColumnNames({QStringLiteral("Nr."), QStringLiteral("Zutat"),
                                QStringLiteral("Menge"), QStringLiteral("Variation"),
                                QStringLiteral("Menge"), QStringLiteral("Pflicht"),
                                QStringLiteral("Beschreibung")});
    m_bZutatenNeu = MakeButton(this, QStringLiteral("BZutatenNeu"), QStringLiteral("Neu"),
                               {7560, 1800, 975, 375});
    m_bZutatenEdit = MakeButton(this, QStringLiteral("BZutatenEdit"), QStringLiteral("Edit"),
                                {7560, 2280, 975, 375});
    m_bZutatenDel = MakeButton(this, QStringLiteral("BZutatenDel"), QStringLiteral("Del"),
                               {7560, 2760, 975, 375});

    QLabel* lDekoration = MakeLabel(this, QStringLiteral("LDekoration"),
                                    QStringLiteral("Dekoration"), {120, 3480, 1575, 255});
    m_tDekoration =
        MakeGrid(this, QStringLiteral("TDekoration"), 3, {120, 3720, 7335, 1575}, lDekoration);
    m_tDekoration->SetColumnNames(
        {QStringLiteral("Nr."), QStringLiteral("Dekoration"), QStringLiteral("Beschreibung")});
    m_bDekorationNeu = MakeButton(this, QStringLiteral("BDekorationNeu"), QStringLiteral("Neu"),
                                  {7560, 3720, 975, 375});
    m_bDekorationEdit = MakeButton(this, QStringLiteral("BDekorationEdit"), QStringLiteral("Edit"),
                                   {7560, 4200, 975, 375});
    m_bDekorationDel = MakeButton(this, QStringLiteral("BDekorationDel"), QStringLiteral("Del"),
                                  {7560, 4680, 975, 375});

    QLabel* lZubereitung = MakeLabel(this, QStringLiteral("LZubereitung"),
                                     QStringLiteral("Zubereitung"), {120, 5400, 1575, 255});
    m_eZubereitung = MakeMultiLineTextBox(this, QStringLiteral("EZubereitung"),
                                          {120, 5640, 4815, 1800}, lZubereitung);
    QLabel* lBewertung = MakeLabel(this, QStringLiteral("LBewertung"), QStringLiteral("Bewertung"),
                                   {5040, 5400, 1575, 255});
    m_eBewertung =
        MakeTextBox(this, QStringLiteral("EBewertung"), {5040, 5640, 4815, 360}, lBewertung);
    QLabel* lErfunden = MakeLabel(this, QStringLiteral("LErfunden"),
                                  QStringLiteral("Erfunden wann/von"), {5040, 6120, 2055, 255});
    m_eErfunden =
        MakeTextBox(this, QStringLiteral("EErfunden"), {5040, 6360, 4815, 360}, lErfunden);
    QLabel* lAdresse = MakeLabel(this, QStringLiteral("LAdresse"), QStringLiteral("Url:"),
                                 {5040, 6840, 1575, 255});
    m_eAdresse = MakeTextBox(this, QStringLiteral("EAdresse"), {5040, 7080, 4815, 360}, lAdresse);

    m_bHinzufügen = MakeButton(this, QStringLiteral("BHinzufügen"), QStringLiteral("Hinzufügen"),
                               {120, 7560, 1575, 375});
    m_bAbbrechen = MakeButton(this, QStringLiteral("BAbbrechen"), QStringLiteral("Abbrechen"),
                              {1800, 7560, 1575, 375});
    m_bZubereitungÜbernehmen = MakeButton(this, QStringLiteral("BZubereitungÜbernehmen"),
                                          QStringLiteral("Z. Übern."), {3480, 7560, 1575, 375});

    // The buttons beside a group or grid are named for it as well: three say "Neu".
    m_bGruppeNeu->setAccessibleName(QStringLiteral("Neu (Gruppe)"));
    for (QPushButton* button : {m_bZutatenNeu, m_bZutatenEdit, m_bZutatenDel})
        button->setAccessibleName(button->text() + QStringLiteral(" (Zutaten)"));
    for (QPushButton* button : {m_bDekorationNeu, m_bDekorationEdit, m_bDekorationDel})
        button->setAccessibleName(button->text() + QStringLiteral(" (Dekoration)"));
    SetTabOrder({m_eCocktail, m_cGruppe, m_bGruppeNeu, m_eBeschreibung, m_tZutaten, m_bZutatenNeu,
                 m_bZutatenEdit, m_bZutatenDel, m_tDekoration, m_bDekorationNeu, m_bDekorationEdit,
                 m_bDekorationDel, m_eZubereitung, m_eBewertung, m_eErfunden, m_eAdresse,
                 m_bHinzufügen, m_bAbbrechen, m_bZubereitungÜbernehmen});
    m_eCocktail->setFocus();

    ConnectClick(m_bGruppeNeu, this, [this] { BGruppeNeu_Click(); });
    ConnectClick(m_bZutatenNeu, this, [this] { BZutatenNeu_Click(); });
    ConnectClick(m_bZutatenEdit, this, [this] { BZutatenEdit_Click(); });
    ConnectClick(m_bZutatenDel, this, [this] { BZutatenDel_Click(); });
    ConnectClick(m_bDekorationNeu, this, [this] { BDekorationNeu_Click(); });
    ConnectClick(m_bDekorationEdit, this, [this] { BDekorationEdit_Click(); });
    ConnectClick(m_bDekorationDel, this, [this] { BDekorationDel_Click(); });
    ConnectClick(m_bHinzufügen, this, [this] { BHinzufügen_Click(); });
    ConnectClick(m_bAbbrechen, this, [this] { BAbbrechen_Click(); });
    // "Z. Übern." has no action.

    // A new group from "Neu" is offered in this window's list, also when the window was closed
    // meanwhile: then it is loaded again, hidden.
    KqNeu::SetzeAuffrischen(KqNeu::Gruppe, [] { KqCocktailEingabe::Instance().InitGruppe(); });
    // The line dialogs write into this window's grids, also when it was closed meanwhile.
    Zeilendialog::SetzeZiel([]() -> Zeilenziel& { return KqCocktailEingabe::Instance(); });
}

void KqCocktailEingabe::Form_Load() {
    InitGruppe();
    m_ausgang = Inhalt();
}

QStringList KqCocktailEingabe::Inhalt() const {
    QStringList inhalt = {m_eCocktail->text(),     m_cGruppe->Text(),
                          m_eBeschreibung->text(), m_eZubereitung->toPlainText(),
                          m_eBewertung->text(),    m_eErfunden->text(),
                          m_eAdresse->text()};
    for (const toolkit::LineGrid* grid : {m_tZutaten, m_tDekoration})
        inhalt << Zellen(*grid);
    return inhalt;
}

QStringList KqCocktailEingabe::Zellen(const toolkit::LineGrid& grid) {
    QStringList zellen = {QString::number(grid.Rows())};
    for (int row = 1; row < grid.Rows(); ++row)
        for (int col = 1; col < grid.Cols(); ++col)
            zellen << grid.TextAt(row, col);
    return zellen;
}

bool KqCocktailEingabe::WieGeladen(const char* feld, const QString& text) const {
    const auto it = m_geladen.find(feld);
    return m_cocktailnummer && it != m_geladen.end() && it->second == text;
}

bool KqCocktailEingabe::WieGeladen(const toolkit::LineGrid& grid) const {
    return m_cocktailnummer &&
           Zellen(grid) == (&grid == m_tZutaten ? m_geladeneZutaten : m_geladeneDeko);
}

bool KqCocktailEingabe::Ändert() const {
    return m_bHinzufügen->text() == kÄndern;
}

void KqCocktailEingabe::NeuErfassen() {
    m_cocktailnummer.reset();
    m_gruppennummer.reset();
    m_geladen.clear();
    toolkit::SetCaption(m_bHinzufügen, QStringLiteral("Hinzufügen"));
}

bool KqCocktailEingabe::CocktailLaden(int nr) {
    dao::Database& db = HauptModul::OffeneDatenbank();
    const QString nummer = QString::number(nr);
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT * FROM cocktails WHERE nr = ") + nummer);
    if (rs.Eof()) return false;
    const std::pair<QLineEdit*, const char*> felder[] = {{m_eCocktail, "name"},
                                                         {m_eBeschreibung, "beschreibung"},
                                                         {m_eBewertung, "bewertung"},
                                                         {m_eErfunden, "erfinder"},
                                                         {m_eAdresse, "url"}};
    for (const auto& [box, feld] : felder)
        box->setText(rs.Fields(QString::fromUtf8(feld)).ToText());
    m_eZubereitung->setPlainText(rs.Fields(QStringLiteral("zubereitung")).ToText());
    rs.Close();
    ZeilendialogeSchließen();

    // The group of its first link; a group the list does not hold (or none) stands as text.
    rs = db.OpenRecordset(QStringLiteral("SELECT * FROM gruppenzugehörigkeit WHERE cocktail = ") +
                          nummer);
    m_gruppennummer.reset();
    if (!rs.Eof()) m_gruppennummer = rs.Fields(0).Get().AsRecordNumber();
    const QString gruppe =
        rs.Eof() ? QString() : Katalogname(db, "cocktailgruppen", rs.Fields(0).Get());
    rs.Close();
    int index = -1;
    for (int i = 0; i < m_cGruppe->ListCount() && index < 0; ++i)
        if (m_cGruppe->List(i) == gruppe) index = i;
    if (index >= 0)
        m_cGruppe->SetListIndex(index);
    else
        m_cGruppe->SetText(gruppe);

    // The lines in their stored order, written as the line dialogs write them.
    m_tZutaten->SetRows(2);
    rs = db.OpenRecordset(QStringLiteral("SELECT * FROM zutatenliste WHERE cocktail = ") + nummer);
    for (; !rs.Eof(); rs.MoveNext()) {
        const bool variation = rs.Fields(3).Get().AsRecordNumber().value_or(0) != 0;
        ZeileSchreiben(*m_tZutaten, 0,
                       {Katalogname(db, "zutaten", rs.Fields(1).Get()), rs.Fields(2).ToText(),
                        variation ? Katalogname(db, "zutaten", rs.Fields(3).Get()) : QString(),
                        rs.Fields(4).ToText(),
                        rs.Fields(5).ToBool() ? QStringLiteral("Pflicht") : QString(),
                        rs.Fields(6).ToText()});
    }
    rs.Close();
    m_tDekoration->SetRows(2);
    rs = db.OpenRecordset(QStringLiteral("SELECT * FROM dekoliste WHERE cocktail = ") + nummer);
    for (; !rs.Eof(); rs.MoveNext())
        ZeileSchreiben(*m_tDekoration, 0,
                       {Katalogname(db, "deko", rs.Fields(1).Get()), rs.Fields(2).ToText()});
    rs.Close();
    // As when the window opens: the first line current, the name box focused.
    for (toolkit::LineGrid* grid : {m_tZutaten, m_tDekoration})
        grid->SetRow(1);
    m_eCocktail->setFocus();

    m_cocktailnummer = nr;
    toolkit::SetCaption(m_bHinzufügen, kÄndern);
    m_ausgang = Inhalt();
    m_geladen = {{"name", m_eCocktail->text()},
                 {"beschreibung", m_eBeschreibung->text()},
                 {"zubereitung", m_eZubereitung->toPlainText()},
                 {"bewertung", m_eBewertung->text()},
                 {"erfinder", m_eErfunden->text()},
                 {"url", m_eAdresse->text()},
                 {"gruppe", m_cGruppe->Text()}};
    m_geladeneZutaten = Zellen(*m_tZutaten);
    m_geladeneDeko = Zellen(*m_tDekoration);
    return true;
}

void KqCocktailEingabe::Form_Unload() {
    ZeilendialogeSchließen();
}

void KqCocktailEingabe::ZeilendialogeSchließen() {
    // The line dialogs write into this window's grids only: they close with what the window
    // holds, so that a line confirmed afterwards cannot turn up in the next cocktail.
    if (KqCocktailZutaten::IsLoaded()) KqCocktailZutaten::Loaded()->Unload();
    if (KqCocktailDeko::IsLoaded()) KqCocktailDeko::Loaded()->Unload();
}

void KqCocktailEingabe::InitGruppe() {
    m_cGruppe->Clear();
    for (const QString& name :
         HauptModul::ErstesFeld(QStringLiteral("SELECT name FROM cocktailgruppen ORDER BY nr")))
        m_cGruppe->AddItem(name);
    if (m_cGruppe->ListCount() > 0) m_cGruppe->SetListIndex(0);
}

// ---------------------------------------------------------------------------------------------
// Event handlers

void KqCocktailEingabe::BGruppeNeu_Click() {
    KqNeu::Instance().Start(KqNeu::Gruppe);
}

void KqCocktailEingabe::BZutatenNeu_Click() {
    KqCocktailZutaten::Instance().Show();
}

void KqCocktailEingabe::BZutatenEdit_Click() {
    // On the empty last row the dialog opens for adding a line.
    KqCocktailZutaten::Instance().Start(m_tZutaten->Row());
}

void KqCocktailEingabe::BZutatenDel_Click() {
    ZeileLöschen(*m_tZutaten);
}

void KqCocktailEingabe::BDekorationNeu_Click() {
    KqCocktailDeko::Instance().Show();
}

void KqCocktailEingabe::BDekorationEdit_Click() {
    KqCocktailDeko::Instance().Start(m_tDekoration->Row());
}

void KqCocktailEingabe::BDekorationDel_Click() {
    ZeileLöschen(*m_tDekoration);
}

void KqCocktailEingabe::BHinzufügen_Click() {
    // The window closes once the cocktail is stored. When nothing was stored (its name exists,
    // for one) everything typed stays, so that the name can be changed.
    if (CocktailSpeichern(*this)) Unload();
}

void KqCocktailEingabe::BAbbrechen_Click() {
    Unload();
}
