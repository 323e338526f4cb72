// Start-up: the program's folder, a database that cannot be opened, and the real program
// refusing a file it cannot read or write.

#include "modul/HauptModul.h"
#include "Dateifehler.h"
#include "ProgramTest.h"
#include "menu/KqMenue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

using HauptModulTest = ProgramTest;

// Starts the real program, copied into folder, headless; it must end with status 1 and name
// `reason` among its errors.
void ExpectRefusedIn(const QString& folder, const QString& reason) {
    const QString binary = folder + QStringLiteral("/velkor");
    if (!QFile::exists(binary)) {
        EXPECT_TRUE(QFile::copy(QStringLiteral(VELKOR_BINARY), binary));
    }
    QProcess p; // headless as this process (test_main)
    p.start(binary, {});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 1) << reason.toStdString();
    const QString errors = QString::fromLocal8Bit(p.readAllStandardError());
    EXPECT_TRUE(errors.contains(reason)) << errors.toStdString();
}

} // namespace

TEST_F(HauptModulTest, TheMenuIsShownWhileTheFileOpensWhichEndsWhenTheProgramIsIdle) {
    HauptModul::Main();
    // The file's key is being derived: the menu is up, the database not there yet.
    ASSERT_TRUE(KqMenü::IsLoaded());
    EXPECT_TRUE(KqMenü::Instance().isVisible());
    EXPECT_FALSE(HauptModul::Datenbank);
    QElapsedTimer uhr;
    uhr.start();
    while (!HauptModul::Datenbank && uhr.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(HauptModul::Datenbank);
    EXPECT_TRUE(endings.empty());
}

TEST_F(HauptModulTest, MainReportsAnUnopenableDatabaseAndTheMenuGoes) {
    QTemporaryDir empty;
    HauptModul::Programmordner = [&] { return empty.path(); };
    QStringList boxes;
    toolkit::SetMsgBoxResponder([&](const QString& text, int, const QString&) {
        boxes << text;
        return toolkit::vbOK;
    });
    HauptModul::Main();
    // The failure comes once the program is idle; the menu shown meanwhile goes.
    QElapsedTimer uhr;
    uhr.start();
    while (boxes.isEmpty() && uhr.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("3024")));
    EXPECT_EQ(endings, std::vector<int>{1});
    EXPECT_FALSE(KqMenü::IsLoaded());
    EXPECT_FALSE(HauptModul::Datenbank);
}

TEST(Programm, RefusesAtStartWhatItCannotReadOrWriteAndWritesNothing) {
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("Cocktails.mdb"));
    const auto inhalt = [&datei] {
        QFile f(datei);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    // Nothing written: the file as it was, and no journal or other file beside it.
    const auto unverändert = [&](const QByteArray& vorher) {
        EXPECT_EQ(inhalt(), vorher);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                  (QStringList{QStringLiteral("Cocktails.mdb"), QStringLiteral("velkor")}));
    };

    // Bytes that are no database: refused as damaged.
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, 'x'));
    }
    ExpectRefusedIn(dir.path(), QStringLiteral("3343"));
    unverändert(QByteArray(5000, 'x'));

    // The program's own file, write-protected; then its folder.
    QFile::remove(datei);
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELKOR_STARTER_DB), datei));
    QFile::setPermissions(datei, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray starter = inhalt();
    {
        Schreibschutz schutz(datei);
        if (!schutz.Gesetzt()) GTEST_SKIP() << "the file system cannot write-protect for root";
        ExpectRefusedIn(dir.path(), QStringLiteral("3051"));
    }
    unverändert(starter);
    {
        Schreibschutz schutz(dir.path());
        ASSERT_TRUE(schutz.Gesetzt());
        ExpectRefusedIn(dir.path(), QStringLiteral("3051"));
    }
    unverändert(starter);

    // Another program holds the lock for longer than a start waits.
    {
        Sperre sperre(datei);
        ASSERT_TRUE(sperre.Gesetzt());
        ExpectRefusedIn(dir.path(), QStringLiteral("gesperrt"));
    }
    unverändert(starter);
}
