// Fuzz target of the store: the dialect translator and the record-set operations.
//
// An input starting with '=' is read as up to four statements, one a line, for
// dao::Translate alone. Any other input is a short program, one operation a line,
// run against a small encrypted database made once per process (see Run below for
// the operations). Every failure must be a dao::Error; anything else escaping, a
// crash, a sanitizer report or a broken invariant (reported through Require) is a
// finding.
//
// Each input runs on a thread of its own, so the translations kept per thread
// start empty and an input behaves the same whatever ran before it. The
// database is brought back to its first state after each input.

#include "dao/Dao.h"
#include "dao/Dialect.h"
#include "dao/Schema.h"
#include "dao/Text.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <pthread.h>
#include <string_view>
#include <vector>

namespace {

// ---------------------------------------------------------------- reporting

[[noreturn]] void Broken(const char* what, const QString& detail) {
    std::fprintf(stderr, "\nFUZZ INVARIANT BROKEN: %s\n  %s\n", what, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

void Require(bool ok, const char* what, const QString& detail = {}) {
    if (!ok) Broken(what, detail);
}

// A failure the store reports must carry a classic number and a description.
void CheckError(const dao::Error& e) {
    Require(e.Number() >= 3000 && e.Number() < 4000, "error number outside the classic range",
            QString::number(e.Number()) + QStringLiteral(" ") + e.Description());
    Require(!e.Description().isEmpty(), "error without description", QString::number(e.Number()));
}

// Runs f on a fresh thread and hands on whatever it throws. The thread gets a small
// stack: under the sanitizers a thread costs in proportion to its stack.
template <class F> void OnFreshThread(F&& f) {
    struct Call {
        F* f;
        std::exception_ptr thrown;
        static void* Run(void* self) {
            Call& call = *static_cast<Call*>(self);
            try {
                (*call.f)();
            } catch (...) {
                call.thrown = std::current_exception();
            }
            return nullptr;
        }
    } call{&f, nullptr};
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 2 << 20);
    pthread_t thread;
    const int started = pthread_create(&thread, &attr, &Call::Run, &call);
    pthread_attr_destroy(&attr);
    Require(started == 0, "no thread for the input");
    pthread_join(thread, nullptr);
    if (call.thrown) std::rethrow_exception(call.thrown);
}

// ---------------------------------------------------------------- input

// A piece of the input as text: UTF-8 (invalid bytes become replacement
// characters), or, behind a leading \x01, UTF-16 code units in little-endian
// byte pairs, so lone surrogates reach the store too.
QString TextOf(std::string_view bytes) {
    if (!bytes.empty() && bytes[0] == '\x01') {
        QString out;
        for (std::size_t i = 1; i + 1 < bytes.size(); i += 2)
            out += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                               static_cast<unsigned char>(bytes[i + 1]) << 8));
        return out;
    }
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
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

// ---------------------------------------------------------------- translator

struct Outcome {
    bool translated = false;
    int error = 0;
    dao::Translation translation;
};

Outcome TranslateOnce(const QString& statement, bool withRowId) {
    Outcome out;
    try {
        out.translation = dao::Translate(statement, withRowId);
        out.translated = true;
    } catch (const dao::Error& e) {
        CheckError(e);
        out.error = e.Number();
    }
    return out;
}

bool Same(const Outcome& a, const Outcome& b) {
    if (a.translated != b.translated || a.error != b.error) return false;
    if (!a.translated) return true;
    return a.translation.sql == b.translation.sql && a.translation.params == b.translation.params &&
           a.translation.updatableTable == b.translation.updatableTable;
}

QString Describe(const QString& statement, const Outcome& o) {
    if (!o.translated) return statement + QStringLiteral(" -> error ") + QString::number(o.error);
    QString params;
    for (const dao::Value& v : o.translation.params)
        params += QStringLiteral(" [") + v.ToText() + QStringLiteral("]");
    return statement + QStringLiteral(" -> ") + QString::fromUtf8(o.translation.sql) +
           QStringLiteral(" |") + params + QStringLiteral(" | table ") +
           o.translation.updatableTable;
}

// What holds for one translation by itself.
void CheckTranslation(const QString& statement, bool withRowId, const Outcome& o) {
    if (!o.translated) {
        Require(o.error == dao::errSyntax, "translation failed with a number other than 3075",
                Describe(statement, o));
        return;
    }
    const dao::Translation& t = o.translation;
    if (!withRowId)
        Require(t.updatableTable.isEmpty(), "a table to change without the row id",
                Describe(statement, o));
    // Without a ? of its own, every ? of the engine SQL is one parameter.
    if (!statement.contains(QLatin1Char('?')))
        Require(t.sql.count('?') == static_cast<qsizetype>(t.params.size()),
                "parameters and marks differ in number", Describe(statement, o));
}

// Statements translated one after another on one thread, so each may find the
// shape of one before it: the same translation as on its own, and again the same
// when translated a second time.
void FuzzTranslator(const std::vector<std::string_view>& lines) {
    std::vector<QString> statements;
    for (std::string_view line : lines)
        statements.push_back(TextOf(line));
    struct Seen {
        Outcome first;
        bool hit = false; // the first translation came from a shape kept before
    };
    std::vector<Seen> seen(statements.size() * 2);
    OnFreshThread([&] {
        for (std::size_t i = 0; i < statements.size(); ++i) {
            for (int rowId = 0; rowId < 2; ++rowId) {
                const int misses = dao::ShapeCache().misses;
                Seen& s = seen[i * 2 + static_cast<std::size_t>(rowId)];
                s.first = TranslateOnce(statements[i], rowId == 1);
                s.hit = dao::ShapeCache().misses == misses;
                CheckTranslation(statements[i], rowId == 1, s.first);
                const Outcome again = TranslateOnce(statements[i], rowId == 1);
                Require(Same(s.first, again), "a second translation differs",
                        Describe(statements[i], s.first) + QStringLiteral("\n  then ") +
                            Describe(statements[i], again));
            }
        }
    });
    for (std::size_t i = 0; i < statements.size(); ++i) {
        for (int rowId = 0; rowId < 2; ++rowId) {
            const Seen& s = seen[i * 2 + static_cast<std::size_t>(rowId)];
            if (!s.hit) continue;
            Outcome fresh;
            OnFreshThread([&] { fresh = TranslateOnce(statements[i], rowId == 1); });
            Require(Same(s.first, fresh),
                    "a translation from a kept shape differs from a fresh one",
                    Describe(statements[i], s.first) + QStringLiteral("\n  fresh ") +
                        Describe(statements[i], fresh));
        }
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
    if (!g_untrusted) return SQLITE_OK;
    switch (action) {
    case SQLITE_ATTACH:
    case SQLITE_DETACH:
    case SQLITE_PRAGMA:
    case SQLITE_TRANSACTION:
    case SQLITE_SAVEPOINT:
    case SQLITE_ALTER_TABLE:
    case SQLITE_ANALYZE:
    case SQLITE_REINDEX:
    case SQLITE_CREATE_INDEX:
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_TEMP_INDEX:
    case SQLITE_CREATE_TEMP_TABLE:
    case SQLITE_CREATE_TEMP_TRIGGER:
    case SQLITE_CREATE_TEMP_VIEW:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_CREATE_VIEW:
    case SQLITE_CREATE_VTABLE:
    case SQLITE_DROP_INDEX:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_TEMP_INDEX:
    case SQLITE_DROP_TEMP_TABLE:
    case SQLITE_DROP_TEMP_TRIGGER:
    case SQLITE_DROP_TEMP_VIEW:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_DROP_VIEW:
    case SQLITE_DROP_VTABLE:
        return SQLITE_DENY;
    default:
        return SQLITE_OK;
    }
}

int Progress(void*) {
    return g_untrusted && g_ticks.fetch_add(1) >= kTickBudget ? 1 : 0;
}

// Installed on every connection the engine opens in this process.
int Guard(sqlite3* db, const char**, const sqlite3_api_routines*) {
    sqlite3_set_authorizer(db, &Authorize, nullptr);
    sqlite3_progress_handler(db, kTickSteps, &Progress, nullptr);
    sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 1 << 20);
    return SQLITE_OK;
}

// While one statement of the input runs.
class Untrusted {
public:
    Untrusted() {
        g_ticks = 0;
        g_untrusted = true;
    }
    ~Untrusted() { g_untrusted = false; }
};

// Names with letters the look-ups treat apart: umlauts, ß, dotless and dotted i,
// ligatures, a long s.
const char kRows[] = R"(
INSERT INTO cocktailgruppen (name, beschreibung) VALUES ('Klassiker', 'Zeitlos'), ('Sours', NULL);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES
  ('Weißer Rum', 'hell', 1, 1), ('Äpfelsaft', NULL, 0, 1), ('Limette', 'grün', 0, 0),
  ('ıstanbul', NULL, 0, 0), ('İzmir', NULL, 1, 0), ('ﬀ-Likör', '', 1, 1), ('Straſſe', NULL, 0, 1),
  ('straße', NULL, 0, 0), ('STRASSE', NULL, 1, 1), ('Eis', NULL, 0, 0);
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

// Enough of every table to tell whether anything was kept: the count of its
// records, their row ids and the length of one text column.
struct Counted {
    const char* table;
    const char* text;
};
const Counted kCounted[] = {{"cocktails", "name"},
                            {"cocktailgruppen", "name"},
                            {"gruppenzugehörigkeit", "cocktail"},
                            {"zutaten", "name"},
                            {"zutatenliste", "menge"},
                            {"deko", "name"},
                            {"dekoliste", "beschreibung"},
                            {"zutatensetup", "name"},
                            {"zutatensetupvorrat", "zutat"}};

QByteArray Fingerprint(dao::Database& db) {
    QByteArray out;
    const auto collect = [&](const QByteArray& sql, int columns) {
        db.ReadEngineRows(sql, [&](const dao::EngineRow& row) {
            for (int i = 0; i < columns; ++i)
                out += row.Utf8(i).toByteArray() + '|';
        });
    };
    collect("PRAGMA schema_version", 1);
    collect("SELECT name, seq FROM sqlite_sequence ORDER BY name", 2);
    for (const Counted& c : kCounted)
        collect(QByteArray("SELECT count(*), total(_rowid_), total(length(quote(") + c.text +
                    "))) FROM \"" + c.table + "\"",
                3);
    return out;
}

struct Store {
    QTemporaryDir dir;
    std::shared_ptr<dao::Database> db;
    QByteArray pristine;

    Store() {
        sqlite3_auto_extension(reinterpret_cast<void (*)(void)>(&Guard));
        if (!dir.isValid()) Broken("no temporary folder", dir.errorString());
        try {
            db = dao::CreateWorkspace(QStringLiteral("Fuzz"), QStringLiteral("Admin"), {})
                     ->CreateDatabase(dir.filePath(QStringLiteral("Fuzz.mdb")),
                                      QStringLiteral(";pwd=x"));
            db->ExecuteScript(dao::SchemaScript());
            db->ExecuteScript(kRows);
            // Nothing an input does is kept: no need to wait for the disk.
            db->ExecuteScript("PRAGMA journal_mode = MEMORY; PRAGMA synchronous = OFF;");
            pristine = Fingerprint(*db);
            // The look-up tables are built on the first look-up by name; once, here.
            db->OpenRecordset(QStringLiteral("SELECT nr FROM zutaten WHERE ucase(name) = \"Ä\""));
        } catch (const dao::Error& e) {
            Broken("the fuzz database cannot be made", e.Description());
        }
    }
};

Store& TheStore() {
    static Store store;
    return store;
}

// ---------------------------------------------------------------- program

// Statements the windows write, with the input's value in place of %1: as a
// quoted text (upper-cased as the windows do for look-ups by name, or as it is)
// or as it is in the text, like a number.
enum class Fill { UpperQuoted, Quoted, Raw };
struct Shape {
    const char* text;
    Fill fill;
};
const Shape kOpenShapes[] = {
    {"SELECT * FROM cocktails WHERE ucase(name) = %1 ", Fill::UpperQuoted},
    {"SELECT nr FROM cocktailgruppen WHERE Ucase(name) = %1", Fill::UpperQuoted},
    {"SELECT * FROM zutaten WHERE Ucase(name) = %1", Fill::UpperQuoted},
    {"SELECT nr FROM zutaten WHERE ucase(name) = %1 ", Fill::UpperQuoted},
    {"SELECT * FROM deko WHERE Ucase(name) = %1", Fill::UpperQuoted},
    {"SELECT * FROM ZutatenSetup WHERE name = %1", Fill::Quoted},
    {"SELECT nr, name FROM zutatensetup WHERE name = %1", Fill::Quoted},
    {"SELECT name FROM zutaten WHERE nr = %1", Fill::Raw},
    {"SELECT * FROM zutaten a INNER JOIN zutatenliste b ON a.nr = b.zutat WHERE b.cocktail = %1",
     Fill::Raw},
    {"SELECT * FROM deko a INNER JOIN dekoliste b ON a.nr = b.deko WHERE b.cocktail = %1",
     Fill::Raw},
    {"SELECT * FROM zutatenliste WHERE cocktail = %1 AND zutat = 1", Fill::Raw},
    {"SELECT * FROM dekoliste WHERE cocktail = 2 AND deko = %1", Fill::Raw},
    {"SELECT * FROM gruppenzugehörigkeit WHERE gruppe = %1 AND cocktail = 1", Fill::Raw},
    {"SELECT * FROM zutatensetupvorrat WHERE setup = %1 ", Fill::Raw},
    {"SELECT b.name FROM zutatensetupvorrat a INNER JOIN zutaten b ON a.zutat = b.nr WHERE "
     "a.setup = %1 ORDER BY b.name ",
     Fill::Raw},
    {"SELECT name FROM zutaten ORDER BY name", Fill::Raw},
    {"SELECT name FROM cocktailgruppen ORDER BY nr", Fill::Raw},
    {"SELECT count(*) FROM zutaten WHERE name < %1", Fill::Quoted},
    {"SELECT * FROM cocktails ORDER BY name, %1", Fill::Raw},
    {"SELECT * FROM zutaten WHERE name LIKE %1 ORDER BY beschreibung DESC", Fill::Quoted},
};
const Shape kExecuteShapes[] = {
    {"DELETE FROM zutaten WHERE nr = %1", Fill::Raw},
    {"DELETE FROM zutatenliste WHERE cocktail = %1", Fill::Raw},
    {"UPDATE zutaten SET name = %1 WHERE nr = 2", Fill::Quoted},
    {"UPDATE cocktails SET beschreibung = %1 WHERE ucase(name) = \"MOJITO\"", Fill::Quoted},
    {"INSERT INTO deko (name) VALUES (%1)", Fill::Quoted},
    {"INSERT INTO zutatensetupvorrat (setup, zutat) VALUES (1, %1)", Fill::Raw},
    {"DELETE FROM deko WHERE ucase(name) = %1", Fill::UpperQuoted},
};

template <std::size_t N> QString Statement(const Shape (&shapes)[N], std::string_view arg) {
    const Shape& shape = shapes[arg.empty() ? 0 : static_cast<unsigned char>(arg[0]) % N];
    const QString value = TextOf(arg.empty() ? arg : arg.substr(1));
    QString filled;
    switch (shape.fill) {
    case Fill::UpperQuoted:
        filled = dao::Quoted(dao::UCase(value));
        break;
    case Fill::Quoted:
        filled = dao::Quoted(value);
        break;
    case Fill::Raw:
        filled = value;
        break;
    }
    return QString::fromUtf8(shape.text).replace(QStringLiteral("%1"), filled);
}

// A value to write into a field: N Null, B yes/no, I whole number, D number, else text.
dao::Value ValueOf(std::string_view arg) {
    if (arg.empty()) return dao::Value();
    const QString rest = TextOf(arg.substr(1));
    switch (arg[0]) {
    case 'N':
        return dao::Value();
    case 'B':
        return dao::Value(!rest.isEmpty());
    case 'I':
        return dao::Value(rest.toInt());
    case 'D':
        return dao::Value(rest.toDouble());
    default:
        return dao::Value(rest);
    }
}

const char* const kNamedTables[] = {"cocktails", "cocktailgruppen", "zutaten", "deko",
                                    "zutatensetup"};

// The numbers of the records a statement finds, in order.
std::vector<int> Numbers(dao::Database& db, const QString& statement) {
    std::vector<int> out;
    dao::Recordset rs = db.OpenRecordset(statement);
    while (!rs.Eof()) {
        out.push_back(rs.Fields(0).ToInt());
        rs.MoveNext();
    }
    return out;
}

// A look-up by name through the name indexes finds the same records as the same
// comparison written the other way round, which reads every name.
std::vector<int> LookUp(dao::Database& db, const char* table, const QString& value) {
    const QString quoted = dao::Quoted(value);
    const QString from = QStringLiteral("SELECT nr FROM ") + QString::fromUtf8(table);
    const std::vector<int> indexed =
        Numbers(db, from + QStringLiteral(" WHERE ucase(name) = ") + quoted + QStringLiteral(" "));
    const std::vector<int> scanned =
        Numbers(db, from + QStringLiteral(" WHERE ") + quoted + QStringLiteral(" = ucase(name)"));
    Require(indexed == scanned, "a look-up by name differs from reading every name",
            QString::fromUtf8(table) + QStringLiteral(": ") + quoted);
    return indexed;
}

class Program {
public:
    explicit Program(dao::Database& db) : m_db(db) {}

    // Whether the input ran anything that writes records.
    bool Wrote() const { return m_wrote; }

    void Run(const std::vector<std::string_view>& ops) {
        for (std::string_view op : ops) {
            if (op.empty()) continue;
            if (std::string_view("xXudL").find(op[0]) != std::string_view::npos) m_wrote = true;
            try {
                Step(op[0], op.substr(1));
            } catch (const dao::Error& e) {
                CheckError(e);
            }
            Require(m_db.TransactionDepth() == m_depth, "transaction depth differs from the count",
                    QString::number(m_db.TransactionDepth()) + QStringLiteral(" != ") +
                        QString::number(m_depth));
        }
        // Whatever the input left open is taken back; the depth ends at 0.
        while (!m_transactions.empty())
            Pop();
        while (m_depth > 0) {
            try {
                m_db.Rollback();
            } catch (const dao::Error& e) {
                CheckError(e);
            }
            --m_depth;
        }
        Require(m_db.TransactionDepth() == 0, "transaction depth not 0 after rolling back",
                QString::number(m_db.TransactionDepth()));
    }

private:
    dao::Recordset& Rs() { return m_rs[m_slot]; }

    void Step(char code, std::string_view arg) {
        switch (code) {
        case '#':
            m_slot = arg.empty() ? 0 : static_cast<unsigned char>(arg[0]) % 4;
            break;
        case 'o':
            Open(TextOf(arg));
            break;
        case 'O':
            Open(Statement(kOpenShapes, arg));
            break;
        case 'x':
            Execute(TextOf(arg));
            break;
        case 'X':
            Execute(Statement(kExecuteShapes, arg));
            break;
        case 'v':
            Rs() = m_rs[arg.empty() ? 0 : static_cast<unsigned char>(arg[0]) % 4];
            break;
        case 'f':
            Rs().MoveFirst();
            CheckCurrent("MoveFirst");
            break;
        case 'l':
            Rs().MoveLast();
            CheckCurrent("MoveLast");
            break;
        case 'n':
            Rs().MoveNext();
            if (!Rs().Eof()) CheckCurrent("MoveNext");
            break;
        case 'p':
            Rs().MovePrevious();
            if (!Rs().Bof()) CheckCurrent("MovePrevious");
            break;
        case 'g': {
            const int position = arg.empty() ? 0 : static_cast<signed char>(arg[0]);
            m_field = Rs().Fields(position);
            ReadField(*m_field);
            break;
        }
        case 'G':
            m_field = Rs().Fields(TextOf(arg));
            ReadField(*m_field);
            break;
        case 'h': // the field taken last, whatever happened to its record set since
            if (m_field) {
                if (arg.empty())
                    ReadField(*m_field);
                else
                    m_field->Set(ValueOf(arg));
            }
            break;
        case 's': {
            const int position = arg.empty() ? 0 : static_cast<signed char>(arg[0]);
            Rs().Fields(position).Set(ValueOf(arg.empty() ? arg : arg.substr(1)));
            break;
        }
        case 'S': {
            const std::size_t eq = arg.find('=');
            Rs().Fields(TextOf(arg.substr(0, eq)))
                .Set(ValueOf(eq == std::string_view::npos ? std::string_view()
                                                          : arg.substr(eq + 1)));
            break;
        }
        case 'a':
            Rs().AddNew();
            break;
        case 'u':
            Rs().Update();
            break;
        case 'c':
            Rs().CancelUpdate();
            break;
        case 'd':
            Delete();
            break;
        case 'C':
            Close();
            break;
        case 'b':
            m_db.BeginTrans();
            ++m_depth;
            break;
        case 'k':
            Commit([&] { m_db.CommitTrans(); });
            break;
        case 'r':
            Rollback([&] { m_db.Rollback(); });
            break;
        case 't':
            if (m_transactions.size() < 4) {
                m_transactions.push_back(std::make_unique<dao::Transaction>(m_db));
                ++m_depth;
            }
            break;
        case 'T':
            if (!m_transactions.empty()) {
                dao::Transaction& tx = *m_transactions.back();
                if (!tx.Active()) {
                    RequireNumber([&] { tx.Commit(); }, dao::errNoTransaction,
                                  "Commit of an ended transaction");
                } else {
                    Commit([&] { tx.Commit(); });
                }
            }
            break;
        case 'R':
            if (!m_transactions.empty()) {
                dao::Transaction& tx = *m_transactions.back();
                if (tx.Active())
                    Rollback([&] { tx.Rollback(); });
                else
                    tx.Rollback(); // does nothing
                Require(!tx.Active(), "a transaction still active after its Rollback");
            }
            break;
        case '~':
            if (!m_transactions.empty()) Pop();
            break;
        case 'L':
            InsertAndLookUp(arg);
            break;
        case 'D': {
            const char* table =
                kNamedTables[arg.empty() ? 0 : static_cast<unsigned char>(arg[0]) % 5];
            LookUp(m_db, table, TextOf(arg.empty() ? arg : arg.substr(1)));
            break;
        }
        default:
            break;
        }
    }

    void Open(const QString& statement) {
        {
            const Untrusted untrusted;
            Rs() = m_db.OpenRecordset(statement);
        }
        dao::Recordset& rs = Rs();
        const int rows = rs.RecordCount();
        Require(rows >= 0 && rs.FieldCount() >= 0, "negative count", statement);
        if (rows == 0) {
            Require(rs.Eof() && rs.Bof(), "an empty record set not at its end", statement);
        } else {
            Require(!rs.Eof() && !rs.Bof(), "a record set not at its first record", statement);
            CheckCurrent("OpenRecordset");
        }
        // Every field is found by its name, the first of that name.
        for (int i = 0; i < rs.FieldCount(); ++i) {
            const QString name = rs.Fields(i).Name();
            Require(rs.Fields(name).Name().compare(name, Qt::CaseInsensitive) == 0,
                    "a field not found by its name", statement + QStringLiteral(": ") + name);
        }
    }

    void Execute(const QString& statement) {
        const Untrusted untrusted;
        m_db.Execute(statement);
    }

    // The current record reads in every field.
    void CheckCurrent(const char* after) {
        dao::Recordset& rs = Rs();
        Require(!rs.Eof() && !rs.Bof(), "no current record", QString::fromUtf8(after));
        for (int i = 0; i < rs.FieldCount(); ++i) {
            try {
                (void)rs.Fields(i).Get();
            } catch (const dao::Error& e) {
                Broken("a field of the current record does not read",
                       QString::fromUtf8(after) + QStringLiteral(": ") + e.Description());
            }
        }
    }

    static void ReadField(const dao::Field& field) {
        const dao::Value value = field.Get();
        (void)value.ToText();
        (void)value.ToInt();
        (void)value.ToBool();
        (void)field.Name();
    }

    void Delete() {
        dao::Recordset& rs = Rs();
        rs.Delete();
        if (rs.FieldCount() > 0)
            RequireNumber([&] { (void)rs.Fields(0).Get(); }, dao::errRecordDeleted,
                          "reading a deleted record");
        RequireNumber([&] { rs.Delete(); }, dao::errRecordDeleted, "deleting a record twice");
    }

    void Close() {
        dao::Recordset& rs = Rs();
        rs.Close();
        RequireNumber([&] { (void)rs.Eof(); }, dao::errObjectInvalid, "a closed record set");
        rs.Close(); // a second time does nothing
    }

    template <class F> void Commit(F&& commit) {
        if (m_depth == 0) {
            RequireNumber(commit, dao::errNoTransaction, "Commit without transaction");
            return;
        }
        commit();
        --m_depth;
    }

    template <class F> void Rollback(F&& rollback) {
        if (m_depth == 0) {
            RequireNumber(rollback, dao::errNoTransaction, "Rollback without transaction");
            return;
        }
        --m_depth; // taken back even when the engine fails
        rollback();
    }

    void Pop() {
        const bool active = m_transactions.back()->Active();
        m_transactions.pop_back(); // rolls back what is still active
        if (active && m_depth > 0) --m_depth;
    }

    template <class F> static void RequireNumber(F&& f, int number, const char* what) {
        try {
            f();
        } catch (const dao::Error& e) {
            Require(e.Number() == number, what,
                    QStringLiteral("error %1 instead of %2: ").arg(e.Number()).arg(number) +
                        e.Description());
            return;
        }
        Broken(what, QStringLiteral("no error %1").arg(number));
    }

    // A name written through a record set is found by the look-up the windows use.
    void InsertAndLookUp(std::string_view arg) {
        const char* table = kNamedTables[arg.empty() ? 0 : static_cast<unsigned char>(arg[0]) % 5];
        const QString name = TextOf(arg.empty() ? arg : arg.substr(1));
        dao::Recordset rs =
            m_db.OpenRecordset(QStringLiteral("SELECT * FROM ") + QString::fromUtf8(table) +
                               QStringLiteral(" WHERE nr = 0"));
        rs.AddNew();
        const int nr = rs.Fields(QStringLiteral("nr")).ToInt();
        rs.Fields(QStringLiteral("name")) = name;
        rs.Update();
        const std::vector<int> found = LookUp(m_db, table, dao::UCase(name));
        // Text that is not valid UTF-16 is not kept as it is written.
        if (name.isValidUtf16())
            Require(std::find(found.begin(), found.end(), nr) != found.end(),
                    "a name written is not found by its upper case",
                    QString::fromUtf8(table) + QStringLiteral(": ") + name);
    }

    dao::Database& m_db;
    dao::Recordset m_rs[4];
    std::size_t m_slot = 0;
    std::optional<dao::Field> m_field;
    std::vector<std::unique_ptr<dao::Transaction>> m_transactions;
    int m_depth = 0; // the transactions begun and not ended, as counted here
    bool m_wrote = false;
};

void FuzzProgram(const std::vector<std::string_view>& ops) {
    Store& store = TheStore();
    dao::Database& db = *store.db;
    try {
        db.ExecuteScript("SAVEPOINT fuzz_input");
    } catch (const dao::Error& e) {
        Broken("the input's savepoint", e.Description());
    }
    bool wrote = false;
    OnFreshThread([&] {
        Program program(db);
        program.Run(ops);
        wrote = program.Wrote();
    });
    try {
        // What the input wrote is consistent, and then taken back whole.
        if (wrote) {
            QByteArray check;
            db.ReadEngineRows("PRAGMA integrity_check", [&](const dao::EngineRow& row) {
                check += row.Utf8(0).toByteArray() + '\n';
            });
            Require(check == "ok\n", "the file is not consistent", QString::fromUtf8(check));
        }
        db.ExecuteScript("ROLLBACK TO fuzz_input; RELEASE fuzz_input;");
        if (wrote) {
            const QByteArray now = Fingerprint(db);
            Require(now == store.pristine, "the file differs after taking the input back",
                    QString::fromUtf8(now) + QStringLiteral("\n  instead of\n  ") +
                        QString::fromUtf8(store.pristine));
        }
    } catch (const dao::Error& e) {
        Broken("taking the input back", e.Description());
    }
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
