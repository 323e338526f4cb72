// Fuzz target of the store: the dialect translator and the record-set operations.
//
// An input starting with '=' is read as up to four statements, one a line, for
// dao::Translate alone. Any other input is a short program, one operation a line,
// run against a small encrypted database made once per process (see Program::Step
// for the operations). Every failure must be a dao::Error; anything else escaping, a
// crash, a sanitizer report or a broken invariant (reported through Require) is a
// finding.
//
// Each input runs on a thread of its own, so the translations kept per thread
// start empty and an input behaves the same whatever ran before it. The
// database's records are brought back to their first state after each input.

#include "dao/Dao.h"
#include "dao/Dialect.h"
#include "dao/Schema.h"
#include "dao/Text.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <pthread.h>
#include <set>
#include <string_view>
#include <vector>

namespace {

void Require(bool ok, const char* what, const QString& detail = {}) {
    if (ok) return;
    std::fprintf(stderr, "\nFUZZ INVARIANT BROKEN: %s\n  %s\n", what, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

// Runs f. A failure must carry a classic number and a description; given a number, f must
// fail with that one; given -1, f must not fail at all.
template <class F>
void Checked(F&& f, int number = 0,
             const char* what = "error number outside the classic range or without text") {
    try {
        f();
    } catch (const dao::Error& e) {
        return Require(
            e.Number() >= 3000 && e.Number() < 4000 && !e.Description().isEmpty() &&
                (number == 0 || e.Number() == number),
            what, QStringLiteral("error %1 (%2): ").arg(e.Number()).arg(number) + e.Description());
    }
    Require(number <= 0, what, QStringLiteral("no error %1").arg(number));
}

// Runs f on a fresh thread with a small stack (under the sanitizers a thread costs in
// proportion to its stack). Anything f throws ends the process.
template <class F> void OnFreshThread(F f) {
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 2 << 20);
    pthread_t thread;
    const auto run = [](void* p) noexcept -> void* { return (*static_cast<F*>(p))(), nullptr; };
    Require(pthread_create(&thread, &attr, run, &f) == 0, "no thread for the input");
    pthread_attr_destroy(&attr);
    pthread_join(thread, nullptr);
}

// ---------------------------------------------------------------- input

// A piece of the input as text: UTF-8 (invalid bytes become replacement
// characters), or, behind a leading \x01, UTF-16 code units in little-endian
// byte pairs, so lone surrogates reach the store too.
QString TextOf(std::string_view bytes) {
    if (bytes.empty() || bytes[0] != '\x01')
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString out;
    for (std::size_t i = 1; i + 1 < bytes.size(); i += 2)
        out += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                           static_cast<unsigned char>(bytes[i + 1]) << 8));
    return out;
}

std::vector<std::string_view> Lines(std::string_view data, std::size_t limit) {
    std::vector<std::string_view> lines;
    while (!data.empty() && lines.size() < limit) {
        const std::size_t end = data.find('\n');
        lines.push_back(data.substr(0, end));
        if (end == std::string_view::npos) break;
        data.remove_prefix(end + 1);
    }
    return lines;
}

// The first byte of an argument picks one of n (0 without one) or is a signed position;
// Rest is what follows it.
std::size_t Pick(std::string_view arg, std::size_t n) {
    return arg.empty() ? 0 : static_cast<unsigned char>(arg[0]) % n;
}
int Position(std::string_view arg) {
    return arg.empty() ? 0 : static_cast<signed char>(arg[0]);
}
std::string_view Rest(std::string_view arg) {
    return arg.empty() ? arg : arg.substr(1);
}

// ---------------------------------------------------------------- translator

// One translation written out whole (engine SQL, table to change, each parameter with its
// kind), or its error number; checked for what holds of a translation by itself.
QString Translated(const QString& statement, bool withRowId) {
    try {
        const dao::Translation t = dao::Translate(statement, withRowId);
        QString out = QString::fromUtf8(t.sql) + " | table " + t.updatableTable;
        for (const dao::Value& v : t.params)
            out += QStringLiteral(" |%1 ").arg(v.Raw().index()) + v.ToText();
        Require(withRowId || t.updatableTable.isEmpty(), "a table to change without the row id",
                statement + " -> " + out);
        // Without a ? of its own, every ? of the engine SQL is one parameter.
        Require(statement.contains(u'?') || t.sql.count('?') == qsizetype(t.params.size()),
                "parameters and marks differ in number", statement + " -> " + out);
        return out;
    } catch (const dao::Error& e) {
        Require(e.Number() == dao::errSyntax && !e.Description().isEmpty(),
                "translation failed with a number other than 3075",
                statement + " -> " + e.Description());
        return QStringLiteral("error %1").arg(e.Number());
    }
}

// The statements translated one after another on one thread, all of them twice, so each may
// find the shape of one before it or its own: every translation the same as on a thread of its
// own, where nothing was kept before.
void FuzzTranslator(const std::vector<std::string_view>& lines) {
    std::vector<QString> statements, together, alone;
    for (std::string_view line : lines)
        statements.push_back(TextOf(line));
    // Each statement without and with the row id: translation i is of statement i / 2.
    const std::size_t n = statements.size() * 2;
    const auto translate = [&](std::size_t i) { return Translated(statements[i / 2], i % 2); };
    OnFreshThread([&] {
        for (std::size_t i = 0; i < n * 2; ++i)
            together.push_back(translate(i % n));
    });
    for (std::size_t i = 0; i < n; ++i) {
        OnFreshThread([&] { alone.push_back(translate(i)); });
        Require(together[i] == alone[i] && together[i + n] == alone[i],
                "a translation differs from one on a fresh thread",
                statements[i / 2] + "\n  " + together[i] + "\n  again " + together[i + n] +
                    "\n  alone " + alone[i]);
    }
}

// ---------------------------------------------------------------- the database

// Statements written by the input may read and change records, but not the file's
// tables, transactions, attached files or settings, and each gets a bounded number
// of engine steps: a statement looping for ever is the input's doing, not the store's.
std::atomic<bool> g_untrusted{false};
std::atomic<int> g_ticks{0};
constexpr int kTickSteps = 1000; // engine steps between two ticks
constexpr int kTickBudget = 300; // ticks for one statement of the input

int Authorize(void*, int action, const char*, const char*, const char*, const char*) {
    static const std::set<int> allowed = {SQLITE_SELECT,   SQLITE_READ,   SQLITE_FUNCTION,
                                          SQLITE_INSERT,   SQLITE_UPDATE, SQLITE_DELETE,
                                          SQLITE_RECURSIVE};
    return !g_untrusted || allowed.count(action) ? SQLITE_OK : SQLITE_DENY;
}

int Progress(void*) {
    return g_untrusted && g_ticks++ >= kTickBudget ? 1 : 0;
}

// Installed on every connection the engine opens in this process.
int Guard(sqlite3* db, const char**, const sqlite3_api_routines*) {
    sqlite3_set_authorizer(db, &Authorize, nullptr);
    sqlite3_progress_handler(db, kTickSteps, &Progress, nullptr);
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 1 << 20);
    return SQLITE_OK;
}

// While one statement of the input runs.
struct Untrusted {
    Untrusted() { g_ticks = 0, g_untrusted = true; }
    ~Untrusted() { g_untrusted = false; }
};

// Names with letters the look-ups treat apart: umlauts, ß, dotless and dotted i,
// ligatures, a long s.
const char kRows[] = R"(
INSERT INTO cocktailgruppen (name, beschreibung) VALUES ('Klassiker', 'Zeitlos'), ('Sours', NULL);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Weißer Rum', 'hell', 1, 1),
  ('Äpfelsaft', NULL, 0, 1), ('Limette', 'grün', 0, 0), ('ıstanbul', NULL, 0, 0),
  ('İzmir', NULL, 1, 0), ('ﬀ-Likör', '', 1, 1), ('Straſſe', NULL, 0, 1), ('straße', NULL, 0, 0),
  ('STRASSE', NULL, 1, 1), ('Eis', NULL, 0, 0);
INSERT INTO deko (name, beschreibung) VALUES ('Minze', NULL), ('Öl', 'ätherisch');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES
  ('Daiquiri', 'sauer', 'schütteln', '5', NULL, NULL), ('Mojito', NULL, 'bauen', NULL, 'x', ''),
  ('Äpfel-Spritz', NULL, NULL, NULL, NULL, NULL);
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES (1, 1), (2, 1), (1, 2);
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung)
  VALUES (1, 1, '6 cl', 0, NULL, 1, NULL), (1, 3, '2 cl', 0, NULL, 1, 'frisch'),
  (2, 1, '4 cl', 10, '5 cl', 0, NULL), (3, 2, '10 cl', 0, NULL, 0, NULL);
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES (2, 1, 'Zweig'), (3, 2, NULL);
INSERT INTO zutatensetup (name, beschreibung) VALUES ('Zuhause', NULL), ('Party', 'groß');
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES (1, 1), (1, 3), (2, 2);
)";

// Every table emptied, the counters reset and kRows written again. An input can change
// records only, never the tables (see Authorize), so this takes back all it did, committed or
// not, and its transactions are the store's own.
void Reset(dao::Database& db) {
    QByteArray script = "BEGIN; DELETE FROM sqlite_sequence;";
    for (const auto& [table, named] : dao::kTables)
        script += " DELETE FROM \"" + QByteArray(table) + "\";";
    db.ExecuteScript(script + kRows + "COMMIT;");
}

struct Store {
    QTemporaryDir dir;
    std::shared_ptr<dao::Database> db;

    Store() {
        sqlite3_auto_extension(reinterpret_cast<void (*)(void)>(&Guard));
        Require(dir.isValid(), "no temporary folder", dir.errorString());
        Checked(
            [&] {
                db = dao::CreateWorkspace(QStringLiteral("Fuzz"), QStringLiteral("Admin"), {})
                         ->CreateDatabase(dir.filePath(QStringLiteral("Fuzz.mdb")),
                                          QStringLiteral(";pwd=x"));
                db->ExecuteScript(dao::SchemaScript());
                // Nothing an input does is kept: no need to wait for the disk.
                db->ExecuteScript("PRAGMA journal_mode = MEMORY; PRAGMA synchronous = OFF;");
                Reset(*db);
                // The look-up tables are built on the first look-up by name; once, here.
                db->OpenRecordset(
                    QStringLiteral("SELECT nr FROM zutaten WHERE ucase(name) = \"Ä\""));
            },
            -1, "the fuzz database cannot be made");
    }
};

// ---------------------------------------------------------------- program

// Statements the windows write, with the input's value in place of the mark: %U as a quoted
// text upper-cased (as the windows do for look-ups by name), %Q quoted as it is, %1 as it
// is in the text, like a number.
const char* const kOpenShapes[] = {
    "SELECT * FROM cocktails WHERE ucase(name) = %U ",
    "SELECT nr FROM cocktailgruppen WHERE Ucase(name) = %U",
    "SELECT * FROM zutaten WHERE Ucase(name) = %U",
    "SELECT nr FROM zutaten WHERE ucase(name) = %U ",
    "SELECT * FROM deko WHERE Ucase(name) = %U",
    "SELECT * FROM ZutatenSetup WHERE name = %Q",
    "SELECT nr, name FROM zutatensetup WHERE name = %Q",
    "SELECT name FROM zutaten WHERE nr = %1",
    "SELECT * FROM zutaten a INNER JOIN zutatenliste b ON a.nr = b.zutat WHERE b.cocktail = %1",
    "SELECT * FROM deko a INNER JOIN dekoliste b ON a.nr = b.deko WHERE b.cocktail = %1",
    "SELECT * FROM zutatenliste WHERE cocktail = %1 AND zutat = 1",
    "SELECT * FROM dekoliste WHERE cocktail = 2 AND deko = %1",
    "SELECT * FROM gruppenzugehörigkeit WHERE gruppe = %1 AND cocktail = 1",
    "SELECT * FROM zutatensetupvorrat WHERE setup = %1 ",
    "SELECT b.name FROM zutatensetupvorrat a INNER JOIN zutaten b ON a.zutat = b.nr WHERE "
    "a.setup = %1 ORDER BY b.name ",
    "SELECT name FROM zutaten ORDER BY name",
    "SELECT name FROM cocktailgruppen ORDER BY nr",
    "SELECT count(*) FROM zutaten WHERE name < %Q",
    "SELECT * FROM cocktails ORDER BY name, %1",
    "SELECT * FROM zutaten WHERE name LIKE %Q ORDER BY beschreibung DESC",
};
const char* const kExecuteShapes[] = {
    "DELETE FROM zutaten WHERE nr = %1",
    "DELETE FROM zutatenliste WHERE cocktail = %1",
    "UPDATE zutaten SET name = %Q WHERE nr = 2",
    "UPDATE cocktails SET beschreibung = %Q WHERE ucase(name) = \"MOJITO\"",
    "INSERT INTO deko (name) VALUES (%Q)",
    "INSERT INTO zutatensetupvorrat (setup, zutat) VALUES (1, %1)",
    "DELETE FROM deko WHERE ucase(name) = %U",
};
const char* const kNamedTables[] = {"cocktails", "cocktailgruppen", "zutaten", "deko",
                                    "zutatensetup"};

template <std::size_t N> QString Statement(const char* const (&shapes)[N], std::string_view arg) {
    QString text = QString::fromUtf8(shapes[Pick(arg, N)]);
    const QString value = TextOf(Rest(arg));
    for (const QString& mark : {QStringLiteral("%U"), QStringLiteral("%Q")})
        if (text.contains(mark))
            return text.replace(mark, dao::Quoted(mark == "%U" ? dao::UCase(value) : value));
    return text.replace(QStringLiteral("%1"), value);
}

// A value to write into a field: N Null, B yes/no, I whole number, D number, else text.
dao::Value ValueOf(std::string_view arg) {
    const QString rest = TextOf(Rest(arg));
    if (arg.empty() || arg[0] == 'N') return dao::Value();
    if (arg[0] == 'B') return dao::Value(!rest.isEmpty());
    if (arg[0] == 'I') return dao::Value(rest.toInt());
    if (arg[0] == 'D') return dao::Value(rest.toDouble());
    return dao::Value(rest);
}

// A look-up by name through the name indexes finds the same records (by number, in order) as
// the same comparison written the other way round, which reads every name: under NOT (which
// the look-up must leave alone), next to OR, and, last and returned, by itself.
std::vector<int> LookUp(dao::Database& db, const char* table, const QString& value) {
    const auto numbers = [&](const char* where, const char* comparison) {
        const QString condition =
            QString::fromUtf8(where).arg(QString::fromUtf8(comparison).arg(dao::Quoted(value)));
        std::vector<int> out;
        for (dao::Recordset rs =
                 db.OpenRecordset("SELECT nr FROM " + QString(table) + " WHERE " + condition);
             !rs.Eof(); rs.MoveNext())
            out.push_back(rs.Fields(0).ToInt());
        return out;
    };
    std::vector<int> indexed;
    for (const char* where : {"NOT %1", "nr = 1 OR %1", "%1 "}) {
        indexed = numbers(where, "ucase(name) = %1");
        Require(indexed == numbers(where, "%1 = ucase(name)"),
                "a look-up by name differs from reading every name",
                table + (": " + QString::fromUtf8(where).arg(dao::Quoted(value))));
    }
    return indexed;
}

// The state of one input's program.
struct Program {
    explicit Program(dao::Database& db) : m_db(db) {}
    dao::Database& m_db;
    dao::Recordset m_rs[4];
    std::size_t m_slot = 0;
    std::optional<dao::Field> m_field;
    std::vector<std::unique_ptr<dao::Transaction>> m_transactions;
    int m_depth = 0; // the transactions begun and not ended, as counted here

    void Run(const std::vector<std::string_view>& ops) {
        for (std::string_view op : ops) {
            if (op.empty()) continue;
            Checked([&] { Step(op[0], op.substr(1)); });
            Require(m_db.TransactionDepth() == m_depth, "transaction depth differs from the count",
                    QStringLiteral("%1 != %2").arg(m_db.TransactionDepth()).arg(m_depth));
        }
        // Whatever the input left open is taken back; the depth ends at 0.
        while (!m_transactions.empty())
            Pop();
        for (; m_depth > 0; --m_depth)
            Checked([&] { m_db.Rollback(); });
        Require(m_db.TransactionDepth() == 0, "transaction depth not 0 after rolling back",
                QString::number(m_db.TransactionDepth()));
    }

    // One operation: its letter and its argument.
    void Step(char code, std::string_view arg) {
        dao::Recordset& rs = m_rs[m_slot];
        if (code == '#') m_slot = Pick(arg, 4);   // the record set worked on
        if (code == 'v') rs = m_rs[Pick(arg, 4)]; // a copy of another one
        if (code == 'o' || code == 'O') {
            const QString statement = code == 'o' ? TextOf(arg) : Statement(kOpenShapes, arg);
            {
                const Untrusted untrusted;
                rs = m_db.OpenRecordset(statement);
            }
            const int rows = rs.RecordCount();
            Require(rows >= 0 && rs.FieldCount() >= 0 &&
                        (rows == 0 ? rs.Eof() && rs.Bof() : !rs.Eof() && !rs.Bof()),
                    "a record set opened with a negative count, or not at its first record",
                    statement);
            if (rows > 0) CheckCurrent(rs, "OpenRecordset");
            // Every field is found by its name, the first of that name.
            for (int i = 0; i < rs.FieldCount(); ++i) {
                const QString name = rs.Fields(i).Name();
                Require(rs.Fields(name).Name().compare(name, Qt::CaseInsensitive) == 0,
                        "a field not found by its name", statement + ": " + name);
            }
        }
        if (code == 'x' || code == 'X') {
            const QString statement = code == 'x' ? TextOf(arg) : Statement(kExecuteShapes, arg);
            const Untrusted untrusted;
            m_db.Execute(statement);
        }
        if (code == 'f') rs.MoveFirst(), CheckCurrent(rs, "MoveFirst");
        if (code == 'l') rs.MoveLast(), CheckCurrent(rs, "MoveLast");
        if (code == 'n' && (rs.MoveNext(), !rs.Eof())) CheckCurrent(rs, "MoveNext");
        if (code == 'p' && (rs.MovePrevious(), !rs.Bof())) CheckCurrent(rs, "MovePrevious");
        if (code == 'g') ReadField(m_field = rs.Fields(Position(arg)));
        if (code == 'G') ReadField(m_field = rs.Fields(TextOf(arg)));
        // The field taken last, whatever happened to its record set since.
        if (code == 'h' && m_field) arg.empty() ? ReadField(m_field) : m_field->Set(ValueOf(arg));
        if (code == 's') rs.Fields(Position(arg)).Set(ValueOf(Rest(arg)));
        if (code == 'S') { // name=value; without the =, the field is set to Null
            const std::size_t eq = std::min(arg.find('='), arg.size());
            rs.Fields(TextOf(arg.substr(0, eq)))
                .Set(ValueOf(arg.substr(std::min(eq + 1, arg.size()))));
        }
        if (code == 'a') rs.AddNew();
        if (code == 'u') rs.Update();
        if (code == 'c') rs.CancelUpdate();
        if (code == 'd') {
            rs.Delete();
            if (rs.FieldCount() > 0)
                Checked([&] { (void)rs.Fields(0).Get(); }, dao::errRecordDeleted,
                        "reading a deleted record");
            Checked([&] { rs.Delete(); }, dao::errRecordDeleted, "deleting a record twice");
        }
        if (code == 'C') {
            rs.Close();
            Checked([&] { (void)rs.Eof(); }, dao::errObjectInvalid, "a closed record set");
            rs.Close(); // a second time does nothing
        }
        if (code == 'b') m_db.BeginTrans(), ++m_depth;
        if (code == 'k') End([&] { m_db.CommitTrans(); }, false);
        if (code == 'r') End([&] { m_db.Rollback(); }, true);
        if (code == 't' && m_transactions.size() < 4) {
            m_transactions.push_back(std::make_unique<dao::Transaction>(m_db));
            ++m_depth;
        }
        dao::Transaction* tx = m_transactions.empty() ? nullptr : m_transactions.back().get();
        if (code == 'T' && tx)
            tx->Active() ? End([&] { tx->Commit(); }, false)
                         : Checked([&] { tx->Commit(); }, dao::errNoTransaction,
                                   "Commit of an ended transaction");
        if (code == 'R' && tx) { // an ended transaction's Rollback does nothing
            tx->Active() ? End([&] { tx->Rollback(); }, true) : tx->Rollback();
            Require(!tx->Active(), "a transaction still active after its Rollback");
        }
        if (code == '~' && tx) Pop();
        if (code == 'D') LookUp(m_db, kNamedTables[Pick(arg, 5)], TextOf(Rest(arg)));
        // A name written through a record set is found by the look-up the windows use.
        if (code == 'L') {
            const char* table = kNamedTables[Pick(arg, 5)];
            const QString name = TextOf(Rest(arg));
            dao::Recordset added =
                m_db.OpenRecordset("SELECT * FROM " + QString(table) + " WHERE nr = 0");
            added.AddNew();
            const int nr = added.Fields(QStringLiteral("nr")).ToInt();
            added.Fields(QStringLiteral("name")) = name;
            added.Update();
            const std::vector<int> found = LookUp(m_db, table, dao::UCase(name));
            // Text that is not valid UTF-16 is not kept as it is written.
            Require(!name.isValidUtf16() ||
                        std::find(found.begin(), found.end(), nr) != found.end(),
                    "a name written is not found by its upper case", table + (": " + name));
        }
    }

    // After a move, a current record that reads in every field.
    static void CheckCurrent(dao::Recordset& rs, const char* move) {
        Require(!rs.Eof() && !rs.Bof(), "no current record", move);
        for (int i = 0; i < rs.FieldCount(); ++i)
            Checked([&] { (void)rs.Fields(i).Get(); }, -1, move);
    }

    static void ReadField(const std::optional<dao::Field>& field) {
        const dao::Value value = field->Get();
        (void)value.ToText(), (void)value.ToInt(), (void)value.ToBool(), (void)field->Name();
    }

    // Ends the innermost transaction by end; without one, end must fail with 3034. A
    // rollback counts as done even when the engine fails.
    template <class F> void End(F&& end, bool rollback) {
        if (m_depth == 0) return Checked(end, dao::errNoTransaction, "ending without transaction");
        if (rollback) --m_depth;
        end();
        if (!rollback) --m_depth;
    }

    void Pop() {
        const bool active = m_transactions.back()->Active();
        m_transactions.pop_back(); // rolls back what is still active
        if (active && m_depth > 0) --m_depth;
    }
};

void FuzzProgram(const std::vector<std::string_view>& ops) {
    static Store store;
    dao::Database& db = *store.db;
    OnFreshThread([&] { Program(db).Run(ops); });
    // What the input wrote is consistent, and then taken back.
    Checked(
        [&] {
            QByteArray check;
            db.ReadEngineRows("PRAGMA integrity_check", [&](const dao::EngineRow& row) {
                check += row.Utf8(0).toByteArray() + '\n';
            });
            Require(check == "ok\n", "the file is not consistent", QString::fromUtf8(check));
            Reset(db);
        },
        -1, "taking back the input");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (!input.empty() && input[0] == '=')
        FuzzTranslator(Lines(input.substr(1), 4));
    else
        FuzzProgram(Lines(input, 48));
    return 0;
}
