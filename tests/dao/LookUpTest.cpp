// Look-ups by name, ucase(name) = "VALUE": exactly the names whose upper case is the value,
// found through the file's name indexes without reading every row.

#include "Records.h"
#include "RoheDatei.h"
#include "TempDatabase.h"

#include "dao/Dialect.h"
#include "dao/Text.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

void UCaseFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
    const QByteArray upper =
        dao::UCase(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[0]))))
            .toUtf8();
    sqlite3_result_text(ctx, upper.constData(), static_cast<int>(upper.size()), SQLITE_TRANSIENT);
}

// A second connection on the test's file that runs the dialect's translations and tells how
// many steps the engine took; like any shell it knows nothing of the program but ucase().
class Engine {
public:
    explicit Engine(const QString& path) : m_datei(path), m_db(m_datei.Db()) {
        sqlite3_create_function(m_db, "ucase", 1, SQLITE_UTF8, nullptr, &UCaseFunction, nullptr,
                                nullptr);
    }

    // The first column of every row the dialect's statement yields, as text, sorted.
    QStringList Run(const QString& statement, int* steps = nullptr) {
        const dao::Translation t = dao::Translate(statement, false);
        sqlite3_stmt* stmt = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(m_db, t.sql.constData(), -1, &stmt, nullptr), SQLITE_OK)
            << sqlite3_errmsg(m_db);
        for (std::size_t i = 0; i < t.params.size(); ++i) {
            const dao::Value& v = t.params[i];
            const QByteArray text = v.ToText().toUtf8();
            const int at = static_cast<int>(i) + 1;
            if (v.IsText())
                sqlite3_bind_text(stmt, at, text.constData(), static_cast<int>(text.size()),
                                  SQLITE_TRANSIENT);
            else
                sqlite3_bind_int(stmt, at, v.ToInt());
        }
        QStringList rows;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            rows << (text ? QString::fromUtf8(text) : QString());
        }
        if (steps) *steps = sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_VM_STEP, 0);
        sqlite3_finalize(stmt);
        rows.sort();
        return rows;
    }
    void Exec(const QString& sql) {
        EXPECT_EQ(m_datei.Exec(sql), SQLITE_OK) << sqlite3_errmsg(m_db);
    }

private:
    RoheDatei m_datei;
    sqlite3* m_db;
};

struct Name {
    QString text;
    bool readsEveryRow;
};

constexpr int kFiller = 1000;
const char* const kTables[] = {"cocktails", "cocktailgruppen", "zutaten", "deko", "zutatensetup"};

} // namespace

TEST(LookUp, FindsExactlyTheNamesOfThatUpperCaseThroughTheIndexes) {
    TempDatabase t;
    t.MakeEmpty();
    Engine engine(t.Path());
    // Names as any shell may write them: the file can hold names differing only in case.
    const QStringList indexed = {"Mojito",
                                 "MOJITO",
                                 "moJiTo",
                                 "Äpfel",
                                 "äpfel",
                                 "ÄPFEL",
                                 "Apfel",
                                 "Weißer Rum",
                                 "WEISSER RUM",
                                 "weisser rum",
                                 "Wei\u1E9Eer Rum",
                                 "\uFB01zz",
                                 "FIZZ",
                                 "K\u0131v\u0131",
                                 "kivi",
                                 "ως",
                                 "ΩΣ",
                                 "Ωσ",
                                 "🍹 Punch",
                                 "🍹 PUNCH",
                                 "Mo\uFEFFjito",
                                 "5"};
    // More candidates than a look-up takes, or a letter outside both indexes: found by reading
    // every name.
    const QStringList everyRow = {"Ka\u0390", "Ka\u1FD3", "Öl für Ühü", "ÖL FÜR ÜHÜ", "öl für ühü"};
    std::vector<Name> probes;
    for (const QString& n : indexed + everyRow)
        probes.push_back({dao::UCase(n), everyRow.contains(n)});
    probes.push_back({"äpfel", false}); // not upper-cased: no name has this upper case
    probes.push_back({"NIEMAND", false});

    engine.Exec("BEGIN");
    for (const char* table : kTables) {
        // Straight into the file, as the values are; the names hold no single quote.
        const QString insert = QStringLiteral("INSERT INTO %1 (name) VALUES ('%2')").arg(table);
        for (const QString& n : indexed + everyRow)
            engine.Exec(insert.arg(n));
        for (int i = 0; i < kFiller; ++i)
            engine.Exec(insert.arg(QStringLiteral("Füllung %1").arg(i)));
        engine.Exec(
            QStringLiteral("INSERT INTO %1 (beschreibung) VALUES ('ohne Namen')").arg(table));
    }
    engine.Exec("COMMIT");

    for (const char* table : kTables) {
        const QString select = QStringLiteral("SELECT name FROM %1 WHERE ").arg(table);
        const auto matching = [&](auto test) {
            QStringList out;
            for (const QString& row : engine.Run(QStringLiteral("SELECT name FROM %1").arg(table)))
                if (test(row)) out << row;
            return out;
        };
        for (const Name& probe : probes) {
            const auto expected =
                matching([&](const QString& n) { return dao::UCase(n) == probe.text; });
            int steps = 0;
            EXPECT_EQ(engine.Run(select + "ucase(name) = " + dao::Quoted(probe.text), &steps),
                      expected)
                << table << " " << probe.text.toStdString();
            if (!probe.readsEveryRow) {
                EXPECT_LT(steps, kFiller) << table << " " << probe.text.toStdString();
            }
        }
        // Under NOT, next to OR, and against a number of the same statement shape, the
        // look-up keeps its meaning.
        const QString apfel = QStringLiteral("ÄPFEL");
        EXPECT_EQ(
            engine.Run(select + "NOT ucase(name) = \"ÄPFEL\""),
            matching([&](const QString& n) { return !n.isNull() && dao::UCase(n) != apfel; }));
        EXPECT_EQ(
            engine.Run(select + "name = \"Apfel\" OR Ucase(name) = \"ÄPFEL\" OR name = \"5\""),
            matching([&](const QString& n) {
                return dao::UCase(n) == apfel || n == QLatin1String("Apfel") ||
                       n == QLatin1String("5");
            }));
        EXPECT_TRUE(engine.Run(select + "ucase(name) = 5").isEmpty());
    }
}
