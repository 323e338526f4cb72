#include "entry/KqCocktailAendern.h"

#include "entry/CocktailSpeichern.h"
#include "entry/KqCocktailEingabe.h"
#include "modul/HauptModul.h"
#include "stock/Cocktailliste.h"
#include "toolkit/Controls.h"
#include "toolkit/MsgBox.h"
#include "toolkit/Trap.h"

#include <QLabel>
#include <QPushButton>
#include <limits>

namespace {

dao::FileState Stand() {
    return HauptModul::OffeneDatenbank().State({"cocktails"});
}

} // namespace

KqCocktailÄndern::KqCocktailÄndern() {
    using namespace toolkit;
    setObjectName(QStringLiteral("KqCocktailÄndern"));
    SetCaption(QStringLiteral("Cocktail ändern"));
    SetInnerSize(6375, 1095);

    QLabel* lCocktail = MakeLabel(this, QStringLiteral("LCocktail"), QStringLiteral("Cocktail"),
                                  {120, 120, 1575, 255});
    m_cCocktail =
        MakeComboBox(this, QStringLiteral("CCocktail"), false, {1680, 120, 4575, 360}, lCocktail);
    m_bÄndern = MakeButton(this, QStringLiteral("BÄndern"), QStringLiteral("Ändern"),
                           {1680, 600, 1455, 375});
    m_bLöschen = MakeButton(this, QStringLiteral("BLöschen"), QStringLiteral("Löschen"),
                            {3240, 600, 1455, 375});
    QPushButton* bAbbrechen = MakeButton(this, QStringLiteral("BAbbrechen"),
                                         QStringLiteral("Abbrechen"), {4800, 600, 1455, 375});

    SetTabOrder({m_cCocktail, m_bÄndern, m_bLöschen, bAbbrechen});
    m_cCocktail->setFocus();

    ConnectClick(m_bÄndern, this, [this] { BÄndern_Click(); });
    ConnectClick(m_bLöschen, this, [this] { BLöschen_Click(); });
    ConnectClick(bAbbrechen, this, [this] { BAbbrechen_Click(); });
    // After Beenden nothing is open any more.
    FollowFile([this] {
        if (HauptModul::Datenbank) Auffrischen();
    });
}

void KqCocktailÄndern::Form_Load() {
    InitCocktail();
}

void KqCocktailÄndern::InitCocktail(int index) {
    m_gelesen = Stand();
    const Cocktailliste::Liste& liste =
        Cocktailliste::Instance().Aktuell(HauptModul::GeteilteDatenbank());
    QStringList namen = liste.namen;
    m_nummern.assign(liste.nummern.begin(), liste.nummern.end());
    if (!liste.alleNummern) {
        // A number beyond 32 bits (a file repaired by hand) names no cocktail the program
        // can change.
        namen.clear();
        m_nummern.clear();
        for (std::size_t i = 0; i < liste.nummern.size(); ++i)
            if (liste.nummern[i] >= std::numeric_limits<int>::min() &&
                liste.nummern[i] <= std::numeric_limits<int>::max()) {
                namen << liste.namen.at(static_cast<qsizetype>(i));
                m_nummern.push_back(static_cast<int>(liste.nummern[i]));
            }
    }
    m_cCocktail->Clear();
    m_cCocktail->AddItems(namen);
    if (!namen.isEmpty())
        m_cCocktail->SetListIndex(std::clamp(index, 0, static_cast<int>(namen.size()) - 1));
}

std::optional<int> KqCocktailÄndern::Gewählt() const {
    const int index = m_cCocktail->ListIndex();
    if (index < 0 || index >= static_cast<int>(m_nummern.size())) return std::nullopt;
    return m_nummern[static_cast<std::size_t>(index)];
}

bool KqCocktailÄndern::Auffrischen() {
    if (Stand() == m_gelesen) return true;
    const std::optional<int> vorher = Gewählt();
    const int index = m_cCocktail->ListIndex();
    InitCocktail(index);
    for (std::size_t i = 0; vorher && i < m_nummern.size(); ++i)
        if (m_nummern[i] == *vorher) {
            m_cCocktail->SetListIndex(static_cast<int>(i));
            return true;
        }
    return !vorher;
}

void KqCocktailÄndern::BÄndern_Click() {
    if (!Auffrischen()) return;
    const std::optional<int> nr = Gewählt();
    if (!nr) return;
    // What was typed into the entry window is not thrown away unasked.
    if (KqCocktailEingabe::IsLoaded() && !KqCocktailEingabe::Loaded()->Unberührt() &&
        toolkit::MsgBox(QStringLiteral("Im Fenster „Cocktail“ stehen Eingaben, die nicht "
                                       "gespeichert sind. Sollen sie verworfen werden?"),
                        toolkit::vbYesNo + toolkit::vbDefaultButton2) != toolkit::vbYes) {
        KqCocktailEingabe::Loaded()->Show();
        return;
    }
    KqCocktailEingabe& eingabe = KqCocktailEingabe::Instance();
    if (eingabe.CocktailLaden(*nr)) eingabe.Show();
}

void KqCocktailÄndern::BLöschen_Click() {
    if (!Auffrischen()) return;
    const std::optional<int> nr = Gewählt();
    if (!nr) return;
    if (toolkit::MsgBox(QStringLiteral("Soll der Cocktail „") + m_cCocktail->Text() +
                            QStringLiteral("“ gelöscht werden?"),
                        toolkit::vbYesNo + toolkit::vbDefaultButton2) != toolkit::vbYes ||
        !CocktailLöschen(*nr))
        return;
    // The entry window keeps what it holds of the cocktail, as a new one.
    if (KqCocktailEingabe::IsLoaded() && KqCocktailEingabe::Loaded()->Cocktailnummer() == nr)
        KqCocktailEingabe::Loaded()->NeuErfassen();
    // The list loses the deleted cocktail, as reading it again would give it, and shows the one
    // that followed.
    const int index = m_cCocktail->ListIndex();
    m_cCocktail->removeItem(index);
    m_nummern.erase(m_nummern.begin() + index);
    m_gelesen = Stand();
    if (!m_nummern.empty())
        m_cCocktail->SetListIndex(std::min(index, static_cast<int>(m_nummern.size()) - 1));
}

void KqCocktailÄndern::BAbbrechen_Click() {
    Unload();
}
