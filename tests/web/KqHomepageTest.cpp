// The window "Homepage erzeugen": it writes the site on a thread of its own and, once done, says
// how many pages it wrote where; a refused folder is reported in the window's words, untouched.

#include "web/KqHomepage.h"
#include "Katalog.h"
#include "MsgBoxExpect.h"
#include "ProgramTest.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <utility>

TEST_F(ProgramTest, TheSiteIsWrittenOnAThreadAndTheEndSaysHowManyPagesWhere) {
    HauptModul::Datenbank = db.Shared();
    QTemporaryDir ordner;
    MsgBoxExpect boxes;
    // A folder with a file of the user's is refused and stays as it was.
    QFile fremd(ordner.filePath(QStringLiteral("notizen.txt")));
    ASSERT_TRUE(fremd.open(QIODevice::WriteOnly) && fremd.write("meins") == 5);
    fremd.close();
    boxes.Expect(QStringLiteral("nicht von Velkor-DB"), toolkit::vbOK);
    KqHomepage::Instance().Start(ordner.path());
    ASSERT_TRUE(QTest::qWaitFor([&boxes] { return boxes.Pending() == 0; }, 20000));
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
              QStringList{QStringLiteral("notizen.txt")});
    EXPECT_FALSE(KqHomepage::IsLoaded());

    // An empty folder takes the site; the window tells the number of its pages and the folder.
    const QString leer = ordner.filePath(QStringLiteral("homepage"));
    KqHomepage::Instance().Start(leer);
    EXPECT_TRUE(KqHomepage::Loaded()->isVisible());
    boxes.Expect(QStringLiteral("Seiten nach „") + QDir::toNativeSeparators(leer) +
                     QStringLiteral("“ geschrieben. Soll die Startseite im Browser geöffnet "
                                    "werden?"),
                 toolkit::vbNo);
    ASSERT_TRUE(QTest::qWaitFor([&boxes] { return boxes.Pending() == 0; }, 20000));
    int seiten = 0;
    for (QDirIterator it(leer, {QStringLiteral("*.html")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext(); it.next())
        ++seiten;
    EXPECT_TRUE(
        boxes.Shown().constLast().startsWith(QStringLiteral("Es wurden %1 Seiten").arg(seiten)))
        << boxes.Shown().constLast().toStdString();
    EXPECT_TRUE(QFile::exists(leer + QStringLiteral("/index.html")));
    EXPECT_FALSE(KqHomepage::IsLoaded());
}

// While a site is written, a second press of the menu's button shows its window and asks for no
// folder; closing the menu cancels the writing, waits for it and leaves no trace of it.
TEST_F(ProgramTest, ClosingTheMenuCancelsTheWritingAndASecondPressShowsIt) {
    QTemporaryDir arbeit;
    const QString datei = arbeit.filePath(QStringLiteral("gross.mdb"));
    katalog::Umfang umfang;
    umfang.cocktails = 300;
    katalog::Schreiben(datei, umfang);
    HauptModul::Datenbank = TempDatabase::OpenFile(datei);
    const QString ziel = arbeit.filePath(QStringLiteral("homepage"));
    int gefragt = 0;
    const auto vorher = std::exchange(KqHomepage::OrdnerWählen, [&](const QString&) {
        ++gefragt;
        return ziel;
    });
    KqHomepage::Erzeugen();
    ASSERT_TRUE(KqHomepage::IsLoaded() && KqHomepage::Loaded()->Läuft());
    KqHomepage::Erzeugen();
    EXPECT_EQ(gefragt, 1);
    // Once pages are being written.
    ASSERT_TRUE(
        QTest::qWaitFor([] { return KqHomepage::Loaded()->PFortschritt()->value() > 0; }, 20000));
    QElapsedTimer uhr;
    uhr.start();
    HauptModul::Beenden();
    EXPECT_LT(uhr.elapsed(), 1000);
    EXPECT_EQ(endings, std::vector<int>{0});
    EXPECT_FALSE(KqHomepage::Loaded()->Läuft());
    EXPECT_FALSE(QFileInfo::exists(ziel));
    KqHomepage::OrdnerWählen = vorher;
}
