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
#include <algorithm>

namespace {

// What the list and the sheet show.
dao::FileState Stand() {
    return HauptModul::OffeneDatenbank().State(
        {"cocktails", "zutatenliste", "dekoliste", "zutaten", "deko"});
}

} // namespace

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
    FollowFile([this] { Nachführen(); });
}

void KqRezepte::Form_Load() {
    InitCocktail();
}

void KqRezepte::InitCocktail() {
    m_stand = Stand();
    const Cocktailliste::Liste& liste =
        Cocktailliste::Instance().Aktuell(HauptModul::GeteilteDatenbank());
    m_cCocktail->Clear();
    m_cCocktail->AddItems(liste.namen);
    m_nummern = liste.nummern;
    if (m_cCocktail->ListCount() > 0) m_cCocktail->SetListIndex(0);
}

void KqRezepte::Nachführen() {
    // After Beenden nothing is open any more.
    if (!HauptModul::Datenbank || Stand() == m_stand) return;
    const int index = m_cCocktail->ListIndex();
    const bool gewählt = index >= 0 && index < static_cast<int>(m_nummern.size());
    const qint64 nummer = gewählt ? m_nummern[static_cast<std::size_t>(index)] : 0;
    InitCocktail();
    if (gewählt && !m_nummern.empty()) {
        const auto da = std::find(m_nummern.begin(), m_nummern.end(), nummer);
        m_cCocktail->SetListIndex(da != m_nummern.end()
                                      ? static_cast<int>(da - m_nummern.begin())
                                      : std::min(index, static_cast<int>(m_nummern.size()) - 1));
    } else if (!gewählt) {
        m_cCocktail->SetListIndex(-1);
    }
    dao::Database& db = HauptModul::OffeneDatenbank();
    if (m_gezeigt) {
        m_gezeigt = Zeichnen([&] { return CocktailZeichnen(*m_ausgabe, db, *m_gezeigt); });
    } else if (!m_gezeigterName.isNull()) {
        Zeichnen([&] { return RezeptZeichnen(*m_ausgabe, db, m_gezeigterName); });
    }
    if (!m_gezeigt && m_ausgabe->Lines().isEmpty()) m_gezeigterName.clear();
}

std::optional<int> KqRezepte::Zeichnen(const std::function<std::optional<int>()>& draw) {
    // A recipe taller than the surface is drawn once more beside a scroll bar, on the
    // narrower width that leaves.
    std::optional<int> nummer;
    for (const bool bildlauf : {false, true}) {
        m_ausgabe->SetScrollBarShown(bildlauf);
        nummer = draw();
        if (!m_ausgabe->Overflows()) break;
    }
    return nummer;
}

void KqRezepte::BAnzeigen_Click() {
    Anzeigen(m_cCocktail->Text());
}

void KqRezepte::Start(const QString& Cocktail) {
    Nachführen();
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
        Nachführen();
        m_gezeigt = Zeichnen(
            [&] { return RezeptZeichnen(*m_ausgabe, HauptModul::OffeneDatenbank(), Cocktail); });
        m_gezeigterName = Cocktail;
    }
    Show();
}
