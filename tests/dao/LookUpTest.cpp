// Look-ups by name, ucase(name) = "VALUE": exactly the names whose upper case is the value,
// found through the file's name indexes without reading every row.

#include "Records.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>

namespace {

// The engine's steps on the connections opened while CountSteps is installed.
std::atomic<int> g_steps{0};
int CountSteps(sqlite3* db, const char**, const sqlite3_api_routines*) {
    sqlite3_progress_handler(
        db, 1, [](void*) { return ++g_steps, 0; }, nullptr);
    return SQLITE_OK;
}

} // namespace

TEST(LookUp, FindsExactlyTheNamesOfThatUpperCaseThroughTheIndexes) {
    TempDatabase t;
    t.MakeEmpty();
    const auto counting = reinterpret_cast<void (*)()>(&CountSteps);
    sqlite3_auto_extension(counting);
    const auto db = t.Open();
    sqlite3_cancel_auto_extension(counting);
    // The file can hold names differing only in case (a shell may write them). The last five
    // have more candidates than a look-up takes, or a letter outside both indexes: they are
    // found by reading every name.
    const QStringList names =
        QStringLiteral(
            "Mojito|MOJITO|moJiTo|Äpfel|äpfel|ÄPFEL|Apfel|Weißer Rum|WEISSER RUM|weisser rum|"
            "Wei\u1E9Eer Rum|\uFB01zz|FIZZ|K\u0131v\u0131|kivi|ως|ΩΣ|Ωσ|🍹 Punch|🍹 PUNCH|"
            "Mo\uFEFFjito|5|Ka\u0390|Ka\u1FD3|Öl für Ühü|ÖL FÜR ÜHÜ|öl für ühü")
            .split(u'|');
    QStringList probes = {"äpfel", "NIEMAND"}; // "äpfel" is not upper-cased: no name has it
    for (const QString& name : names)
        probes << dao::UCase(name);
    const QStringList readEveryName = probes.mid(probes.size() - 5);
    constexpr int kFiller = 1000;
    for (const char* table : {"cocktails", "cocktailgruppen", "zutaten", "deko", "zutatensetup"}) {
        dao::Transaction tx(*db);
        for (const QString& name : names)
            records::Insert(*db, table, {{"name", name}});
        for (int i = 0; i < kFiller; ++i)
            records::Insert(*db, table, {{"name", QStringLiteral("Füllung %1").arg(i)}});
        records::Insert(*db, table, {{"beschreibung", "ohne Namen"}});
        tx.Commit();

        const QString select = QStringLiteral("SELECT name FROM %1 WHERE ").arg(table);
        int steps = 0;
        const auto find = [&](const QString& where) {
            const int before = g_steps;
            const QStringList found = records::Column(*db, select + where);
            steps = g_steps - before;
            return found;
        };
        for (const QString& probe : probes) {
            // Written the other way round, the comparison is no look-up and reads every name.
            const QStringList everyName = find(dao::Quoted(probe) + " = ucase(name)");
            EXPECT_GT(steps, kFiller);
            EXPECT_EQ(find("ucase(name) = " + dao::Quoted(probe)), everyName)
                << table << " " << probe.toStdString();
            EXPECT_TRUE(steps < kFiller || readEveryName.contains(probe))
                << table << " " << probe.toStdString() << ": " << steps << " steps";
        }
        // Under NOT, next to OR, and against a number of the same statement shape, the
        // look-up keeps its meaning.
        EXPECT_EQ(find("NOT ucase(name) = \"ÄPFEL\""), find("NOT \"ÄPFEL\" = ucase(name)"));
        EXPECT_EQ(find("name = \"Apfel\" OR Ucase(name) = \"ÄPFEL\" OR name = \"5\""),
                  (QStringList{"Äpfel", "äpfel", "ÄPFEL", "Apfel", "5"}));
        EXPECT_TRUE(find("ucase(name) = 5").isEmpty());
    }
}
