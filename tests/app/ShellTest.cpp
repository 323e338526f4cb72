// The data file belongs to its user: with nothing but the standard SQLCipher shell, the right
// key and compatibility mode, every table can be sorted, searched, changed and checked, and the
// program then shows what the shell stored in its German place.

#include "ProgramTest.h"
#include "Records.h"
#include "dao/Text.h"
#include "toolkit/Controls.h"
#include "viewer/KqRezepte.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

using ShellTest = ProgramTest;

struct ShellRun {
    QString out;
    QString errors;
};

ShellRun Shell(const QString& path, const QString& commands) {
    QProcess shell;
    shell.start(QStringLiteral("sqlcipher"), {QStringLiteral("-batch"), path});
    EXPECT_TRUE(shell.waitForStarted()) << "the sqlcipher shell is not installed";
    shell.write(
        ("PRAGMA key = 'TornVX1993';\nPRAGMA cipher_compatibility = 3;\n" + commands).toUtf8());
    shell.closeWriteChannel();
    EXPECT_TRUE(shell.waitForFinished(30000));
    return {QString::fromUtf8(shell.readAllStandardOutput()).trimmed(),
            QString::fromUtf8(shell.readAllStandardError()).trimmed()};
}

} // namespace

TEST_F(ShellTest, TheStandardShellReadsChangesAndChecksEveryTable) {
    db.Db().Close();
    // Sorting and searching by name.
    ShellRun read =
        Shell(db.Path(), QStringLiteral("SELECT count(*) FROM cocktails WHERE name = 'Mojito';\n"
                                        "SELECT name FROM zutaten ORDER BY name LIMIT 1;\n"
                                        "SELECT count(*) FROM zutaten WHERE name LIKE 'gin%';\n"));
    EXPECT_TRUE(read.errors.isEmpty()) << read.errors.toStdString();
    EXPECT_EQ(read.out.split(u'\n').value(0), QStringLiteral("1"));
    EXPECT_GT(read.out.split(u'\n').value(2).toInt(), 0);

    // Inserting, changing and deleting in every table, then the file's own check.
    ShellRun write = Shell(db.Path(), QStringLiteral(R"(
BEGIN;
INSERT INTO cocktails (name, beschreibung) VALUES ('Äquator', 'in der Shell gemischt');
INSERT INTO cocktails (name) VALUES ('Zum Löschen');
INSERT INTO cocktailgruppen (name) VALUES ('Shell-Gruppe');
INSERT INTO zutaten (name, alkohol, getränk) VALUES ('Öl-Essenz', 0, 0);
INSERT INTO deko (name) VALUES ('Shell-Deko');
INSERT INTO zutatensetup (name) VALUES ('Shell-Bar');
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) SELECT g.nr, c.nr FROM cocktailgruppen g, cocktails c WHERE g.name = 'Shell-Gruppe' AND c.name = 'Äquator';
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, pflicht) SELECT c.nr, z.nr, '2 cl', 0, 1 FROM cocktails c, zutaten z WHERE c.name = 'Äquator' AND z.name = 'Öl-Essenz';
INSERT INTO dekoliste (cocktail, deko) SELECT c.nr, d.nr FROM cocktails c, deko d WHERE c.name = 'Äquator' AND d.name = 'Shell-Deko';
INSERT INTO zutatensetupvorrat (setup, zutat) SELECT s.nr, z.nr FROM zutatensetup s, zutaten z WHERE s.name = 'Shell-Bar' AND z.name = 'Öl-Essenz';
UPDATE cocktails SET bewertung = '4' WHERE name = 'Mojito';
UPDATE cocktailgruppen SET beschreibung = 'neu' WHERE name = 'Shell-Gruppe';
UPDATE zutaten SET alkohol = 1 WHERE name = 'Öl-Essenz';
UPDATE zutatenliste SET menge = '3 cl' WHERE menge = '2 cl' AND zutat = (SELECT nr FROM zutaten WHERE name = 'Öl-Essenz');
UPDATE deko SET beschreibung = 'neu' WHERE name = 'Shell-Deko';
UPDATE dekoliste SET beschreibung = 'oben' WHERE deko = (SELECT nr FROM deko WHERE name = 'Shell-Deko');
UPDATE zutatensetup SET beschreibung = 'neu' WHERE name = 'Shell-Bar';
UPDATE gruppenzugehörigkeit SET gruppe = gruppe WHERE cocktail = (SELECT nr FROM cocktails WHERE name = 'Äquator');
UPDATE zutatensetupvorrat SET zutat = zutat WHERE setup = (SELECT nr FROM zutatensetup WHERE name = 'Shell-Bar');
DELETE FROM cocktails WHERE name = 'Zum Löschen';
DELETE FROM zutatensetupvorrat WHERE setup = (SELECT nr FROM zutatensetup WHERE name = 'Minimal');
DELETE FROM dekoliste WHERE cocktail = (SELECT nr FROM cocktails WHERE name = 'Mojito');
DELETE FROM zutatenliste WHERE cocktail = (SELECT nr FROM cocktails WHERE name = 'Mojito') AND pflicht = 0;
DELETE FROM gruppenzugehörigkeit WHERE cocktail = (SELECT nr FROM cocktails WHERE name = 'Mojito');
DELETE FROM deko WHERE nr NOT IN (SELECT deko FROM dekoliste);
DELETE FROM cocktailgruppen WHERE nr NOT IN (SELECT gruppe FROM gruppenzugehörigkeit) AND name <> 'Shell-Gruppe';
DELETE FROM zutatensetup WHERE name = 'Minimal';
DELETE FROM zutaten WHERE nr NOT IN (SELECT zutat FROM zutatenliste) AND nr NOT IN (SELECT zutat FROM zutatensetupvorrat) AND nr NOT IN (SELECT variation FROM zutatenliste);
COMMIT;
PRAGMA integrity_check;
)"));
    EXPECT_TRUE(write.errors.isEmpty()) << write.errors.toStdString();
    EXPECT_EQ(write.out, QStringLiteral("ok"));

    // The program opens the changed file and lists the shell's cocktail in its German place.
    Start();
    KqRezepte& viewer = KqRezepte::Instance();
    const QStringList list = Entries(viewer.CCocktail());
    ASSERT_TRUE(list.contains(QStringLiteral("Äquator")));
    EXPECT_FALSE(list.contains(QStringLiteral("Zum Löschen")));
    QStringList german = list;
    std::sort(german.begin(), german.end(),
              [](const QString& a, const QString& b) { return dao::CompareGerman(a, b) < 0; });
    EXPECT_EQ(list, german);
    EXPECT_LT(list.indexOf(QStringLiteral("Äquator")), list.indexOf(QStringLiteral("Bloody Mary")));
    EXPECT_EQ(HauptModul::OffeneDatenbank()
                  .OpenRecordset(QStringLiteral("SELECT * FROM zutaten WHERE ucase(name) = ") +
                                 dao::Quoted(dao::UCase(QStringLiteral("öl-essenz"))))
                  .RecordCount(),
              1);
}
