// Measures every action of the windows through the real windows (offscreen) on made-up
// catalogues of 100, 1,000, 10,000, 50,000 and 200,000 cocktails, and prints one table of
// medians with the targets (they hold up to 50,000; the largest shows how each cost grows). Beside
// the search for mixable cocktails it measures the same list computed by the best single SQL
// statement on the same file (the store's floor) and by a plain pass over the rows held in memory
// (the machine's floor).
//
//   velkor_bench [Größe ...]        all sizes, each in a process of its own
//   velkor_bench --messen <Datei>   one catalogue; prints "Schlüssel<TAB>Wert" lines

#include "Katalog.h"
#include "dao/Password.h"
#include "dao/Text.h"
#include "entry/CocktailSpeichern.h"
#include "entry/KqCocktailAendern.h"
#include "entry/KqCocktailEingabe.h"
#include "modul/HauptModul.h"
#include "stock/KqZutaten.h"
#include "stock/Rezeptbestand.h"
#include "toolkit/Controls.h"
#include "toolkit/Form.h"
#include "toolkit/MsgBox.h"
#include "viewer/KqRezepte.h"
#include "web/Homepage.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

const QString kPasswort = dao::PasswordConnect();

double Median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n % 2 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}

// Milliseconds one run of the action takes.
double Zeit(const std::function<void()>& aktion) {
    QElapsedTimer uhr;
    uhr.start();
    aktion();
    return static_cast<double>(uhr.nsecsElapsed()) / 1e6;
}

// The median of n runs; vorher runs before each, untimed.
double Median(int n, const std::function<void()>& aktion,
              const std::function<void()>& vorher = {}) {
    std::vector<double> werte;
    for (int i = 0; i < n; ++i) {
        if (vorher) vorher();
        werte.push_back(Zeit(aktion));
    }
    return Median(werte);
}

void Melden(const char* schlüssel, double wert) {
    std::printf("%s\t%.3f\n", schlüssel, wert);
    std::fflush(stdout);
    // With VELKOR_SPEICHER set, the peak memory so far after each measurement, to find what
    // raises it.
    if (qEnvironmentVariableIsSet("VELKOR_SPEICHER")) {
        struct rusage nutzung {};
        getrusage(RUSAGE_SELF, &nutzung);
        std::fprintf(stderr, "%-45s %6.1f MB\n", schlüssel,
                     static_cast<double>(nutzung.ru_maxrss) / 1024.0);
    }
}

// Profiling one measurement (scripts/profile.sh): VELKOR_PROFIL names it, VELKOR_PROFIL_ORDNER
// holds the control and answer pipes of `perf record --control`; perf samples only while the
// named action runs, not while its preparation runs.
void Profil(const char* befehl) {
    const QByteArray ordner = qgetenv("VELKOR_PROFIL_ORDNER");
    const int steuerung = ::open((ordner + "/steuerung").constData(), O_WRONLY);
    if (steuerung < 0) return;
    (void)!::write(steuerung, befehl, std::strlen(befehl));
    ::close(steuerung);
    const int antwort = ::open((ordner + "/antwort").constData(), O_RDONLY);
    char ack[5] = {};
    if (antwort >= 0) (void)!::read(antwort, ack, 4); // "ack\n"
    ::close(antwort);
}

// Reports the median of n runs of the action; vorher runs before each, untimed.
void Messe(const char* schlüssel, int n, const std::function<void()>& aktion,
           const std::function<void()>& vorher = {}) {
    if (qEnvironmentVariable("VELKOR_PROFIL") != QString::fromUtf8(schlüssel)) {
        Melden(schlüssel, Median(n, aktion, vorher));
        return;
    }
    Melden(schlüssel, Median(
                          n,
                          [&aktion] {
                              Profil("enable\n");
                              aktion();
                              Profil("disable\n");
                          },
                          vorher));
}

void Verwerfen() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The same list as the window's search, by one statement: cocktails with at least one line and
// without a counting line whose ingredient is missing from stock.
QStringList SqlBoden(dao::Database& db, int setup, bool nurGetränke) {
    const QByteArray zählt = nurGetränke ? "z.getränk" : "1";
    QStringList liste;
    db.ReadEngineRows(
        "SELECT c.name FROM cocktails c WHERE c.name <> '' AND EXISTS (SELECT 1 FROM "
        "zutatenliste d WHERE d.cocktail = c.nr) AND NOT EXISTS (SELECT 1 FROM zutatenliste d "
        "LEFT JOIN zutaten z ON z.nr = d.zutat WHERE d.cocktail = c.nr AND (z.nr IS NULL OR (" +
            zählt + " AND NOT EXISTS (SELECT 1 FROM zutatensetupvorrat v WHERE v.setup = " +
            QByteArray::number(setup) + " AND v.zutat = z.nr)))) ORDER BY c.nr",
        [&liste](const dao::EngineRow& row) { liste << row.Get(0).ToText(); });
    return liste;
}

// Every line with its ingredient and drink flag, the lines of a cocktail together and its name
// beside them, and the setup's stock: the rows in plain memory.
struct Zeilen {
    struct Zeile {
        int zutat;
        bool bekannt;
        bool getränk;
    };
    struct Cocktail {
        QString name;
        std::size_t ende; // its lines end here
    };
    std::vector<Zeile> zeilen;
    std::vector<Cocktail> cocktails;
    std::vector<int> vorrat;

    Zeilen(dao::Database& db, int setup) {
        std::map<int, QString> namen;
        db.ReadEngineRows("SELECT nr, name FROM cocktails", [&namen](const dao::EngineRow& row) {
            namen.emplace(int(row.Int(0)), row.Get(1).ToText());
        });
        int cocktail = -1;
        db.ReadEngineRows(
            "SELECT d.cocktail, d.zutat, z.nr, z.getränk FROM zutatenliste d LEFT "
            "JOIN zutaten z ON z.nr = d.zutat ORDER BY d.cocktail",
            [&](const dao::EngineRow& row) {
                if (row.Int(0) != cocktail) {
                    cocktail = int(row.Int(0));
                    const auto name = namen.find(cocktail);
                    cocktails.push_back({name == namen.end() ? QString() : name->second, 0});
                }
                zeilen.push_back({int(row.Int(1)), !row.IsNull(2), row.Int(3) != 0});
                cocktails.back().ende = zeilen.size();
            });
        db.ReadEngineRows("SELECT zutat FROM zutatensetupvorrat WHERE setup = " +
                              QByteArray::number(setup),
                          [this](const dao::EngineRow& row) { vorrat.push_back(int(row.Int(0))); });
    }

    QStringList Mixbar(bool nurGetränke) const {
        int grösste = 0;
        for (int z : vorrat)
            grösste = std::max(grösste, z);
        std::vector<char> drin(static_cast<std::size_t>(grösste) + 1);
        for (int z : vorrat)
            drin[static_cast<std::size_t>(z)] = 1;
        QStringList liste;
        std::size_t i = 0;
        for (const Cocktail& c : cocktails) {
            bool fehlt = false;
            for (; i < c.ende; ++i) {
                const Zeile& z = zeilen[i];
                const bool vorrätig =
                    z.zutat >= 0 && z.zutat <= grösste && drin[static_cast<std::size_t>(z.zutat)];
                fehlt = fehlt || !z.bekannt || ((!nurGetränke || z.getränk) && !vorrätig);
            }
            if (!fehlt && !c.name.isEmpty()) liste << c.name;
        }
        return liste;
    }
};

int SetupNummer(dao::Database& db, const QString& name) {
    dao::Recordset rs =
        db.OpenRecordset("SELECT nr FROM zutatensetup WHERE name = " + dao::Quoted(name));
    return rs.Fields(0).ToInt();
}

// Measures one catalogue (a copy of it, as saving changes it).
int Messen(const QString& datei) {
    QTemporaryDir ordner;
    const QString kopie = ordner.filePath(QStringLiteral("Cocktails.mdb"));
    QFile::copy(datei, kopie);
    toolkit::SetMsgBoxResponder([](const QString&, int, const QString&) { return 1; });

    auto ws = dao::CreateWorkspace(QStringLiteral("Cocktail"), QStringLiteral("Admin"), {});
    Messe("OpenDatabase", 5, [&] { ws->OpenDatabase(kopie, false, false, kPasswort); });

    // The program's start on the copy: the menu is shown, the catalogue for the bar stock window
    // is read in the background. The user opens the window a second later.
    HauptModul::Programmordner = [&ordner] { return ordner.path(); };
    HauptModul::Main();
    dao::Database& db = HauptModul::OffeneDatenbank();
    QElapsedTimer warten;
    warten.start();
    while (warten.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    const auto öffnen = [] {
        KqZutaten::Instance().Show();
        QCoreApplication::processEvents();
    };
    const auto schliessen = [] {
        KqZutaten::Instance().Unload();
        Verwerfen();
    };
    Messe("KqZutaten erstmals (1 s nach dem Start)", 1, öffnen);
    schliessen();
    Messe("KqZutaten", 7, öffnen, [&] {
        if (KqZutaten::IsLoaded()) schliessen();
    });

    KqZutaten& w = KqZutaten::Instance();
    int wahl = 0;
    const auto wählen = [&] {
        w.CSetup()->SetListIndex(
            w.CSetup()->findText(wahl++ % 2 ? katalog::kSetupKlein : katalog::kSetupGross));
    };
    Messe("Setup gewählt (nur Getränke)", 9, wählen);
    w.AGetränke()->setChecked(false);
    Messe("Setup gewählt (alle Zeilen)", 9, wählen);
    w.AGetränke()->setChecked(true);
    w.CSetup()->SetListIndex(w.CSetup()->findText(katalog::kSetupGross));

    // The search alone, on the well-stocked setup; its floors are measured in a process of their
    // own, so that their data does not count for the program's memory.
    Messe("Suche", 9, [&] { w.InitCocktails(); });
    QStringList fenster;
    for (int i = 0; i < w.LCocktails()->ListCount(); ++i)
        fenster << w.LCocktails()->List(i);
    Melden("Suche: mixbare Cocktails", fenster.size());
    Melden("Suche: Prüfsumme", qHash(fenster.join(QChar(0))) % 1000000);

    Messe("Ideale Zutat", 9, [&] { w.BIdeal_Click(); });

    // The recipe viewer.
    Messe(
        "KqRezepte", 7,
        [] {
            KqRezepte::Instance().Show();
            QCoreApplication::processEvents();
        },
        [] {
            if (KqRezepte::IsLoaded()) KqRezepte::Instance().Unload();
            Verwerfen();
        });
    Messe("Anzeigen (12 Zeilen)", 9, [] {
        KqRezepte::Instance().Anzeigen(katalog::kZwölfZeilen);
        QCoreApplication::processEvents();
    });

    // Saving a new cocktail with eight lines, then the first search after it, which reads the
    // changed catalogue again.
    QStringList zutaten;
    db.ReadEngineRows("SELECT name FROM zutaten ORDER BY nr LIMIT 8",
                      [&zutaten](const dao::EngineRow& row) { zutaten << row.Get(0).ToText(); });
    int neu = 0;
    Messe(
        "CocktailSpeichern (8 Zeilen)", 9, [] { CocktailSpeichern(KqCocktailEingabe::Instance()); },
        [&] {
            if (KqCocktailEingabe::IsLoaded()) KqCocktailEingabe::Instance().Unload();
            Verwerfen();
            KqCocktailEingabe& e = KqCocktailEingabe::Instance();
            e.ECocktail()->setText(QStringLiteral("Messcocktail %1").arg(++neu));
            for (const QString& zutat : zutaten)
                KqCocktailEingabe::ZeileSchreiben(
                    *e.TZutaten(), 0,
                    {zutat, QStringLiteral("2 cl"), {}, {}, QStringLiteral("Pflicht"), {}});
        });
    // Changing and deleting: the window "Cocktail ändern" opened, one of the cocktails just
    // stored loaded into the entry window (as its button does, the entry window closed before),
    // stored again with one amount changed, and deleted.
    Messe(
        "KqCocktailÄndern", 7,
        [] {
            KqCocktailÄndern::Instance().Show();
            QCoreApplication::processEvents();
        },
        [] {
            if (KqCocktailÄndern::IsLoaded()) KqCocktailÄndern::Instance().Unload();
            Verwerfen();
        });
    KqCocktailÄndern& ändern = KqCocktailÄndern::Instance();
    const auto wählenNr = [&ändern](int i) {
        ändern.InitCocktail();
        ändern.CCocktail()->SetText(QStringLiteral("Messcocktail %1").arg(i));
    };
    int nr = 0;
    Messe(
        "Cocktail laden (8 Zeilen)", 9, [&] { ändern.BÄndern_Click(); },
        [&] {
            if (KqCocktailEingabe::IsLoaded()) KqCocktailEingabe::Instance().Unload();
            Verwerfen();
            wählenNr(++nr);
        });
    nr = 0;
    Messe(
        "Änderung speichern (8 Zeilen)", 9,
        [] { CocktailSpeichern(KqCocktailEingabe::Instance()); },
        [&] {
            if (KqCocktailEingabe::IsLoaded()) KqCocktailEingabe::Instance().Unload();
            Verwerfen();
            wählenNr(++nr);
            ändern.BÄndern_Click();
            KqCocktailEingabe::Instance().TZutaten()->SetTextAt(1, 2, QStringLiteral("3 cl"));
        });
    nr = 0;
    toolkit::SetMsgBoxResponder([](const QString&, int, const QString&) { return toolkit::vbYes; });
    Messe(
        "Cocktail löschen", 9, [&] { ändern.BLöschen_Click(); },
        [&] {
            if (KqCocktailEingabe::IsLoaded()) KqCocktailEingabe::Instance().Unload();
            wählenNr(++nr);
        });
    toolkit::SetMsgBoxResponder([](const QString&, int, const QString&) { return 1; });
    Messe("Setup gewählt nach Katalogänderung", 5, wählen, [&] {
        db.Execute(QStringLiteral("UPDATE cocktails SET bewertung = \"5\" WHERE nr = 1"));
    });

    toolkit::DiscardAll();
    Verwerfen();
    HauptModul::Datenbank.reset();
    struct rusage nutzung {};
    getrusage(RUSAGE_SELF, &nutzung);
    Melden("Spitzenspeicher (MB)", static_cast<double>(nutzung.ru_maxrss) / 1024.0);
    return 0;
}

// The whole collection as a web site, each time into a new folder beside a copy of the file,
// in a process of its own: its memory is the export's, not the windows'.
// The sites stay in the folder given until the whole bench has ended: the file system makes new
// files slowly right after many were deleted (it does not take their numbers again at once),
// which would make each export pay for the one before.
int Homepage(const QString& datei, int läufe, const QString& sites) {
    QTemporaryDir ordner(sites + QStringLiteral("/export-XXXXXX"));
    ordner.setAutoRemove(false);
    const QString kopie = ordner.filePath(QStringLiteral("Cocktails.mdb"));
    QFile::copy(datei, kopie);
    int site = 0;
    Messe("Homepage erzeugen", läufe, [&] {
        web::HomepageErzeugen(kopie, ordner.filePath(QStringLiteral("site%1").arg(++site)), {});
    });
    // The same into a file system in memory, where making a file costs the system next to
    // nothing: what remains is the program's own work.
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable()) {
        QTemporaryDir speicher(QStringLiteral("/dev/shm/velkor-homepage-XXXXXX"));
        Messe("Homepage: ohne Plattenzugriffe", läufe, [&] {
            web::HomepageErzeugen(kopie, speicher.filePath(QStringLiteral("site%1").arg(++site)),
                                  {});
        });
    }
    struct rusage nutzung {};
    getrusage(RUSAGE_SELF, &nutzung);
    Melden("Homepage: Spitzenspeicher (MB)", static_cast<double>(nutzung.ru_maxrss) / 1024.0);
    return 0;
}

// The search's two floors on the well-stocked setup, and the same list (its checksum).
int Böden(const QString& datei) {
    auto db = dao::CreateWorkspace({}, {}, {})->OpenDatabase(datei, false, true, kPasswort);
    const int setup = SetupNummer(*db, katalog::kSetupGross);
    QStringList sql;
    Messe("Suche: SQL-Boden", 5, [&] { sql = SqlBoden(*db, setup, true); });
    const Zeilen zeilen(*db, setup);
    QStringList speicher;
    Messe("Suche: Maschinen-Boden", 9, [&] { speicher = zeilen.Mixbar(true); });
    if (sql != speicher) {
        std::fprintf(stderr, "Die beiden Böden liefern verschiedene Listen.\n");
        return 1;
    }
    Melden("Boden: Prüfsumme", qHash(sql.join(QChar(0))) % 1000000);
    return 0;
}

// Program start until the menu is shown: the measuring build of the program, which ends once
// its menu is up, started on the file beside it.
double Programmstart(const QString& programm) {
    std::vector<double> werte;
    for (int i = 0; i < 11; ++i) {
        QProcess p;
        QElapsedTimer uhr;
        uhr.start();
        p.start(programm, {});
        p.waitForReadyRead(10000);
        const double ms = static_cast<double>(uhr.nsecsElapsed()) / 1e6;
        p.waitForFinished(10000);
        if (!p.readAll().startsWith("Menü gezeigt")) {
            std::fprintf(stderr, "%s zeigt sein Menü nicht.\n", qPrintable(programm));
            return -1;
        }
        werte.push_back(ms);
    }
    return Median(werte);
}

struct Zeile {
    QString schlüssel;
    // Target in ms (or MB) at 10,000 and at 50,000 cocktails; 0 means none.
    double ziel10 = 0, ziel50 = 0;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--messen")) return Messen(args.at(2));
    if (args.size() == 3 && args.at(1) == QLatin1String("--boden")) return Böden(args.at(2));
    if (args.size() == 5 && args.at(1) == QLatin1String("--homepage"))
        return Homepage(args.at(2), args.at(3).toInt(), args.at(4));

    QList<int> grössen;
    for (int i = 1; i < args.size(); ++i)
        grössen << args.at(i).toInt();
    if (grössen.isEmpty()) grössen = {100, 1000, 10000, 50000, 200000};

    const QString hier = QCoreApplication::applicationDirPath();
    QDir().mkpath(hier + QStringLiteral("/kataloge"));
    std::map<QString, std::map<int, double>> werte;
    QStringList reihenfolge;
    QTemporaryDir sites(hier + QStringLiteral("/sites-XXXXXX"));
    for (int n : grössen) {
        const QString datei = hier + QStringLiteral("/kataloge/katalog-%1.mdb").arg(n);
        if (!QFile::exists(datei)) {
            std::fprintf(stderr, "Schreibe %s ...\n", qPrintable(datei));
            katalog::Umfang umfang;
            umfang.cocktails = n;
            const QString teil = datei + QStringLiteral(".neu");
            QFile::remove(teil);
            katalog::Schreiben(teil, umfang);
            QFile::rename(teil, datei);
        }
        std::fprintf(stderr, "Messe %d Cocktails ...\n", n);
        for (const char* art : {"--messen", "--boden", "--homepage"}) {
            QProcess kind;
            kind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            QStringList argumente = {QString::fromLatin1(art), datei};
            // The web site of the largest catalogues is written once: it takes minutes.
            if (argumente.first() == QLatin1String("--homepage"))
                argumente << QString::number(n > 50000 ? 1 : 3) << sites.path();
            kind.start(QCoreApplication::applicationFilePath(), argumente);
            kind.waitForFinished(-1);
            if (kind.exitCode() != 0) return 1;
            for (const QByteArray& zeile : kind.readAllStandardOutput().split('\n')) {
                const QList<QByteArray> teile = zeile.split('\t');
                if (teile.size() != 2) continue;
                const QString schlüssel = QString::fromUtf8(teile.at(0));
                if (!reihenfolge.contains(schlüssel)) reihenfolge << schlüssel;
                werte[schlüssel][n] = teile.at(1).toDouble();
            }
        }
        if (werte["Suche: Prüfsumme"][n] != werte["Boden: Prüfsumme"][n]) {
            std::fprintf(stderr, "Die Suche und ihre Böden liefern verschiedene Listen.\n");
            return 1;
        }
    }
    reihenfolge.removeAll(QStringLiteral("Suche: Prüfsumme"));
    reihenfolge.removeAll(QStringLiteral("Boden: Prüfsumme"));
    const double start = Programmstart(hier + QStringLiteral("/start/velkor"));
    // The same on a copy of the catalogue of 50,000 cocktails, beside a copy of the program.
    double start50 = 0;
    const QString katalog50 = hier + QStringLiteral("/kataloge/katalog-50000.mdb");
    if (QFile::exists(katalog50)) {
        QTemporaryDir ordner;
        const QString programm = ordner.filePath(QStringLiteral("velkor"));
        QFile::copy(hier + QStringLiteral("/start/velkor"), programm);
        QFile::copy(katalog50, ordner.filePath(QStringLiteral("Cocktails.mdb")));
        start50 = Programmstart(programm);
    }

    // The table, with the targets.
    bool erfüllt = true;
    QString kopf = QStringLiteral("| Messung (Median, ms) |");
    QString linie = QStringLiteral("|---|");
    for (int n : grössen) {
        kopf += QStringLiteral(" %1 |").arg(QLocale(QLocale::German).toString(n));
        linie += QStringLiteral("---:|");
    }
    kopf += QStringLiteral(" Ziel |");
    linie += QStringLiteral("---|");
    std::printf("%s\n%s\n", qPrintable(kopf), qPrintable(linie));
    const auto zeile = [&](const QString& name, const std::map<int, double>& reihe,
                           const QString& ziel, const std::function<bool(int, double)>& gut,
                           int stellen) {
        QString text = QStringLiteral("| ") + name + QStringLiteral(" |");
        bool ok = true;
        for (int n : grössen) {
            const auto it = reihe.find(n);
            if (it == reihe.end()) {
                text += QStringLiteral(" |");
                continue;
            }
            const bool hier = !gut || gut(n, it->second);
            ok = ok && hier;
            text += QStringLiteral(" %1%2 |")
                        .arg(it->second, 0, 'f', stellen)
                        .arg(hier ? QString() : QStringLiteral(" ✗"));
        }
        text += QStringLiteral(" ") + ziel + (ok ? QString() : QStringLiteral(" (verfehlt)")) +
                QStringLiteral(" |");
        erfüllt = erfüllt && ok;
        std::printf("%s\n", qPrintable(text));
    };
    // The targets hold up to 50,000 cocktails; the larger catalogues show how costs grow.
    const auto unter50 = [](int n, double ms) { return n > 50000 || ms < 50; };
    for (const QString& schlüssel : reihenfolge) {
        if (schlüssel == QLatin1String("Suche: mixbare Cocktails")) {
            zeile(schlüssel + QStringLiteral(" (Anzahl)"), werte[schlüssel], QString(), {}, 0);
        } else if (schlüssel == QLatin1String("Spitzenspeicher (MB)")) {
            zeile(
                schlüssel, werte[schlüssel], QStringLiteral("< 80 MB bei 50.000"),
                [](int n, double mb) { return n != 50000 || mb < 80; }, 1);
        } else if (schlüssel == QLatin1String("Homepage erzeugen")) {
            zeile(
                schlüssel, werte[schlüssel], QStringLiteral("< 10 s bei 50.000"),
                [](int n, double ms) { return n != 50000 || ms < 10000; }, 0);
        } else if (schlüssel.startsWith(QLatin1String("Homepage: "))) {
            zeile(schlüssel, werte[schlüssel], QString(), {}, schlüssel.endsWith(u')') ? 1 : 0);
        } else if (schlüssel.startsWith(QLatin1String("Suche: "))) {
            zeile(schlüssel, werte[schlüssel], QString(), {}, 2);
        } else {
            zeile(schlüssel, werte[schlüssel], QStringLiteral("< 50 bis 50.000"), unter50, 2);
        }
    }
    std::map<int, double> sqlRatio, maschinenRatio;
    for (int n : grössen) {
        sqlRatio[n] = werte["Suche"][n] / werte["Suche: SQL-Boden"][n];
        maschinenRatio[n] = werte["Suche"][n] / werte["Suche: Maschinen-Boden"][n];
    }
    zeile(
        QStringLiteral("Suche ÷ SQL-Boden"), sqlRatio, QStringLiteral("≤ 1,5 bis 50.000"),
        [](int n, double r) { return n > 50000 || r <= 1.5; }, 2);
    // Below 10,000 cocktails both take far less than a millisecond and the ratio says little.
    zeile(
        QStringLiteral("Suche ÷ Maschinen-Boden"), maschinenRatio, QStringLiteral("≤ 3 bei 50.000"),
        [](int n, double r) { return n != 50000 || r <= 3; }, 1);
    std::printf("\nProgrammstart bis zum Menü (Median aus 11): Startdatei %.1f ms (Ziel < 60 ms)%s",
                start, start > 0 && start < 60 ? "" : " (verfehlt)");
    erfüllt = erfüllt && start > 0 && start < 60;
    if (start50 != 0) {
        std::printf(", 50.000 Cocktails %.1f ms (Ziel < 100 ms)%s", start50,
                    start50 > 0 && start50 < 100 ? "" : " (verfehlt)");
        erfüllt = erfüllt && start50 > 0 && start50 < 100;
    }
    std::printf("\n");
    std::printf("%s\n", erfüllt ? "Alle Ziele erfüllt." : "Nicht alle Ziele erfüllt.");
    return erfüllt ? 0 : 1;
}
