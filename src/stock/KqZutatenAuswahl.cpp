#include "stock/KqZutatenAuswahl.h"

#include "modul/HauptModul.h"
#include "stock/KqZutaten.h"
#include "toolkit/Controls.h"
#include "toolkit/Trap.h"

#include <QLabel>
#include <QPushButton>

KqZutatenAuswahl::KqZutatenAuswahl() {
    using namespace toolkit;
    setObjectName(QStringLiteral("KqZutatenAuswahl"));
    SetCaption(QStringLiteral("Zutaten Hinzufügen"));
    SetDialog();
    SetInnerSize(5895, 1095);

    m_lZutat =
        MakeLabel(this, QStringLiteral("LZutat"), QStringLiteral("Zutat"), {120, 120, 1575, 255});
    m_cZutat =
        MakeComboBox(this, QStringLiteral("CZutat"), false, {1680, 120, 3015, 360}, m_lZutat);
    m_bHinzufügen = MakeButton(this, QStringLiteral("BHinzufügen"), QStringLiteral("Hinzufügen"),
                               {120, 600, 1575, 375});
    m_bAbbrechen = MakeButton(this, QStringLiteral("BAbbrechen"), QStringLiteral("Fertig"),
                              {1800, 600, 1575, 375});

    SetTabOrder({m_cZutat, m_bHinzufügen, m_bAbbrechen});
    m_cZutat->setFocus();

    m_cZutat->OnKeyPress([this](int& KeyAscii) { CZutat_KeyPress(KeyAscii); });
    ConnectClick(m_bHinzufügen, this, [this] { BHinzufügen_Click(); });
    ConnectClick(m_bAbbrechen, this, [this] { BAbbrechen_Click(); });
}

void KqZutatenAuswahl::Form_Load() {
    InitZutat();
}

void KqZutatenAuswahl::InitZutat() {
    m_cZutat->Clear();
    for (const QString& name :
         HauptModul::ErstesFeld(QStringLiteral("SELECT name FROM zutaten ORDER BY name")))
        m_cZutat->AddItem(name);
}

void KqZutatenAuswahl::BHinzufügen_Click() {
    // Into the setup chosen in the bar stock window; a closed one is loaded hidden first.
    KqZutaten::Instance().Add(m_cZutat->Text());
}

void KqZutatenAuswahl::CZutat_KeyPress(int& KeyAscii) {
    if (KeyAscii == 13) BHinzufügen_Click();
}

void KqZutatenAuswahl::BAbbrechen_Click() {
    Unload();
}
