// Starts the program headless on a copy of its database, opens every window
// that exists, and saves a PNG of each: for reviewing the look.
//
//   velkor_screenshots <folder>

#include "app/HauptModul.h"
#include "dialogs/KqCocktailDeko.h"
#include "dialogs/KqCocktailZutaten.h"
#include "dialogs/KqNeu.h"
#include "entry/KqCocktailEingabe.h"
#include "menu/KqMenue.h"
#include "menu/ZebKnopf.h"
#include "stock/KqZutatenAuswahl.h"
#include "toolkit/Controls.h"
#include "toolkit/Form.h"
#include "toolkit/Look.h"
#include "toolkit/MsgBox.h"
#include "viewer/KqRezepte.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

QString g_folder;

void Save(QWidget* window, const QString& name) {
    QCoreApplication::processEvents();
    const QString path = g_folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!window->grab().save(path))
        std::fprintf(stderr, "%s kann nicht geschrieben werden\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

// Every visible window of the program, saved under its object name.
void SaveOpenWindows() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<toolkit::Form*>(w) && !dynamic_cast<KqMenü*>(w))
            Save(w, w->objectName());
}

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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    toolkit::InstallGermanTranslation(app);
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(g_folder);

    // The program runs on a copy, so nothing here touches the user's data.
    QTemporaryDir copy;
    const QString source =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../Cocktails.mdb");
    if (!QFile::copy(source, copy.filePath(QStringLiteral("Cocktails.mdb")))) {
        std::fprintf(stderr, "%s fehlt\n", qPrintable(source));
        return 1;
    }
    HauptModul::Programmordner = [&] { return copy.path(); };
    HauptModul::Ende = [](int status) { std::exit(status); };
    toolkit::SetMsgBoxResponder([](const QString& text, int, const QString& title) {
        std::printf("Meldung \"%s\": %s\n", qPrintable(title), qPrintable(text));
        return toolkit::vbOK;
    });

    HauptModul::Main();
    KqMenü& menu = KqMenü::Instance();
    // Once active, the first button has the focus and shows its frame.
    if (!QTest::qWaitForWindowActive(&menu))
        std::fprintf(stderr, "Das Hauptmenü wurde nicht aktiv\n");
    Save(&menu, QStringLiteral("KqMenü"));

    // The second button held down, with the focus frame on it.
    ZebKnopf* knopf = menu.BMenüKnopf(1);
    knopf->setFocus();
    QTest::mousePress(knopf, Qt::LeftButton);
    Save(&menu, QStringLiteral("KqMenü-gedrückt"));
    QTest::mouseRelease(knopf, Qt::LeftButton, {}, QPoint(-5, -5)); // released outside: no click

    for (int i = 0; i < 3; ++i)
        menu.BMenüKnopf_Click(i);
    KqRezepte::Instance().Start(QStringLiteral("Mojito"));
    KqZutatenAuswahl::Instance().Show();
    CocktailErfassen();
    SaveOpenWindows();
    KqRezepte::Instance().Start(QStringLiteral("Zombie")); // longer than the sheet: it scrolls
    Save(&KqRezepte::Instance(), QStringLiteral("KqRezepte-lang"));

    toolkit::DiscardAll();
    return 0;
}
