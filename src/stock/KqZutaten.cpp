#include "stock/KqZutaten.h"

#include "dao/Text.h"
#include "dialogs/KqNeu.h"
#include "modul/HauptModul.h"
#include "stock/KqZutatenAuswahl.h"
#include "stock/Rezeptbestand.h"
#include "toolkit/AbortRetryIgnore.h"
#include "toolkit/Controls.h"
#include "toolkit/MsgBox.h"
#include "toolkit/Trap.h"
#include "viewer/KqRezepte.h"

#include <QChar>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <algorithm>
#include <exception>
#include <optional>

std::function<void(const QString&)> KqZutaten::RezepteStart = [](const QString& cocktail) {
    KqRezepte::Instance().Start(cocktail);
};
std::function<void(const QString&)> KqZutaten::RezepteAnzeigen = [](const QString& cocktail) {
    KqRezepte::Instance().Anzeigen(cocktail);
};

namespace {

QString Zahl(int nummer) {
    return QString::number(nummer);
}

// The statement that finds a setup by its exact name.
QString SetupAbfrage(const QString& setup) {
    return QStringLiteral("SELECT nr, name FROM zutatensetup WHERE name = ") + dao::Quoted(setup) +
           QStringLiteral(" ");
}

// The number of the setup of that name; nothing when no such setup is stored (any more), or
// when its number is beyond what a stock record of the program can name.
std::optional<int> SetupNummer(const QString& setup) {
    dao::Recordset rs = HauptModul::OffeneDatenbank().OpenRecordset(SetupAbfrage(setup));
    std::optional<int> nummer;
    if (!rs.Eof()) {
        rs.MoveFirst();
        nummer = rs.Fields(0).Get().AsRecordNumber();
    }
    rs.Close();
    return nummer;
}

// What the three lists show.
dao::FileState Stand() {
    return HauptModul::OffeneDatenbank().State(
        {"zutatensetup", "zutatensetupvorrat", "zutaten", "cocktails", "zutatenliste"});
}

// Chooses the entry of that text in a list, when it holds one.
template <class Liste> void Wählen(Liste& liste, const QString& text) {
    for (int i = 0; i < liste.ListCount(); ++i)
        if (liste.List(i) == text) return liste.SetListIndex(i);
}

// The trap of Add: "Fehler!" with Abort, Retry and Ignore. A stock row that exists already ends
// Add silently; Abort ends the program.
toolkit::AbortRetryIgnore AddFalle() {
    return toolkit::AbortRetryIgnore(
        {[](int nummer, const QString& beschreibung) {
             const QChar cr(13);
             return QStringLiteral("Es trat ein Fehler während des "
                                   "Abspeicherns des Cocktails auf! ") +
                    cr + QStringLiteral("Nummer: ") + Zahl(nummer) + cr + beschreibung;
         },
         {dao::errDuplicateKey},
         [] { HauptModul::Beenden(); }});
}

// The number in field 0 of the first row a statement finds; fails (no current record) when it
// finds none.
int Nachschlagen(const QString& abfrage) {
    dao::Recordset rs = HauptModul::OffeneDatenbank().OpenRecordset(abfrage);
    rs.MoveFirst();
    const int nummer = rs.Fields(0).ToInt();
    rs.Close();
    return nummer;
}

// A look-up under the trap of Add. Retry looks up afresh, so a cause removed meanwhile (the
// ingredient entered, the setup restored) counts. Nothing when the user chose Ignore.
std::optional<int> NummerMitFalle(toolkit::AbortRetryIgnore& falle, const QString& abfrage) {
    int nummer = 0;
    if (!falle.Step([&] { nummer = Nachschlagen(abfrage); })) return std::nullopt;
    return nummer;
}

} // namespace

KqZutaten::KqZutaten() {
    using namespace toolkit;
    setObjectName(QStringLiteral("KqZutaten"));
    SetCaption(QStringLiteral("Mit Zutaten mixbare Cocktails"));
    SetInnerSize(8085, 5640);

    m_lSetup =
        MakeLabel(this, QStringLiteral("LSetup"), QStringLiteral("Setup"), {120, 120, 1815, 375});
    m_cSetup =
        MakeComboBox(this, QStringLiteral("CSetup"), false, {2040, 120, 3855, 360}, m_lSetup);
    m_bNeu = MakeButton(this, QStringLiteral("BNeu"), QStringLiteral("Neu"), {6000, 120, 855, 375});
    m_lZutaten = MakeListBox(this, QStringLiteral("LZutaten"), {120, 600, 3855, 3420});
    m_lZutaten->setAccessibleName(QStringLiteral("Zutaten"));
    m_lCocktails = MakeListBox(this, QStringLiteral("LCocktails"), {4080, 600, 3855, 3420});
    m_lCocktails->setAccessibleName(QStringLiteral("Cocktails"));
    m_bHinzufügen = MakeButton(this, QStringLiteral("BHinzufügen"), QStringLiteral("Hinzufügen"),
                               {120, 4080, 1575, 375});
    m_bEntfernen = MakeButton(this, QStringLiteral("BEntfernen"), QStringLiteral("Entfernen"),
                              {1800, 4080, 1575, 375});
    m_bDetails = MakeButton(this, QStringLiteral("BDetails"), QStringLiteral("Details"),
                            {4080, 4080, 1575, 375});
    m_bInfo =
        MakeButton(this, QStringLiteral("BInfo"), QStringLiteral("Info"), {120, 4560, 1575, 375});
    m_bIdeal = MakeButton(this, QStringLiteral("BIdeal"), QStringLiteral("Ideale Zutat"),
                          {1800, 4560, 1575, 375});
    m_aGetränke = MakeCheckBox(this, QStringLiteral("AGetränke"),
                               QStringLiteral("nur Getränke beachten"), {120, 5160, 3855, 255});
    m_aGetränke->setChecked(true);
    m_bAbbruch = MakeButton(this, QStringLiteral("BAbbruch"), QStringLiteral("Abbruch"),
                            {6360, 5160, 1575, 375});

    SetTabOrder({m_lZutaten, m_lCocktails, m_bHinzufügen, m_bEntfernen, m_bInfo, m_bDetails,
                 m_cSetup, m_bNeu, m_bAbbruch, m_bIdeal, m_aGetränke});
    m_lZutaten->setFocus();

    m_cSetup->OnClick([this] { CSetup_Click(); });
    m_lCocktails->OnDblClick([this] { LCocktails_DblClick(); });
    // The box's value changes from code raise the event as well as the user's clicks.
    QObject::connect(m_aGetränke, &QCheckBox::toggled, this,
                     Trapped([this] { AGetränke_Click(); }));
    ConnectClick(m_bNeu, this, [this] { BNeu_Click(); });
    ConnectClick(m_bHinzufügen, this, [this] { BHinzufügen_Click(); });
    ConnectClick(m_bEntfernen, this, [this] { BEntfernen_Click(); });
    ConnectClick(m_bDetails, this, [this] { BDetails_Click(); });
    ConnectClick(m_bInfo, this, [this] { BInfo_Click(); });
    ConnectClick(m_bIdeal, this, [this] { BIdeal_Click(); });
    ConnectClick(m_bAbbruch, this, [this] { BAbbruch_Click(); });

    // A new setup from "Neu" is offered in the setup list (the window is loaded again, hidden,
    // when it was closed meanwhile).
    KqNeu::SetzeAuffrischen(KqNeu::Setup, [] { KqZutaten::Instance().InitSetup(); });
    FollowFile([this] { Nachführen(); });
}

void KqZutaten::Form_Load() {
    InitSetup();
}

// ---------------------------------------------------------------------------------------------
// Public routines

void KqZutaten::Add(const QString& zutat) {
    toolkit::AbortRetryIgnore falle = AddFalle();
    // A number that was not found (its look-up failed and was ignored) stops the adding: no
    // stock row is stored with it. The lists are refreshed all the same.
    const std::optional<int> setup = NummerMitFalle(falle, SetupAbfrage(m_cSetup->Text()));
    std::optional<int> zutatNummer;
    if (setup)
        zutatNummer =
            NummerMitFalle(falle, QStringLiteral("SELECT nr FROM zutaten WHERE Ucase(name) = ") +
                                      dao::Quoted(dao::UCase(zutat)) + QStringLiteral(" "));
    if (setup && zutatNummer) {
        dao::Recordset rs;
        if (falle.Step([&] {
                rs = HauptModul::OffeneDatenbank().OpenRecordset(
                    QStringLiteral("SELECT * FROM zutatensetupvorrat WHERE setup = ") +
                    Zahl(*setup) + QStringLiteral(" "));
            })) {
            if (falle.Step([&] { rs.AddNew(); })) {
                const bool feld0 = falle.Step([&] { rs.Fields(0) = dao::Value(*setup); });
                const bool feld1 = falle.Step([&] { rs.Fields(1) = dao::Value(*zutatNummer); });
                if (feld0 && feld1) falle.Step([&] { rs.Update(); });
            }
            falle.Step([&] { rs.Close(); });
        }
    }
    falle.Step([this] { InitZutaten(); });
}

void KqZutaten::InitCocktails() {
    // Runs for an empty stock too: then only cocktails none of whose lines count are mixable.
    m_lCocktails->Clear();
    HauptModul::OffeneDatenbank();
    // A setup that is no longer stored has an empty stock (no setup has the number 0).
    const int setup = SetupNummer(m_cSetup->Text()).value_or(0);
    m_lCocktails->AddItems(Rezeptbestand::Instance().Mixbar(HauptModul::GeteilteDatenbank(), setup,
                                                            m_aGetränke->isChecked()));
}

void KqZutaten::InitSetup() {
    m_stand = Stand();
    m_cSetup->Clear();
    for (const QString& name :
         HauptModul::ErstesFeld(QStringLiteral("SELECT name FROM zutatensetup ORDER BY name")))
        m_cSetup->AddItem(name);
    // Choosing the first setup raises its Click, which fills the other two lists.
    if (m_cSetup->ListCount() > 0) m_cSetup->SetListIndex(0);
}

void KqZutaten::InitZutaten() {
    m_lZutaten->Clear();
    // A setup that is no longer stored has an empty stock.
    if (const std::optional<int> setup = SetupNummer(m_cSetup->Text())) {
        for (const QString& name : HauptModul::ErstesFeld(
                 QStringLiteral("SELECT b.name FROM zutatensetupvorrat a INNER JOIN zutaten b ON "
                                "a.zutat = b.nr WHERE a.setup = ") +
                 Zahl(*setup) + QStringLiteral(" ORDER BY b.name ")))
            m_lZutaten->AddItem(name);
        if (m_lZutaten->ListCount() > 0) m_lZutaten->SetListIndex(0);
    }
    InitCocktails();
}

void KqZutaten::Nachführen() {
    // After Beenden nothing is open any more.
    if (!HauptModul::Datenbank || Stand() == m_stand) return;
    const QString setup = m_cSetup->Text();
    const int setupIndex = m_cSetup->ListIndex();
    const QString zutat = m_lZutaten->ListIndex() >= 0 ? m_lZutaten->Text() : QString();
    const QString cocktail = m_lCocktails->ListIndex() >= 0 ? m_lCocktails->Text() : QString();
    m_stand = Stand();
    const QStringList setups =
        HauptModul::ErstesFeld(QStringLiteral("SELECT name FROM zutatensetup ORDER BY name"));
    m_cSetup->Clear();
    m_cSetup->AddItems(setups);
    // Choosing the setup raises its Click, which refills the other two lists.
    const qsizetype da = setups.indexOf(setup);
    if (!setups.isEmpty())
        m_cSetup->SetListIndex(da >= 0 ? static_cast<int>(da)
                                       : std::clamp(setupIndex, 0, int(setups.size()) - 1));
    else
        InitZutaten();
    if (!zutat.isNull()) Wählen(*m_lZutaten, zutat);
    if (!cocktail.isNull()) Wählen(*m_lCocktails, cocktail);
}

// ---------------------------------------------------------------------------------------------
// Event handlers

void KqZutaten::CSetup_Click() {
    InitZutaten();
}

void KqZutaten::AGetränke_Click() {
    InitCocktails();
}

void KqZutaten::BHinzufügen_Click() {
    KqZutatenAuswahl::Instance().Show();
}

void KqZutaten::BEntfernen_Click() {
    const int index = m_lZutaten->ListIndex();
    if (m_lZutaten->ListCount() > 0 && index >= 0) {
        dao::Database& db = HauptModul::OffeneDatenbank();
        dao::Recordset rs = db.OpenRecordset(
            QStringLiteral("SELECT nr FROM zutaten WHERE ucase(name) = ") +
            dao::Quoted(dao::UCase(m_lZutaten->List(index))) + QStringLiteral(" "));
        // An ingredient no longer in the catalogue only leaves the list.
        if (!rs.Eof()) {
            rs.MoveFirst();
            const int zutat = rs.Fields(0).ToInt();
            rs.Close();
            rs = db.OpenRecordset(QStringLiteral("SELECT * FROM ZutatenSetup WHERE name = ") +
                                  dao::Quoted(m_cSetup->Text()));
            if (rs.Eof()) {
                toolkit::MsgBox(QStringLiteral("Zutatensetup nocht verfügbar!"), toolkit::vbOKOnly);
                rs.Close();
                return;
            }
            rs.MoveFirst();
            const int setup = rs.Fields(QStringLiteral("Nr")).ToInt();
            rs.Close();
            rs =
                db.OpenRecordset(QStringLiteral("SELECT * FROM zutatensetupvorrat WHERE setup = ") +
                                 Zahl(setup) + QStringLiteral(" AND zutat = ") + Zahl(zutat));
            if (!rs.Eof()) {
                rs.MoveFirst();
                rs.Delete();
            }
        }
        rs.Close();
        m_lZutaten->RemoveItem(index);
    }
    InitCocktails();
}

void KqZutaten::BNeu_Click() {
    KqNeu::Instance().Start(KqNeu::Setup);
}

void KqZutaten::BDetails_Click() {
    if (m_lCocktails->ListIndex() > -1) RezepteAnzeigen(m_lCocktails->Text());
}

void KqZutaten::LCocktails_DblClick() {
    // Without a chosen cocktail there is nothing to open.
    if (m_lCocktails->ListIndex() > -1) RezepteStart(m_lCocktails->Text());
}

void KqZutaten::BInfo_Click() {
    toolkit::MsgBox(QStringLiteral("Keine Panik! Diese Funktion ist noch nicht implementiert!"),
                    toolkit::vbOKOnly);
}

void KqZutaten::BIdeal_Click() {
    // The first ingredient, by the number of recipe lines that use it, that the stock list does
    // not show.
    QSet<QString> vorrätig;
    for (int i = 0; i < m_lZutaten->ListCount(); ++i)
        vorrätig.insert(m_lZutaten->List(i));
    for (const Rezeptbestand::Gebrauch& kandidat :
         Rezeptbestand::Instance().NachGebrauch(HauptModul::GeteilteDatenbank())) {
        if (!vorrätig.contains(kandidat.name)) {
            toolkit::MsgBox(QStringLiteral("Sie können bis zu ") + Zahl(kandidat.zeilen) +
                                QStringLiteral(" weitere Cocktails mixen, wenn Sie ") +
                                kandidat.name + QStringLiteral(" einkaufen!"),
                            toolkit::vbOKOnly);
            return;
        }
    }
}

void KqZutaten::BAbbruch_Click() {
    Unload();
}
