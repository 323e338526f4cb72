// A test-only build of the program that stores cocktails and changes the bar stock without end,
// through its windows, so that the crash test can kill it at any moment. It starts as the program
// does, on the Cocktails.mdb in the folder VELKOR_ORDNER, and writes to the file VELKOR_PROTOKOLL
// a line "beginne <Schritt>" before each step and "fertig <Schritt>" once the step is stored.
// Steps: "cocktail <Name>", "vorrat+ <Setup>|<Zutat>", "vorrat- <Setup>|<Zutat>".
// Any failure the program reports ends it with status 3.

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
    // Whatever the program would ask or report is a failure here.
    toolkit::SetMsgBoxResponder([](const QString& text, int, const QString&) -> int {
        std::fprintf(stderr, "Meldung: %s\n", text.toUtf8().constData());
        std::_Exit(3);
    });
    HauptModul::Programmordner = [] { return qEnvironmentVariable("VELKOR_ORDNER"); };
    HauptModul::Main();
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

    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] {
        switch (zufall() % 2) {
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
                                                  {eine(dekos), QStringLiteral("am Rand")});
            e.BHinzufügen_Click();
            if (KqCocktailEingabe::IsLoaded()) std::_Exit(3);
            schreiben("fertig ", "cocktail " + name);
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
