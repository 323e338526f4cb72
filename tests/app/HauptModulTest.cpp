// Start-up and end of a run: the program's folder, opening the database,
// showing the menu, and the real program failing on a missing or foreign file.

#include "app/HauptModul.h"
#include "TempDatabase.h"
#include "menu/KqMenue.h"
#include "toolkit/Form.h"
#include "toolkit/MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Replaces the ending and the program's folder for one test.
class HauptModulTest : public ::testing::Test {
protected:
    void SetUp() override {
        HauptModul::Ende = [this](int status) { endings.push_back(status); };
    }
    void TearDown() override {
        toolkit::DiscardAll();
        toolkit::SetMsgBoxResponder({});
        HauptModul::Datenbank.reset();
        HauptModul::Arbeitsbereich.reset();
        HauptModul::Programmordner = [] { return QCoreApplication::applicationDirPath(); };
    }
    std::vector<int> endings;
};

struct ProgramRun {
    int exitCode;
    QString errors;
};

// Starts the real program, copied into folder, headless.
ProgramRun RunProgramIn(const QString& folder) {
    const QString binary = folder + QStringLiteral("/velkor");
    QFile::remove(binary);
    EXPECT_TRUE(QFile::copy(QStringLiteral(VELKOR_BINARY), binary));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(binary, {});
    EXPECT_TRUE(p.waitForFinished(20000));
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardError())};
}

} // namespace

TEST(PfadMitBackslash, AddsOneSeparatorOnlyWhenMissing) {
    EXPECT_EQ(HauptModul::PfadMitBackslash(QStringLiteral("C:\\")), QStringLiteral("C:\\"));
    EXPECT_EQ(HauptModul::PfadMitBackslash(QStringLiteral("C:\\Bar")), QStringLiteral("C:\\Bar\\"));
    EXPECT_EQ(HauptModul::PfadMitBackslash(QStringLiteral("C:\\Bar")) +
                  QStringLiteral("Cocktails.mdb"),
              QStringLiteral("C:\\Bar\\Cocktails.mdb"));
    EXPECT_EQ(HauptModul::PfadMitBackslash(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(HauptModul::PfadMitBackslash(QStringLiteral("/opt/velkor")),
              QStringLiteral("/opt/velkor/"));
    EXPECT_EQ(HauptModul::PfadMitBackslash(QStringLiteral("/opt/velkor/")),
              QStringLiteral("/opt/velkor/"));
    EXPECT_EQ(HauptModul::PfadMitBackslash(QString()), QString(QDir::separator()));
}

TEST_F(HauptModulTest, MainOpensTheDatabaseAndShowsTheMenuClosingItEnds) {
    TempDatabase t;
    HauptModul::Programmordner = [&] { return t.Folder(); };
    HauptModul::Main();
    ASSERT_TRUE(HauptModul::Datenbank);
    EXPECT_TRUE(endings.empty());
    EXPECT_EQ(HauptModul::Pfad, t.Folder() + QStringLiteral("/"));
    EXPECT_EQ(HauptModul::Datenbankname, QStringLiteral("Cocktails.mdb"));
    EXPECT_EQ(HauptModul::Arbeitsbereich->Name(), QStringLiteral("Cocktail"));
    EXPECT_GT(HauptModul::Datenbank->OpenRecordset(QStringLiteral("SELECT * FROM cocktails"))
                  .RecordCount(),
              0);

    ASSERT_TRUE(KqMenü::IsLoaded());
    KqMenü& menu = KqMenü::Instance();
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.windowTitle(), QStringLiteral("Velkor-DB Hauptmenü"));
    EXPECT_EQ(menu.size(), QSize(802, 49)); // 12030 x 735 twips
    EXPECT_EQ(menu.pos(), QPoint(0, 0));

    menu.close(); // closing the menu ends the program
    EXPECT_EQ(endings, std::vector<int>{0});
    EXPECT_FALSE(HauptModul::Datenbank);
    EXPECT_FALSE(HauptModul::Arbeitsbereich);
}

TEST_F(HauptModulTest, MainReportsAnUnopenableDatabaseAndNeverShowsTheMenu) {
    QTemporaryDir empty;
    HauptModul::Programmordner = [&] { return empty.path(); };
    QStringList boxes;
    toolkit::SetMsgBoxResponder([&](const QString& text, int, const QString&) {
        boxes << text;
        return toolkit::vbOK;
    });
    HauptModul::Main();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("3024")));
    EXPECT_EQ(endings, std::vector<int>{1});
    EXPECT_FALSE(KqMenü::IsLoaded());
    EXPECT_FALSE(HauptModul::Datenbank);
}

TEST(Programm, EndsWithStatusOneOnMissingOrForeignDatabase) {
    QTemporaryDir dir;
    ProgramRun missing = RunProgramIn(dir.path());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.errors.contains(QStringLiteral("3024"))) << missing.errors.toStdString();

    // The starter catalogue under another password is not the program's file.
    {
        TempDatabase t;
        auto db = t.Open();
        db->ExecuteScript("PRAGMA rekey = 'anderes'");
        db->Close();
        ASSERT_TRUE(QFile::copy(t.Path(), dir.filePath(QStringLiteral("Cocktails.mdb"))));
    }
    ProgramRun foreign = RunProgramIn(dir.path());
    EXPECT_EQ(foreign.exitCode, 1);
    EXPECT_TRUE(foreign.errors.contains(QStringLiteral("3031"))) << foreign.errors.toStdString();

    // A truncated file is reported as damaged, and left as it was.
    QFile file(dir.filePath(QStringLiteral("Cocktails.mdb")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(700));
    file.close();
    ProgramRun truncated = RunProgramIn(dir.path());
    EXPECT_EQ(truncated.exitCode, 1);
    EXPECT_TRUE(truncated.errors.contains(QStringLiteral("3343")))
        << truncated.errors.toStdString();
    EXPECT_EQ(QFileInfo(file).size(), 700);
}
