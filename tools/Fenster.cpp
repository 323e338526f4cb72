#include "Fenster.h"

#include "dialogs/KqCocktailDeko.h"
#include "dialogs/KqCocktailZutaten.h"
#include "dialogs/KqNeu.h"
#include "entry/KqCocktailAendern.h"
#include "entry/KqCocktailEingabe.h"
#include "menu/KqMenue.h"
#include "stock/KqZutatenAuswahl.h"
#include "toolkit/Controls.h"
#include "viewer/KqRezepte.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace fenster {

namespace {

// A cocktail half entered: a few lines in both grids, each written through its dialog.
void CocktailErfassen() {
    KqCocktailEingabe& eingabe = KqCocktailEingabe::Instance();
    eingabe.ECocktail()->setText(QStringLiteral("Caipirinha"));
    eingabe.EBeschreibung()->setText(QStringLiteral("Der Klassiker aus Brasilien"));
    eingabe.EZubereitung()->setPlainText(
        QStringLiteral("Limette achteln, mit dem Zucker im Glas zerdrücken, mit Eis auffüllen."));
    eingabe.EBewertung()->setText(QStringLiteral("sehr gut"));
    struct Zeile {
        const char *zutat, *menge, *einheit, *variation, *variationsmenge, *beschreibung;
        bool pflicht;
    };
    const Zeile zeilen[] = {
        {"Cachaça", "5", "cl", "Rum, weiß", "5 ", "", true},
        {"Limette", "1", "", "", "", "geachtelt", true},
        {"Rohrzucker", "2", "Barlöffel", "", "", "braun", true},
        {"Soda", "", "zum Auffüllen", "", "", "", false},
    };
    for (const Zeile& z : zeilen) {
        eingabe.BZutatenNeu_Click();
        KqCocktailZutaten& d = KqCocktailZutaten::Instance();
        d.CZutat()->SetText(QString::fromUtf8(z.zutat));
        d.EZutatMenge()->setText(QString::fromUtf8(z.menge));
        d.CZutatEinheit()->SetText(QString::fromUtf8(z.einheit));
        d.CVariation()->SetText(QString::fromUtf8(z.variation));
        d.EVariationMenge()->setText(QString::fromUtf8(z.variationsmenge));
        d.EVariationEinheit()->SetText(*z.variationsmenge ? QStringLiteral("cl") : QString());
        d.EBeschreibung()->setText(QString::fromUtf8(z.beschreibung));
        d.APflicht()->setChecked(z.pflicht);
        d.BHinzufügen_Click();
    }
    for (const char* deko : {"Limettenscheibe", "Trinkhalm"}) {
        eingabe.BDekorationNeu_Click();
        KqCocktailDeko::Instance().CDeko()->SetText(QString::fromUtf8(deko));
        KqCocktailDeko::Instance().EBeschreibung()->setText(QStringLiteral("am Glasrand"));
        KqCocktailDeko::Instance().BHinzufügen_Click();
    }
    // The ingredient dialog changing the first line, the decoration dialog adding one.
    eingabe.TZutaten()->SetRow(1);
    eingabe.BZutatenEdit_Click();
    eingabe.BDekorationNeu_Click();
    KqCocktailDeko::Instance().CDeko()->SetText(QStringLiteral("Minzzweig"));
    // The catalogue dialog opened from the ingredient dialog: a new ingredient.
    KqCocktailZutaten::Instance().BZutatNeu_Click();
    KqNeu::Instance().EName()->setText(QStringLiteral("Maracujasirup"));
    KqNeu::Instance().EBeschreibung()->setText(QStringLiteral("Sirup aus Passionsfrüchten"));
}

} // namespace

void AlleÖffnen() {
    KqMenü& menu = KqMenü::Instance();
    for (int i = 0; i < 4; ++i)
        menu.BMenüKnopf_Click(i);
    KqRezepte::Instance().Start(QStringLiteral("Mojito"));
    KqCocktailÄndern::Instance().CCocktail()->SetText(QStringLiteral("Mojito"));
    KqZutatenAuswahl::Instance().Show();
    CocktailErfassen();
}

} // namespace fenster
