#include "dialogs/KqCocktailZutaten.h"

#include "dialogs/KqNeu.h"
#include "modul/HauptModul.h"
#include "toolkit/Controls.h"
#include "toolkit/Trap.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace {

const QString kPflicht = QStringLiteral("Pflicht");

QString OhneBlankLinks(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    return text.mid(i);
}

QString OhneBlankRechts(const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == u' ')
        --n;
    return text.left(n);
}

QString OhneBlanks(const QString& text) {
    return OhneBlankLinks(OhneBlankRechts(text));
}

bool GehörtZurMenge(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u',' || c == u'.' || c == u'/';
}

// A unit box: free text with the usual units to choose from.
toolkit::ComboBox* Einheit(toolkit::Form* form, const QString& name, int top) {
    toolkit::ComboBox* box = toolkit::MakeComboBox(form, name, true, {2640, top, 2055, 360});
    for (const char* einheit : {"cl", "dash (Spritzer)", "Barlöffel", "zum Auffüllen"})
        box->AddItem(QString::fromUtf8(einheit));
    return box;
}

} // namespace

KqCocktailZutaten::KqCocktailZutaten() {
    using namespace toolkit;
    setObjectName(QStringLiteral("KqCocktailZutaten"));
    SetCaption(QStringLiteral("Zutaten"));
    SetDialog();
    SetInnerSize(5895, 3495);

    QLabel* lZutat =
        MakeLabel(this, QStringLiteral("LZutat"), QStringLiteral("Zutat"), {120, 120, 1455, 255});
    m_cZutat = MakeComboBox(this, QStringLiteral("CZutat"), true, {1680, 120, 4095, 360}, lZutat);

    QLabel* lZutatMenge = MakeLabel(this, QStringLiteral("LZutatMenge"), QStringLiteral("Menge"),
                                    {120, 600, 1455, 255});
    m_eZutatMenge =
        MakeTextBox(this, QStringLiteral("EZutatMenge"), {1680, 600, 855, 360}, lZutatMenge);
    m_cZutatEinheit = Einheit(this, QStringLiteral("CZutatEinheit"), 600);
    m_bZutatNeu =
        MakeButton(this, QStringLiteral("BZutatNeu"), QStringLiteral("Neu"), {4800, 600, 975, 375});

    QLabel* lVariation = MakeLabel(this, QStringLiteral("LVariation"), QStringLiteral("Variation"),
                                   {120, 1080, 1455, 255});
    m_cVariation =
        MakeComboBox(this, QStringLiteral("CVariation"), true, {1680, 1080, 4095, 360}, lVariation);

    QLabel* lVariationMenge = MakeLabel(this, QStringLiteral("LVariationMenge"),
                                        QStringLiteral("Menge"), {120, 1560, 1455, 255});
    m_eVariationMenge = MakeTextBox(this, QStringLiteral("EVariationMenge"), {1680, 1560, 855, 360},
                                    lVariationMenge);
    m_eVariationEinheit = Einheit(this, QStringLiteral("EVariationEinheit"), 1560);

    QLabel* lBeschreibung = MakeLabel(this, QStringLiteral("LBeschreibung"),
                                      QStringLiteral("Beschreibung"), {120, 2040, 1455, 255});
    m_eBeschreibung =
        MakeTextBox(this, QStringLiteral("EBeschreibung"), {1680, 2040, 4095, 360}, lBeschreibung);

    m_aPflicht = MakeCheckBox(this, QStringLiteral("APflicht"), QStringLiteral("Pflichtzutat"),
                              {1680, 2520, 2535, 255});

    m_bHinzufügen =
        MakeButton(this, QStringLiteral("BHinzufügen"), kHinzufügen, {1680, 3000, 1575, 375});
    m_bAbbrechen = MakeButton(this, QStringLiteral("BAbbrechen"), QStringLiteral("Abbrechen"),
                              {3360, 3000, 1575, 375});

    // Amount and unit exist for the ingredient and for its variation: named for which they are,
    // the caption labels as well, through which a reader names the boxes.
    lZutatMenge->setAccessibleName(QStringLiteral("Menge (Zutat)"));
    lVariationMenge->setAccessibleName(QStringLiteral("Menge (Variation)"));
    m_eZutatMenge->setAccessibleName(QStringLiteral("Menge (Zutat)"));
    m_cZutatEinheit->setAccessibleName(QStringLiteral("Einheit (Zutat)"));
    m_eVariationMenge->setAccessibleName(QStringLiteral("Menge (Variation)"));
    m_eVariationEinheit->setAccessibleName(QStringLiteral("Einheit (Variation)"));
    SetTabOrder({m_cZutat, m_eZutatMenge, m_cZutatEinheit, m_bZutatNeu, m_cVariation,
                 m_eVariationMenge, m_eVariationEinheit, m_eBeschreibung, m_aPflicht, m_bHinzufügen,
                 m_bAbbrechen});
    m_cZutat->setFocus();
    Leeren();

    for (ComboBox* box : {m_cZutat, m_cZutatEinheit, m_cVariation, m_eVariationEinheit})
        box->OnKeyPress([this](int& KeyAscii) { Eingabe_KeyPress(KeyAscii); });
    for (QLineEdit* box : {m_eZutatMenge, m_eVariationMenge, m_eBeschreibung})
        QObject::connect(box, &QLineEdit::returnPressed, this,
                         Trapped([this] { BHinzufügen_Click(); }));
    ConnectClick(m_bHinzufügen, this, [this] { BHinzufügen_Click(); });
    ConnectClick(m_bAbbrechen, this, [this] { BAbbrechen_Click(); });
    ConnectClick(m_bZutatNeu, this, [this] { BZutatNeu_Click(); });

    // A new ingredient from "Neu" is offered in both lists (the dialog is loaded again, hidden,
    // when it was closed meanwhile).
    KqNeu::SetzeAuffrischen(KqNeu::Zutat, [] { KqCocktailZutaten::Instance().InitZutat(); });
}

void KqCocktailZutaten::Form_Load() {
    InitZutat();
    SetzeÄndern(false);
}

void KqCocktailZutaten::Leeren() {
    m_cZutat->SetText(QString());
    m_eZutatMenge->clear();
    m_cZutatEinheit->SetText(QStringLiteral("cl"));
    m_cVariation->SetText(QString());
    m_eVariationMenge->clear();
    m_eVariationEinheit->SetText(QString());
    m_eBeschreibung->clear();
    m_aPflicht->setChecked(true);
}

// ---------------------------------------------------------------------------------------------
// Public routines

void KqCocktailZutaten::InitZutat() {
    // A refill after a new catalogue entry keeps the names the line has so far.
    const QString zutat = m_cZutat->Text();
    const QString variation = m_cVariation->Text();
    m_cZutat->Clear();
    m_cVariation->Clear();
    for (const QString& name :
         HauptModul::ErstesFeld(QStringLiteral("SELECT name FROM zutaten ORDER BY name"))) {
        m_cZutat->AddItem(name);
        m_cVariation->AddItem(name);
    }
    m_cZutat->SetText(zutat);
    m_cVariation->SetText(variation);
}

void KqCocktailZutaten::Start(int row) {
    Show();
    const toolkit::LineGrid& grid = *Ziel().TZutaten();
    if (row < 1 || row > grid.Rows() - 2) {
        // No line to change in this row.
        Leeren();
        SetzeÄndern(false);
        return;
    }
    m_row = row;
    QString menge;
    QString einheit;
    m_cZutat->SetText(grid.TextAt(row, 1));
    MengeTeilen(grid.TextAt(row, 2), menge, einheit);
    m_eZutatMenge->setText(menge);
    m_cZutatEinheit->SetText(einheit);
    m_cVariation->SetText(grid.TextAt(row, 3));
    MengeTeilen(grid.TextAt(row, 4), menge, einheit);
    m_eVariationMenge->setText(menge);
    m_eVariationEinheit->SetText(einheit);
    SetzeÄndern(true);
    m_aPflicht->setChecked(grid.TextAt(row, 5) == kPflicht);
    m_eBeschreibung->setText(grid.TextAt(row, 6));
}

QString KqCocktailZutaten::MengeMitEinheit(const QString& menge, const QString& einheit) {
    return OhneBlankLinks(OhneBlanks(menge) + u' ') + einheit;
}

void KqCocktailZutaten::MengeTeilen(const QString& zelle, QString& menge, QString& einheit) {
    const QString text = OhneBlankLinks(zelle);
    qsizetype n = 0;
    while (n < text.size() && GehörtZurMenge(text.at(n)))
        ++n;
    menge = text.left(n);
    einheit = OhneBlanks(text.mid(n));
}

// ---------------------------------------------------------------------------------------------
// Event handlers

void KqCocktailZutaten::BHinzufügen_Click() {
    Zeilenziel& ziel = Ziel();
    m_row = ziel.Schreiben(
        *ziel.TZutaten(), Ändert() ? m_row : 0,
        {m_cZutat->Text(), MengeMitEinheit(m_eZutatMenge->text(), m_cZutatEinheit->Text()),
         m_cVariation->Text(),
         MengeMitEinheit(m_eVariationMenge->text(), m_eVariationEinheit->Text()),
         m_aPflicht->isChecked() ? kPflicht : QString(), m_eBeschreibung->text()});
    Unload();
}

void KqCocktailZutaten::BAbbrechen_Click() {
    Unload();
}

void KqCocktailZutaten::BZutatNeu_Click() {
    KqNeu::Instance().Start(KqNeu::Zutat);
}

void KqCocktailZutaten::Eingabe_KeyPress(int& KeyAscii) {
    if (KeyAscii == 13) BHinzufügen_Click();
}
