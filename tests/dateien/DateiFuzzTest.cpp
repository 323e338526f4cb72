// Whole random files (see ZufallsDatei.h), each opened by the program as a user would: every
// window, every recipe sheet drawn, every setup chosen with the drinks box ticked and
// unticked, the ideal ingredient asked for, both line dialogs walked through their lists, and a
// cocktail and a setup stored. The program must neither crash nor hang nor
// touch memory it does not own (the sanitizer build runs the same files), nor refuse a file
// the engine reads.
//
// The files: every kept case in regressions/ (a file that once failed), then VELKOR_DATEIEN
// random ones (30 by default) from the seed VELKOR_DATEIEN_KEIM (1). With VELKOR_DATEIEN_ABLAGE
// set, each filling is written there before it runs, so that the one a crash stopped at can be
// kept (scripts/dateifuzz.sh).

#include "NoWindowLeft.h"
#include "TempDatabase.h"
#include "ZufallsDatei.h"
#include "dialogs/KqCocktailDeko.h"
#include "dialogs/KqCocktailZutaten.h"
#include "dialogs/KqNeu.h"
#include "entry/KqCocktailAendern.h"
#include "entry/KqCocktailEingabe.h"
#include "menu/KqMenue.h"
#include "modul/HauptModul.h"
#include "stock/KqZutaten.h"
#include "toolkit/Controls.h"
#include "toolkit/MsgBox.h"
#include "toolkit/Trap.h"
#include "viewer/Blatt.h"
#include "viewer/KqRezepte.h"
#include "web/KqHomepage.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// A user's action: what it throws is reported as the program reports an untrapped failure.
template <class F> void Tun(F&& handlung) {
    toolkit::Trapped(std::forward<F>(handlung))();
}

// Chooses each entry of a list in turn (at most a few dozen).
template <class Liste, class F> void JedenWählen(Liste* liste, F&& danach) {
    for (int i = 0; i < std::min(liste->ListCount(), 40); ++i) {
        Tun([&] { liste->SetListIndex(i); });
        danach(i);
    }
}

void Durchgang(const QByteArray& füllung) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("Cocktails.mdb"));
    zufallsdatei::Schreiben(datei, füllung);

    QStringList meldungen;
    std::vector<int> endungen;
    HauptModul::Programmordner = [&ordner] { return ordner.path(); };
    HauptModul::Ende = [&endungen](int status) { endungen.push_back(status); };
    // Every box is answered as a user would who wants to go on: Ignore in a storing trap, the
    // first button elsewhere.
    toolkit::SetMsgBoxResponder(
        [&meldungen](const QString& text, int buttons, const QString& titel) {
            meldungen << titel + QStringLiteral(": ") + text.left(200);
            if (text.contains(QStringLiteral("im Browser"))) return int(toolkit::vbNo);
            return buttons == toolkit::vbAbortRetryIgnore ? int(toolkit::vbIgnore)
                                                          : toolkit::MsgBoxAnswers(buttons).front();
        });

    HauptModul::Main();
    HauptModul::ÖffnungAbwarten();
    ASSERT_TRUE(HauptModul::Datenbank) << meldungen.join(u'\n').toStdString();
    // "Homepage-erzeugen" writes the file's site into a folder of its own and ends.
    QTemporaryDir homepage;
    KqHomepage::OrdnerWählen = [&homepage](const QString&) { return homepage.path(); };
    for (int knopf = 0; knopf < 5; ++knopf)
        Tun([&] { KqMenü::Instance().BMenüKnopf_Click(knopf); });
    ASSERT_TRUE(QTest::qWaitFor([] { return !KqHomepage::IsLoaded(); }, 60000));
    // The first cocktail loaded for a change; stored below.
    Tun([&] { KqCocktailÄndern::Instance().BÄndern_Click(); });

    KqRezepte& rezepte = KqRezepte::Instance();
    JedenWählen(rezepte.CCocktail(), [&rezepte](int) {
        Tun([&] { rezepte.BAnzeigen_Click(); });
        rezepte.Ausgabe()->grab();
    });

    KqZutaten& bestand = KqZutaten::Instance();
    for (const bool haken : {false, true}) {
        bestand.AGetränke()->setChecked(haken);
        JedenWählen(bestand.CSetup(), [&bestand](int) {
            Tun([&] { bestand.BIdeal_Click(); });
            if (bestand.LCocktails()->ListCount() > 0) {
                bestand.LCocktails()->SetListIndex(0);
                Tun([&] { bestand.BDetails_Click(); });
            }
        });
    }
    // A cocktail entered with a line of each kind, written and changed through the dialogs.
    KqCocktailEingabe& eingabe = KqCocktailEingabe::Instance();
    eingabe.ECocktail()->setText(QStringLiteral("Zufallsprobe"));
    Tun([&] { eingabe.BZutatenNeu_Click(); });
    KqCocktailZutaten& zutaten = KqCocktailZutaten::Instance();
    JedenWählen(zutaten.CZutat(), [](int) {});
    JedenWählen(zutaten.CZutatEinheit(), [](int) {});
    JedenWählen(zutaten.CVariation(), [](int) {});
    zutaten.EZutatMenge()->setText(QStringLiteral("2"));
    Tun([&] { zutaten.BHinzufügen_Click(); });
    eingabe.TZutaten()->SetRow(1);
    Tun([&] { eingabe.BZutatenEdit_Click(); });
    Tun([&] { KqCocktailZutaten::Instance().BHinzufügen_Click(); });
    Tun([&] { eingabe.BDekorationNeu_Click(); });
    KqCocktailDeko& deko = KqCocktailDeko::Instance();
    JedenWählen(deko.CDeko(), [](int) {});
    Tun([&] { deko.BHinzufügen_Click(); });
    eingabe.TDekoration()->SetRow(1);
    Tun([&] { eingabe.BDekorationEdit_Click(); });
    Tun([&] { KqCocktailDeko::Instance().BHinzufügen_Click(); });
    if (KqCocktailEingabe::IsLoaded()) Tun([&] { eingabe.BHinzufügen_Click(); });

    // A new setup, and every window read again after the changes.
    Tun([&] { KqNeu::Instance().Start(KqNeu::Setup); });
    KqNeu::Instance().EName()->setText(QStringLiteral("Zufallssetup"));
    Tun([&] { KqNeu::Instance().BHinzufügen_Click(); });
    Tun([&] { KqRezepte::Instance().Start(QStringLiteral("Zufallsprobe")); });
    KqRezepte::Instance().Ausgabe()->grab();
    Tun([&] { KqZutaten::Instance().InitSetup(); });
    Tun([&] { KqZutaten::Instance().BIdeal_Click(); });

    for (const QString& m : meldungen)
        std::fprintf(stderr, "  %s\n", m.toLocal8Bit().constData());
    toolkit::DiscardAll();
    HauptModul::Datenbank.reset();
    HauptModul::Arbeitsbereich.reset();
    toolkit::SetMsgBoxResponder({});
    EXPECT_EQ(endungen, std::vector<int>{});
    // The file is sound afterwards.
    auto db = TempDatabase::OpenFile(datei);
    dao::Recordset prüfung = db->OpenRecordset(QStringLiteral("SELECT * FROM cocktails"));
    prüfung.Close();
    ExpectNoWindowLeft();
}

// The kept cases first, then the random files; each filling is written to VELKOR_DATEIEN_ABLAGE
// (when set) before it runs.
TEST(DateiFuzz, KeptCasesAndRandomFilesOpenWithoutHarm) {
    const auto ende = HauptModul::Ende;
    const auto ordner = HauptModul::Programmordner;
    std::vector<std::pair<QString, QByteArray>> füllungen;
    const QDir regressions(QStringLiteral(VELKOR_SOURCE_DIR "/tests/dateien/regressions"));
    for (const QString& name : regressions.entryList({QStringLiteral("*.sql")}, QDir::Files)) {
        QFile f(regressions.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        füllungen.emplace_back(name, f.readAll());
    }
    const int anzahl = qEnvironmentVariableIsSet("VELKOR_DATEIEN")
                           ? qEnvironmentVariableIntValue("VELKOR_DATEIEN")
                           : 30;
    const qulonglong keim = qEnvironmentVariableIsSet("VELKOR_DATEIEN_KEIM")
                                ? qEnvironmentVariable("VELKOR_DATEIEN_KEIM").toULongLong()
                                : 1;
    for (qulonglong k = keim; k < keim + static_cast<qulonglong>(anzahl); ++k)
        füllungen.emplace_back(QStringLiteral("keim-%1").arg(k), zufallsdatei::Füllung(k));
    const QString ablage = qEnvironmentVariable("VELKOR_DATEIEN_ABLAGE");
    for (const auto& [name, füllung] : füllungen) {
        std::fprintf(stderr, "Datei %s\n", name.toLocal8Bit().constData());
        if (QFile f(QDir(ablage).filePath(name + QStringLiteral(".sql")));
            !ablage.isEmpty() && f.open(QIODevice::WriteOnly))
            f.write(füllung);
        SCOPED_TRACE(name.toStdString());
        Durchgang(füllung);
    }
    HauptModul::Ende = ende;
    HauptModul::Programmordner = ordner;
}

} // namespace
