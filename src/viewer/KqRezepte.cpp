#include "viewer/KqRezepte.h"

#include "stock/Cocktailliste.h"

#include "modul/HauptModul.h"
#include "toolkit/Controls.h"
#include "toolkit/Trap.h"
#include "viewer/Blatt.h"
#include "viewer/Rezeptblatt.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

KqRezepte::KqRezepte() {
    setObjectName(QStringLiteral("KqRezepte"));
    SetCaption(QStringLiteral("Rezepte anzeigen"));
    SetInnerSize(9435, 7200);

    m_lCocktail = toolkit::MakeLabel(this, QStringLiteral("LCocktail"), QStringLiteral("Cocktail"),
                                     {120, 120, 1575, 255});
    m_cCocktail = toolkit::MakeComboBox(this, QStringLiteral("CCocktail"), false,
                                        {1680, 120, 3015, 360}, m_lCocktail);
    m_bAnzeigen = toolkit::MakeButton(this, QStringLiteral("BAnzeigen"), QStringLiteral("Anzeigen"),
                                      {4800, 120, 1575, 375});
    m_ausgabe = new Blatt(this);
    m_ausgabe->setObjectName(QStringLiteral("Ausgabe"));
    m_ausgabe->setAccessibleName(QStringLiteral("Rezept"));
    Place(m_ausgabe, {120, 600, 9255, 6495});
    m_ausgabe->show();

    toolkit::SetTabOrder({m_cCocktail, m_bAnzeigen, m_ausgabe});
    toolkit::ConnectClick(m_bAnzeigen, this, [this] { BAnzeigen_Click(); });
}

void KqRezepte::Form_Load() {
    InitCocktail();
}

void KqRezepte::InitCocktail() {
    m_cCocktail->Clear();
    m_cCocktail->AddItems(Cocktailliste::Instance().Aktuell(HauptModul::GeteilteDatenbank()).namen);
    if (m_cCocktail->ListCount() > 0) m_cCocktail->SetListIndex(0);
}

void KqRezepte::BAnzeigen_Click() {
    Anzeigen(m_cCocktail->Text());
}

void KqRezepte::Start(const QString& Cocktail) {
    Show();
    // The window is painted before the search.
    QCoreApplication::processEvents();
    for (int i = 0; i < m_cCocktail->ListCount(); ++i) {
        if (m_cCocktail->List(i) == Cocktail) {
            m_cCocktail->SetListIndex(i);
            Anzeigen(m_cCocktail->Text());
            return;
        }
    }
}

void KqRezepte::Anzeigen(const QString& Cocktail) {
    if (m_cCocktail->ListIndex() >= 0) {
        // A recipe taller than the surface is drawn once more beside a scroll bar, on the
        // narrower width that leaves.
        for (const bool bildlauf : {false, true}) {
            m_ausgabe->SetScrollBarShown(bildlauf);
            RezeptZeichnen(*m_ausgabe, HauptModul::OffeneDatenbank(), Cocktail);
            if (!m_ausgabe->Overflows()) break;
        }
    }
    Show();
}
