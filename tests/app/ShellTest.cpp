// The data file belongs to its user: with nothing but the standard SQLCipher shell, the right
// key and compatibility mode, every table can be searched, changed and checked, and the
// program then shows what the shell stored in its German place.

#include "ProgramTest.h"
#include "Records.h"
#include "dao/Password.h"
#include "dao/Text.h"
#include "toolkit/Controls.h"
#include "viewer/KqRezepte.h"

#include <QProcess>

TEST_F(ProgramTest, TheStandardShellReadsChangesAndChecksEveryTable) {
    db.Db().Close();
    QProcess shell;
    shell.start(QStringLiteral("sqlcipher"), {QStringLiteral("-batch"), db.Path()});
    ASSERT_TRUE(shell.waitForStarted()) << "the sqlcipher shell is not installed";
    shell.write("PRAGMA key = '" + QByteArray(dao::kPassword) + R"(';
PRAGMA cipher_compatibility = 3;
SELECT count(*) FROM zutaten WHERE name LIKE 'gin%';
BEGIN;
INSERT INTO cocktails (name) VALUES ('Äquator'), ('Zum Löschen');
INSERT INTO cocktailgruppen (name) VALUES ('Shell-Gruppe');
INSERT INTO zutaten (name, alkohol, getränk) VALUES ('Öl-Essenz', 0, 0);
INSERT INTO deko (name) VALUES ('Shell-Deko');
INSERT INTO zutatensetup (name) VALUES ('Shell-Bar');
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) SELECT max(g.nr), max(c.nr) FROM cocktailgruppen g, cocktails c;
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, pflicht) SELECT max(c.nr), max(z.nr), '2 cl', 0, 1 FROM cocktails c, zutaten z;
INSERT INTO dekoliste (cocktail, deko) SELECT max(c.nr), max(d.nr) FROM cocktails c, deko d;
INSERT INTO zutatensetupvorrat (setup, zutat) SELECT max(s.nr), max(z.nr) FROM zutatensetup s, zutaten z;
DELETE FROM cocktails WHERE name = 'Zum Löschen';
COMMIT;
PRAGMA integrity_check;
)");
    shell.closeWriteChannel();
    ASSERT_TRUE(shell.waitForFinished(30000));
    EXPECT_EQ(shell.readAllStandardError(), QByteArray());
    const QStringList out = QString::fromUtf8(shell.readAllStandardOutput()).split(u'\n');
    EXPECT_GT(out.value(0).toInt(), 0);
    EXPECT_EQ(out.value(1), QStringLiteral("ok"));

    // The program opens the changed file and lists the shell's cocktail in its German place.
    Start();
    const QStringList list = Entries(KqRezepte::Instance().CCocktail());
    EXPECT_FALSE(list.contains(QStringLiteral("Zum Löschen")));
    QStringList german = list;
    std::sort(german.begin(), german.end(),
              [](const QString& a, const QString& b) { return dao::CompareGerman(a, b) < 0; });
    EXPECT_EQ(list, german);
    EXPECT_LT(list.indexOf(QStringLiteral("Äquator")), list.indexOf(QStringLiteral("Bloody Mary")));
    EXPECT_GE(list.indexOf(QStringLiteral("Äquator")), 0);
    EXPECT_EQ(HauptModul::OffeneDatenbank()
                  .OpenRecordset(QStringLiteral("SELECT * FROM zutaten WHERE ucase(name) = ") +
                                 dao::Quoted(dao::UCase(QStringLiteral("öl-essenz"))))
                  .RecordCount(),
              1);
}
