#include "dialogs/KqCocktailDeko.h"

#include "dialogs/KqNeu.h"
#include "modul/HauptModul.h"
#include "toolkit/Controls.h"
#include "toolkit/Trap.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

KqCocktailDeko::KqCocktailDeko() {
    using namespace toolkit;
    setObjectName(QStringLiteral("KqCocktailDeko"));
    SetCaption(QStringLiteral("Dekoration"));
    SetDialog();
    SetInnerSize(5880, 1665);

    QLabel* lDeko = MakeLabel(this, QStringLiteral("LDeko"), QStringLiteral("Dekoration"),
                              {120, 120, 1455, 255});
    m_cDeko = MakeComboBox(this, QStringLiteral("CDeko"), true, {1680, 120, 3015, 360}, lDeko);
    m_bDekoNeu =
        MakeButton(this, QStringLiteral("BDekoNeu"), QStringLiteral("Neu"), {4800, 120, 975, 375});
    QLabel* lBeschreibung = MakeLabel(this, QStringLiteral("LBeschreibung"),
                                      QStringLiteral("Beschreibung"), {120, 600, 1455, 255});
    m_eBeschreibung =
        MakeTextBox(this, QStringLiteral("EBeschreibung"), {1680, 600, 4095, 360}, lBeschreibung);
    m_bHinzufügen =
        MakeButton(this, QStringLiteral("BHinzufügen"), kHinzufügen, {1680, 1080, 1575, 375});
    m_bAbbrechen = MakeButton(this, QStringLiteral("BAbbrechen"), QStringLiteral("Abbrechen"),
                              {3360, 1080, 1575, 375});

    SetTabOrder({m_cDeko, m_bDekoNeu, m_eBeschreibung, m_bHinzufügen, m_bAbbrechen});
    m_cDeko->setFocus();

    m_cDeko->OnKeyPress([this](int& KeyAscii) { Eingabe_KeyPress(KeyAscii); });
    QObject::connect(m_eBeschreibung, &QLineEdit::returnPressed, this,
                     Trapped([this] { BHinzufügen_Click(); }));
    ConnectClick(m_bHinzufügen, this, [this] { BHinzufügen_Click(); });
    ConnectClick(m_bAbbrechen, this, [this] { BAbbrechen_Click(); });
    ConnectClick(m_bDekoNeu, this, [this] { BDekoNeu_Click(); });

    // A new decoration from "Neu" is offered in the list (the dialog is loaded again, hidden,
    // when it was closed meanwhile).
    KqNeu::SetzeAuffrischen(KqNeu::Deko, [] { KqCocktailDeko::Instance().InitDeko(); });
}

void KqCocktailDeko::Form_Load() {
    InitDeko();
}

// ---------------------------------------------------------------------------------------------
// Public routines

void KqCocktailDeko::InitDeko() {
    // A refill after a new catalogue entry keeps the name the line has so far.
    const QString deko = m_cDeko->Text();
    m_cDeko->Clear();
    for (const QString& name :
         HauptModul::ErstesFeld(QStringLiteral("SELECT name FROM deko ORDER BY name")))
        m_cDeko->AddItem(name);
    m_cDeko->SetText(deko);
}

void KqCocktailDeko::Start(int row) {
    Show();
    const toolkit::LineGrid& grid = *Ziel().TDekoration();
    if (row < 1 || row > grid.Rows() - 2) {
        // No line to change in this row.
        m_cDeko->SetText(QString());
        m_eBeschreibung->clear();
        SetzeÄndern(false);
        return;
    }
    m_row = row;
    m_cDeko->SetText(grid.TextAt(row, 1));
    m_eBeschreibung->setText(grid.TextAt(row, 2));
    SetzeÄndern(true);
}

// ---------------------------------------------------------------------------------------------
// Event handlers

void KqCocktailDeko::BHinzufügen_Click() {
    Zeilenziel& ziel = Ziel();
    m_row = ziel.Schreiben(*ziel.TDekoration(), Ändert() ? m_row : 0,
                           {m_cDeko->Text(), m_eBeschreibung->text()});
    Unload();
}

void KqCocktailDeko::BAbbrechen_Click() {
    // Closes without writing, like the ingredient line dialog.
    Unload();
}

void KqCocktailDeko::BDekoNeu_Click() {
    KqNeu::Instance().Start(KqNeu::Deko);
}

void KqCocktailDeko::Eingabe_KeyPress(int& KeyAscii) {
    if (KeyAscii == 13) BHinzufügen_Click();
}
