// The site written from the starter catalogue and from tricky records, checked as a browser and
// an HTML checker would see it, and the rules of the target folder: foreign files, a second
// export, a cancel and a write that fails.

#include "web/Homepage.h"

#include "Katalog.h"
#include "Records.h"
#include "TempDatabase.h"
#include "stock/Rezeptbestand.h"
#include "web/Ablage.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <map>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

namespace {

using Abbild = std::map<QString, QByteArray>;

// Every file below the folder, hidden ones too, by relative path.
Abbild Inhalt(const QString& ordner) {
    Abbild a;
    QDirIterator it(ordner, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        QFile f(pfad);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        a[QDir(ordner).relativeFilePath(pfad)] = f.readAll();
    }
    return a;
}

QByteArray Kennung(const QString& pfad) {
    struct stat st {};
    if (::lstat(QFile::encodeName(pfad).constData(), &st) != 0) return {};
    return QByteArray::number(quint64(st.st_ino)) + ':' + QByteArray::number(st.st_mtim.tv_sec) +
           '.' + QByteArray::number(st.st_mtim.tv_nsec);
}

QString Text(const Abbild& a, const QString& datei) {
    const auto it = a.find(datei);
    return it == a.end() ? QString() : QString::fromUtf8(it->second);
}

// The text inside the first element with this start tag, tags removed, entities resolved.
QStringList Zeilen(const QString& seite, const QString& start) {
    const qsizetype anfang = seite.indexOf(start);
    if (anfang < 0) return {};
    const qsizetype ende = seite.indexOf(QStringLiteral("</ul>"), anfang);
    QString t = seite.mid(anfang + start.size(), ende - anfang - start.size());
    t.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    t.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), ">");
    t.replace(QStringLiteral("&quot;"), "\"").replace(QStringLiteral("&#39;"), "'");
    t.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return t.split(u'\n', Qt::SkipEmptyParts);
}

QString Exportieren(const QString& db, const QString& ordner,
                    std::function<bool(int, int)> weiter = {}) {
    try {
        web::HomepageErzeugen(db, ordner, weiter);
        return {};
    } catch (const web::Fehler& e) {
        return e.Meldung();
    }
}

// Every page passes the HTML checker without warnings; every link inside the site points to a
// file that exists, and an anchor to an id there.
void SeitenPrüfen(const QString& ordner, const Abbild& a) {
    QStringList seiten;
    for (const auto& [datei, inhalt] : a)
        if (datei.endsWith(QStringLiteral(".html"))) seiten << QDir(ordner).filePath(datei);
    for (qsizetype i = 0; i < seiten.size(); i += 100) {
        QProcess tidy;
        tidy.start(QStringLiteral("tidy"), QStringList{"-q", "-e"} + seiten.mid(i, 100));
        ASSERT_TRUE(tidy.waitForFinished(60000)) << "tidy fehlt (scripts/install-deps.sh)";
        EXPECT_EQ(tidy.exitCode(), 0) << tidy.readAllStandardError().toStdString();
    }
    static const QRegularExpression verweis(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    for (const auto& [datei, inhalt] : a) {
        if (!datei.endsWith(QStringLiteral(".html"))) continue;
        for (const auto& m : verweis.globalMatch(QString::fromUtf8(inhalt))) {
            const QString ziel = m.captured(1);
            if (ziel.startsWith(QStringLiteral("http"), Qt::CaseInsensitive)) continue;
            const QString pfad = ziel.section(u'#', 0, 0), anker = ziel.section(u'#', 1);
            const QString zielDatei =
                pfad.isEmpty() ? datei : QDir::cleanPath(QFileInfo(datei).path() + u'/' + pfad);
            ASSERT_TRUE(a.count(zielDatei)) << datei.toStdString() << " -> " << ziel.toStdString();
            if (!anker.isEmpty()) {
                EXPECT_TRUE(Text(a, zielDatei).contains(QStringLiteral("id=\"%1\"").arg(anker)))
                    << datei.toStdString() << " -> " << ziel.toStdString();
            }
        }
    }
}

QStringList Nummern(dao::Database& db, const QByteArray& sql) {
    QStringList n;
    db.ReadEngineRows(sql, [&](const dao::EngineRow& row) { n << row.Get(0).ToText(); });
    return n;
}

} // namespace

TEST(Homepage, StarterCatalogueGivesValidLinkedPagesInTheViewersOrder) {
    TempDatabase t;
    QTemporaryDir ziel;
    const QString ordner = ziel.filePath(QStringLiteral("neu/site"));
    int aufrufe = 0;
    const web::Ergebnis e = web::HomepageErzeugen(t.Path(), ordner, [&](int, int) {
        ++aufrufe;
        return true;
    });
    const Abbild a = Inhalt(ordner);
    EXPECT_GE(aufrufe, 1);
    EXPECT_EQ(e.startseite, QDir(ordner).filePath(QStringLiteral("index.html")));
    for (const auto& [art, sql] :
         std::vector<std::pair<QString, QByteArray>>{{"cocktail", "SELECT nr FROM cocktails"},
                                                     {"zutat", "SELECT nr FROM zutaten"},
                                                     {"setup", "SELECT nr FROM zutatensetup"}}) {
        const QStringList nummern = Nummern(t.Db(), sql);
        ASSERT_FALSE(nummern.isEmpty()) << art.toStdString();
        for (const QString& nr : nummern)
            EXPECT_TRUE(a.count(art + u'/' + nr + QStringLiteral(".html"))) << nr.toStdString();
    }
    EXPECT_EQ(e.seiten, std::count_if(a.begin(), a.end(), [](const auto& d) {
                  return d.first.endsWith(QStringLiteral(".html"));
              }));
    // The list names every file written, the marker aside, each by the identity it has.
    QStringList liste;
    for (const QString& zeile : Text(a, ".velkor-homepage").split(u'\n', Qt::SkipEmptyParts)) {
        const QString datei = zeile.section(u'\t', 0, 0);
        EXPECT_EQ(zeile.section(u'\t', 1).toUtf8(), Kennung(ordner + u'/' + datei))
            << zeile.toStdString();
        liste << datei;
    }
    liste << ".velkor-homepage";
    liste.sort();
    QStringList dateien;
    for (const auto& [datei, inhalt] : a)
        dateien << datei;
    EXPECT_EQ(liste, dateien);
    SeitenPrüfen(ordner, a);

    // The index in the viewer's order.
    QStringList namen;
    static const QRegularExpression eintrag(
        QStringLiteral("<li><a href=\"cocktail/[0-9]+.html\">([^<]*)<"));
    for (const auto& m : eintrag.globalMatch(Text(a, "index.html")))
        namen << Zeilen("<ul>" + m.captured(1), "<ul>").value(0);
    QStringList sortiert;
    for (dao::Recordset rs = t.Db().OpenRecordset("SELECT name FROM cocktails ORDER BY name");
         !rs.Eof(); rs.MoveNext())
        sortiert << rs.Fields(0).ToText();
    EXPECT_EQ(namen, sortiert);

    // A recipe with an alternative: its lines as stored, in their order.
    const QString nr =
        Nummern(t.Db(), "SELECT cocktail FROM zutatenliste WHERE variation > 0").value(0);
    ASSERT_FALSE(nr.isEmpty());
    QStringList erwartet;
    t.Db().ReadEngineRows(
        "SELECT l.menge, z.name, l.variation, l.variationsmenge, "
        "(SELECT name FROM zutaten WHERE nr = l.variation), l.beschreibung FROM zutatenliste l "
        "JOIN zutaten z ON z.nr = l.zutat WHERE l.cocktail = " +
            nr.toUtf8() + " ORDER BY l.rowid",
        [&](const dao::EngineRow& r) {
            QString z = r.Get(0).ToText() + u' ' + r.Get(1).ToText();
            if (r.Int(2) > 0) z += " oder " + r.Get(3).ToText() + u' ' + r.Get(4).ToText();
            if (!r.Get(5).ToText().isEmpty()) z += " (" + r.Get(5).ToText() + u')';
            erwartet << z;
        });
    const QString seite = Text(a, "cocktail/" + nr + ".html");
    EXPECT_EQ(Zeilen(seite, "<ul class=\"zutaten\">"), erwartet);
    EXPECT_TRUE(seite.contains(
        "<h1>" + Nummern(t.Db(), "SELECT name FROM cocktails WHERE nr = " + nr.toUtf8()).value(0)));

    // A setup lists what the bar stock window finds for it.
    const QString setup = Nummern(t.Db(), "SELECT nr FROM zutatensetup").value(0);
    QStringList fenster = Rezeptbestand::Instance().Mixbar(t.Shared(), setup.toInt(), false);
    std::sort(fenster.begin(), fenster.end(),
              [](const QString& x, const QString& y) { return dao::CompareGerman(x, y) < 0; });
    EXPECT_EQ(Zeilen(Text(a, "setup/" + setup + ".html"),
                     "alle Zutaten beachtet</h2>\n<ul class=\"cocktails\">"),
              fenster);
}

TEST(Homepage, TrickyRecordsAreTextAndOnlyWebAddressesAreLinks) {
    TempDatabase t;
    t.Db().ExecuteScript(R"(
        INSERT INTO zutaten (nr, name, beschreibung, getränk) VALUES
            (9001, 'Rum "Spezial" <b>ü</b> 🍹', 'a < b & c > d', 1);
        INSERT INTO cocktails (nr, name, beschreibung, bewertung, erfinder, url) VALUES
            (9004, 'Leer', NULL, '', '  ', '');
        INSERT INTO cocktails (nr, name, beschreibung, url) VALUES
            (9001, '<script>alert(1)</script> & "Co"', 'O''Brien''s (Ärger) 😀', 'javascript:alert(1)'),
            (9002, 'Äpfel ''n'' [Birnen] 🍐', '', ' HTTPS://example.org/ü x?a=1&b=2'),
            (9003, '', NULL, 'jAvAsCrIpT:alert(2)'),
            (5000000000, 'Riese', NULL, NULL), (-4, 'Negativ', NULL, NULL);
        INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, beschreibung)
            VALUES (9001, 9001, '2 cl <i>', 9001, '1 "cl"', '<!-- x -->'),
                   (5000000000, 9001, '1', 0, NULL, NULL), ('9002x', 9001, '1', 0, NULL, NULL);
        INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ('x', 9001), (1, 5000000000);
    )");
    QTemporaryDir ziel;
    ASSERT_EQ(Exportieren(t.Path(), ziel.path()), QString());
    const Abbild a = Inhalt(ziel.path());
    SeitenPrüfen(ziel.path(), a);
    // Blank values are left out as Null ones are.
    for (const char* zeile : {"Bewertung:", "Erfunden:", "class=\"url\""})
        EXPECT_FALSE(Text(a, "cocktail/9004.html").contains(zeile)) << zeile;
    for (const auto& [datei, inhalt] : a) {
        EXPECT_FALSE(inhalt.contains("<script")) << datei.toStdString();
        EXPECT_FALSE(QString::fromUtf8(inhalt).contains("href=\"javascript", Qt::CaseInsensitive));
        EXPECT_FALSE(inhalt.contains("Riese") || inhalt.contains("Negativ")) << datei.toStdString();
    }
    const QString böse = Text(a, "cocktail/9001.html");
    EXPECT_TRUE(
        böse.contains("<h1>&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;Co&quot;</h1>"));
    EXPECT_TRUE(böse.contains("O&#39;Brien&#39;s (Ärger) 😀"));
    EXPECT_TRUE(böse.contains("<p class=\"url\">javascript:alert(1)</p>"));
    EXPECT_EQ(Zeilen(böse, "<ul class=\"zutaten\">"),
              QStringList{"2 cl <i> Rum \"Spezial\" <b>ü</b> 🍹 oder 1 \"cl\" Rum \"Spezial\" "
                          "<b>ü</b> 🍹 (<!-- x -->)"});
    EXPECT_TRUE(Text(a, "cocktail/9002.html")
                    .contains("<a href=\"HTTPS://example.org/%C3%BC%20x?a=1&amp;b=2\">"));
    EXPECT_TRUE(Text(a, "cocktail/9003.html").contains("<p class=\"url\">jAvAsCrIpT:alert(2)</p>"));
    EXPECT_TRUE(Text(a, "zutat/9001.html").contains("a &lt; b &amp; c &gt; d"));
    EXPECT_TRUE(Text(a, "index.html")
                    .contains("<a href=\"cocktail/9002.html\">Äpfel &#39;n&#39; [Birnen] 🍐</a>"));
    EXPECT_FALSE(a.count("cocktail/5000000000.html") || a.count("cocktail/-4.html"));
}

TEST(Homepage, TheFolderHoldsOnlyWhatTheExportWroteAndFailuresLeaveItAsItWas) {
    TempDatabase t;
    QTemporaryDir ziel;
    const QString ordner = ziel.path();

    // A folder of the user's is refused untouched.
    QFile fremd(QDir(ordner).filePath("eigene.txt"));
    ASSERT_TRUE(fremd.open(QIODevice::WriteOnly) && fremd.write("meins") == 5);
    fremd.close();
    EXPECT_TRUE(Exportieren(t.Path(), ordner).contains("nicht von Velkor-DB"));
    EXPECT_EQ(Inhalt(ordner), (Abbild{{"eigene.txt", "meins"}}));
    fremd.remove();

    // A second export replaces its own files and keeps what the user put beside them.
    ASSERT_EQ(Exportieren(t.Path(), ordner), QString());
    const QString weg = Nummern(t.Db(), "SELECT nr FROM cocktails").value(0);
    t.Db().ExecuteScript("DELETE FROM cocktails WHERE nr = " + weg.toUtf8());
    QFile(QDir(ordner).filePath("cocktail/" + weg + ".html"))
        .copy(QDir(ordner).filePath("notiz.html"));
    ASSERT_EQ(Exportieren(t.Path(), ordner), QString());
    Abbild vorher = Inhalt(ordner);
    EXPECT_FALSE(vorher.count("cocktail/" + weg + ".html"));
    EXPECT_TRUE(vorher.count("notiz.html"));
    EXPECT_FALSE(Text(vorher, "index.html").contains("cocktail/" + weg + ".html"));
    EXPECT_FALSE(Text(vorher, ".velkor-homepage").contains("notiz"));
    EXPECT_EQ(QDir(ordner).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"cocktail", "setup", "zutat"}));

    // A page the new site would need where the user put a file of that name: refused untouched.
    t.Db().ExecuteScript("INSERT INTO cocktails (nr, name) VALUES (" + weg.toUtf8() + ", 'Neu')");
    QFile(QDir(ordner).filePath("notiz.html"))
        .copy(QDir(ordner).filePath("cocktail/" + weg + ".html"));
    vorher = Inhalt(ordner);
    EXPECT_TRUE(Exportieren(t.Path(), ordner).contains("nicht von Velkor-DB"));
    EXPECT_EQ(Inhalt(ordner), vorher);
    QFile::remove(QDir(ordner).filePath("cocktail/" + weg + ".html"));

    // A page the list names that the user replaced by a file of their own (a run killed while
    // it put its files in place lists pages it had not placed yet): never taken for the site's.
    const QString seite = QDir(ordner).filePath(
        "cocktail/" + Nummern(t.Db(), "SELECT nr FROM cocktails").value(1) + ".html");
    ASSERT_TRUE(QFile::remove(seite));
    QFile eigene(seite);
    ASSERT_TRUE(eigene.open(QIODevice::WriteOnly) && eigene.write("meins") == 5);
    eigene.close();
    vorher = Inhalt(ordner);
    EXPECT_TRUE(Exportieren(t.Path(), ordner).contains("nicht von Velkor-DB"));
    EXPECT_EQ(Inhalt(ordner), vorher);
    QFile::remove(seite);
    vorher = Inhalt(ordner);

    // A cancel midway, and a write that fails (files may not grow beyond 2 KiB), change nothing;
    // a cancelled export into a new folder leaves no folder.
    EXPECT_EQ(Exportieren(t.Path(), ordner, [](int fertig, int) { return fertig == 0; }),
              QStringLiteral("Abgebrochen."));
    EXPECT_EQ(Inhalt(ordner), vorher);
    // Cancelled while the files are put in place (asked again after the last page).
    int amEnde = 0;
    EXPECT_EQ(Exportieren(t.Path(), ordner,
                          [&amEnde](int fertig, int alle) {
                              return fertig < alle || alle == 0 || ++amEnde < 2;
                          }),
              QStringLiteral("Abgebrochen."));
    EXPECT_EQ(Inhalt(ordner), vorher);
    EXPECT_EQ(
        Exportieren(t.Path(), ziel.filePath("a/b"), [](int fertig, int) { return fertig == 0; }),
        QStringLiteral("Abgebrochen."));
    EXPECT_FALSE(QFileInfo::exists(ziel.filePath("a")));

    rlimit alt{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &alt), 0);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit klein = alt;
    klein.rlim_cur = 2048;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &klein), 0);
    const QString meldung = Exportieren(t.Path(), ordner);
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, signal);
    EXPECT_TRUE(meldung.startsWith("Die Homepage konnte nicht geschrieben werden: "))
        << meldung.toStdString();
    EXPECT_EQ(Inhalt(ordner), vorher);
}

namespace {

// The site's files without its list, which names each file by its identity of this run.
Abbild Seiten(const QString& ordner) {
    Abbild a = Inhalt(ordner);
    a.erase(QString::fromLatin1(web::kMarke));
    return a;
}

} // namespace

// A run killed at any moment (while it reads, writes its hidden folder, or puts the files in
// place over an earlier site) never blocks the folder: the next run leaves exactly one whole
// site, the one a run undisturbed writes, and none of the program's hidden folders.
TEST(Homepage, KilledAtAnyMomentTheNextRunLeavesOneWholeSiteAndNoDraft) {
    QTemporaryDir arbeit;
    const QString datei = arbeit.filePath(QStringLiteral("gross.mdb"));
    katalog::Umfang umfang;
    umfang.cocktails = 300;
    katalog::Schreiben(datei, umfang);
    const QString ordner = arbeit.filePath(QStringLiteral("homepage"));
    ASSERT_EQ(Exportieren(datei, ordner), QString());
    const Abbild ganz = Seiten(ordner);
    const auto entwürfe = [&ordner] {
        return QDir(ordner).entryList({QStringLiteral(".velkor-homepage-entwurf-*")},
                                      QDir::Dirs | QDir::Hidden);
    };
    std::mt19937 zufall(31);
    int beimEinsetzen = 0;
    for (int i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        QProcess lauf;
        lauf.start(QStringLiteral(VELKOR_HOMEPAGE), {datei, ordner});
        ASSERT_TRUE(lauf.waitForStarted());
        if (i % 2 == 0) {
            // While the files are put in place: once the earlier site's files are moved aside.
            while (!lauf.readAllStandardOutput().contains("einsetzen") &&
                   lauf.state() == QProcess::Running)
                lauf.waitForReadyRead(100);
            while (lauf.state() == QProcess::Running &&
                   !(!entwürfe().isEmpty() &&
                     QDir(ordner + u'/' + entwürfe().value(0)).exists(QStringLiteral(".alt"))))
                QThread::usleep(200);
            QThread::msleep(zufall() % 3);
        } else {
            QThread::msleep(zufall() % 300);
        }
        lauf.kill();
        lauf.waitForFinished();
        const QStringList gelassen = entwürfe();
        if (!gelassen.isEmpty() && QDir(ordner + u'/' + gelassen.value(0)).exists(".alt"))
            ++beimEinsetzen;
        ASSERT_EQ(Exportieren(datei, ordner), QString());
        EXPECT_TRUE(entwürfe().isEmpty());
        ASSERT_EQ(Seiten(ordner), ganz);
    }
    EXPECT_GE(beimEinsetzen, 4);
}

// Cancelled while it reads, a run answers at once and writes nothing. While it reads (seconds
// on a large collection), the program's own writing waits for it instead of failing.
TEST(Homepage, ItsReadingAnswersCancelAtOnceAndTheProgramsOwnWritingWaitsForIt) {
    TempDatabase t;
    QTemporaryDir ziel;
    const QString ordner = ziel.filePath(QStringLiteral("homepage"));
    std::vector<std::pair<int, int>> gefragt;
    QElapsedTimer uhr;
    EXPECT_EQ(Exportieren(t.Path(), ordner,
                          [&](int fertig, int alle) {
                              gefragt.emplace_back(fertig, alle);
                              uhr.start();
                              return false;
                          }),
              QStringLiteral("Abgebrochen."));
    EXPECT_LT(uhr.elapsed(), 300);
    EXPECT_EQ(gefragt, (std::vector<std::pair<int, int>>{{0, 0}}));
    EXPECT_FALSE(QFileInfo::exists(ordner));

    // The reading held open for longer than a write waits on anyone else (3 s).
    std::atomic<bool> liest = false, fertig = false;
    QString meldung;
    std::thread export_([&] {
        meldung = Exportieren(t.Path(), ordner, [&](int seiten, int alle) {
            if (seiten == 0 && alle == 0 && !liest.exchange(true)) QThread::msleep(4000);
            return true;
        });
        fertig = true;
    });
    while (!liest && !fertig)
        QThread::msleep(5);
    EXPECT_TRUE(liest);
    const std::shared_ptr<dao::Database> db = t.Open();
    EXPECT_NO_THROW({
        dao::Transaction transaktion(*db);
        db->Execute(QStringLiteral("INSERT INTO cocktails (name) VALUES (\"Während\")"));
        transaktion.Commit();
    });
    export_.join();
    EXPECT_EQ(meldung, QString());
    EXPECT_EQ(t.Count(QStringLiteral("SELECT * FROM cocktails WHERE name = \"Während\"")), 1);
}
