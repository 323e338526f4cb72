// A test-only build of the program that stores, changes and deletes cocktails and changes the bar
// stock without end,
// through its windows, so that the crash test can kill it at any moment. It starts as the program
// does, on the Cocktails.mdb in the folder VELKOR_ORDNER, and writes to the file VELKOR_PROTOKOLL
// a line "beginne <Schritt>" before each step and "fertig <Schritt>" once the step is stored.
// Steps: "cocktail <Name>", "ändern <Name>|<neuer Name>", "löschen <Name>",
// "vorrat+ <Setup>|<Zutat>", "vorrat- <Setup>|<Zutat>". A cocktail changed k times carries k "+"
// after its name, "<2 + k> cl" on each of its eight ingredient lines and "Stufe <k>" on each of
// its two decorations: a cocktail that is partly one version and partly another shows.
// Any failure the program reports ends it with status 3.

#include "entry/KqCocktailAendern.h"
#include "entry/KqCocktailEingabe.h"
#include "modul/HauptModul.h"
#include "stock/KqZutaten.h"
#include "toolkit/Controls.h"
#include "toolkit/Look.h"
#include "toolkit/MsgBox.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <random>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velkor-DB"));
    toolkit::InstallGermanTranslation(app);
    // Whatever the program would ask or report, but whether to delete, is a failure here.
    toolkit::SetMsgBoxResponder([](const QString& text, int, const QString&) -> int {
        if (text.startsWith(QStringLiteral("Soll der Cocktail"))) return toolkit::vbYes;
        std::fprintf(stderr, "Meldung: %s\n", text.toUtf8().constData());
        std::_Exit(3);
    });
    HauptModul::Programmordner = [] { return qEnvironmentVariable("VELKOR_ORDNER"); };
    HauptModul::Main();
    HauptModul::ÖffnungAbwarten();
    if (!HauptModul::Datenbank) return 1;

    // Each line reaches the system at once: a killed process loses nothing it wrote.
    QFile protokoll(qEnvironmentVariable("VELKOR_PROTOKOLL"));
    if (!protokoll.open(QIODevice::Append | QIODevice::Unbuffered)) return 4;
    const auto schreiben = [&protokoll](const char* was, const QString& schritt) {
        if (protokoll.write(was + schritt.toUtf8() + '\n') < 0) std::exit(4);
    };
    std::mt19937 zufall(std::random_device{}());
    const QString kennung = QString::number(zufall() % 1000000);
    const QStringList zutaten =
        HauptModul::ErstesFeld(QStringLiteral("SELECT name FROM zutaten ORDER BY nr"));
    const QStringList dekos =
        HauptModul::ErstesFeld(QStringLiteral("SELECT name FROM deko ORDER BY nr"));
    const auto eine = [&zufall](const QStringList& liste) {
        return liste.at(static_cast<qsizetype>(zufall() % static_cast<unsigned>(liste.size())));
    };
    int nummer = 0;

    // Chooses a cocktail of the runs in the window "Cocktail ändern"; its name, or nothing.
    const auto wählen = [&]() -> QString {
        const QStringList proben = HauptModul::ErstesFeld(
            QStringLiteral("SELECT name FROM cocktails WHERE name LIKE \"Probe %\""));
        if (proben.size() < 3) return {};
        KqCocktailÄndern& w = KqCocktailÄndern::Instance();
        w.InitCocktail();
        w.CCocktail()->SetText(eine(proben));
        return w.CCocktail()->Text();
    };

    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] {
        switch (zufall() % 4) {
        case 0: {
            // A cocktail with eight ingredient lines, two decorations and a group.
            const QString name = QStringLiteral("Probe %1-%2").arg(kennung).arg(++nummer);
            schreiben("beginne ", "cocktail " + name);
            KqCocktailEingabe& e = KqCocktailEingabe::Instance();
            e.ECocktail()->setText(name);
            e.CGruppe()->SetListIndex(static_cast<int>(zufall() % 3));
            for (int i = 0; i < 8; ++i)
                KqCocktailEingabe::ZeileSchreiben(
                    *e.TZutaten(), 0,
                    {eine(zutaten), QStringLiteral("2 cl"), {}, {}, QStringLiteral("Pflicht"), {}});
            for (int i = 0; i < 2; ++i)
                KqCocktailEingabe::ZeileSchreiben(*e.TDekoration(), 0,
                                                  {eine(dekos), QStringLiteral("Stufe 0")});
            e.BHinzufügen_Click();
            if (KqCocktailEingabe::IsLoaded()) std::_Exit(3);
            schreiben("fertig ", "cocktail " + name);
            break;
        }
        case 1: {
            // A cocktail changed: one "+" more, each line one cl more, its decorations a step on.
            const QString name = wählen();
            if (name.isEmpty()) break;
            const QString schritt = "ändern " + name + '|' + name + '+';
            schreiben("beginne ", schritt);
            KqCocktailÄndern::Instance().BÄndern_Click();
            KqCocktailEingabe& e = KqCocktailEingabe::Instance();
            const int k = static_cast<int>(name.count(u'+')) + 1;
            e.ECocktail()->setText(name + '+');
            for (int row = 1; row < e.TZutaten()->Rows() - 1; ++row)
                e.TZutaten()->SetTextAt(row, 2, QStringLiteral("%1 cl").arg(2 + k));
            for (int row = 1; row < e.TDekoration()->Rows() - 1; ++row)
                e.TDekoration()->SetTextAt(row, 2, QStringLiteral("Stufe %1").arg(k));
            e.BHinzufügen_Click();
            if (KqCocktailEingabe::IsLoaded()) std::_Exit(3);
            schreiben("fertig ", schritt);
            break;
        }
        case 2: {
            const QString name = wählen();
            if (name.isEmpty()) break;
            schreiben("beginne ", "löschen " + name);
            KqCocktailÄndern::Instance().BLöschen_Click();
            schreiben("fertig ", "löschen " + name);
            break;
        }
        default: {
            // A stock entry added, or one taken out.
            KqZutaten& w = KqZutaten::Instance();
            w.CSetup()->SetListIndex(static_cast<int>(zufall() % 3));
            const bool dazu = zufall() % 2 == 0;
            if (!dazu && w.LZutaten()->ListCount() == 0) break;
            if (!dazu)
                w.LZutaten()->SetListIndex(
                    static_cast<int>(zufall() % static_cast<unsigned>(w.LZutaten()->ListCount())));
            const QString schritt = (dazu ? "vorrat+ " : "vorrat- ") + w.CSetup()->Text() + '|' +
                                    (dazu ? eine(zutaten) : w.LZutaten()->Text());
            schreiben("beginne ", schritt);
            if (dazu)
                w.Add(schritt.section('|', 1));
            else
                w.BEntfernen_Click();
            schreiben("fertig ", schritt);
        }
        }
    });
    takt.start(0);
    std::puts("bereit");
    std::fflush(stdout);
    return QApplication::exec();
}
