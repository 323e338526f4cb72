#include "dao/Connection.h"

#include "dao/Dao.h"

#include "dao/KeyDerivation.h"
#include "dao/Schema.h"
#include "dao/Text.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <sqlite3.h>

#include <atomic>
#include <limits>

namespace dao {

namespace {

constexpr int kBusyWaitMs = 3000;   // wait this long on another process's lock
constexpr int kBusyStepMs = 5;      // between two tries
constexpr int kBusyMostMs = 120000; // the longest wait, also for this program's own reading
// The program's own long readings under way (LongRead).
std::atomic<int> g_longReads{0};
// Pages kept decrypted in memory, in KiB: the indexes a large catalogue is read through (its
// lines and names) stay read between one look and the next.
constexpr int kPageCacheKiB = 8192;
constexpr std::size_t kCacheLimit = 256; // prepared statements kept for reuse

// ucase(text): the program's own upper-casing. Plain ASCII is done in place;
// anything else goes through the full Unicode mapping.
void UCaseFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int n = sqlite3_value_bytes(argv[0]);
    bool ascii = true;
    for (int i = 0; i < n && ascii; ++i)
        ascii = static_cast<unsigned char>(text[i]) < 0x80;
    if (ascii) {
        std::string upper(text, static_cast<std::size_t>(n));
        for (char& c : upper)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
        sqlite3_result_text(ctx, upper.data(), n, SQLITE_TRANSIENT);
        return;
    }
    const QByteArray upper = UCase(QString::fromUtf8(text, n)).toUtf8();
    sqlite3_result_text(ctx, upper.constData(), static_cast<int>(upper.size()), SQLITE_TRANSIENT);
}

int GermanCollation(void*, int aLen, const void* a, int bLen, const void* b) {
    return CompareGerman(static_cast<const char*>(a), static_cast<std::size_t>(aLen),
                         static_cast<const char*>(b), static_cast<std::size_t>(bLen));
}

constexpr qint64 kCipherPageSize = 1024; // the page size of every encrypted file we open

// What can be told about an encrypted database before the key is tried: it is
// made of whole pages, and its first page neither starts with the plain
// engine's header nor reads as text. A file failing that is damaged or not one
// of ours, whatever the password.
// Gives the file's salt, its first 16 bytes.
QByteArray CheckEncryptedFile(const QString& path, qint64 size) {
    if (size < kCipherPageSize || size % kCipherPageSize != 0)
        throw Error(errDamagedFile,
                    QStringLiteral("Die Datei '%1' ist beschädigt: Sie ist unvollständig "
                                   "(%2 Bytes) und keine vollständige Datenbank des Programms.")
                        .arg(path)
                        .arg(size));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(errCannotOpenFile,
                    QStringLiteral("Die Datei '%1' kann nicht gelesen werden.").arg(path));
    const QByteArray page = file.read(kCipherPageSize);
    if (page.startsWith(QByteArray("SQLite format 3\0", 16)))
        throw Error(errDamagedFile,
                    QStringLiteral("Die Datei '%1' ist eine unverschlüsselte Datenbank und keine "
                                   "Datenbank des Programms.")
                        .arg(path));
    bool text = true;
    for (const char ch : page) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') {
            text = false;
            break;
        }
    }
    if (text) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        (void)utf8.decode(page);
        text = !utf8.hasError();
    }
    if (text)
        throw Error(errDamagedFile,
                    QStringLiteral("Die Datei '%1' enthält Text und ist keine Datenbank des "
                                   "Programms.")
                        .arg(path));
    return page.left(16);
}

} // namespace

int TableInfo::IndexOf(const QString& column) const {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(column, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

Connection::Connection(const QString& path, const QString& password, bool readOnly, bool exclusive,
                       bool create) {
    const QFileInfo info(path);
    QByteArray salt;
    if (create) {
        if (info.exists())
            throw Error(errDatabaseExists,
                        QStringLiteral("Die Datenbank '%1' existiert bereits.").arg(path));
    } else {
        if (!info.exists())
            throw Error(errFileNotFound,
                        QStringLiteral("Die Datei '%1' wurde nicht gefunden.").arg(path));
        if (!info.isFile())
            throw Error(errCannotOpenFile,
                        QStringLiteral("Die Datei '%1' kann nicht geöffnet werden.").arg(path));
        if (info.size() == 0)
            throw Error(errDamagedFile,
                        QStringLiteral("Die Datei '%1' ist leer oder beschädigt; sie ist keine "
                                       "Datenbank des Programms.")
                            .arg(path));
        if (!password.isEmpty()) salt = CheckEncryptedFile(path, info.size());
    }

    // One connection is used by one thread only: no locking inside the engine.
    int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    if (create) flags |= SQLITE_OPEN_CREATE;
    sqlite3* opened = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &opened, flags, nullptr);
    m_db.reset(opened); // closed by the handle on every way out
    if (rc != SQLITE_OK) {
        const QString engine = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db.get())) : QString();
        throw Error(
            errCannotOpenFile,
            QStringLiteral("Die Datei '%1' kann nicht geöffnet werden (%2).").arg(path, engine));
    }
    sqlite3* db = m_db.get();
    if (!password.isEmpty()) {
        QByteArray key = password.toUtf8();
        // An existing file's key is derived here, twice as fast as the engine would, and given
        // to it whole; a new file gets its salt from the engine.
        if (!salt.isEmpty()) key = "x'" + DeriveKey(key, salt).toHex() + "'";
        if (sqlite3_key(db, key.constData(), static_cast<int>(key.size())) != SQLITE_OK)
            Fail(sqlite3_errcode(db));
        // Newer engines read files of this format only in compatibility mode.
        Exec("PRAGMA cipher_compatibility = 3");
    }
    sqlite3_busy_handler(db, &Connection::Busy, this);
    sqlite3_extended_result_codes(db, 1);
    sqlite3_update_hook(db, &Connection::RowChanged, this);
    sqlite3_create_function(db, "ucase", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            &UCaseFunction, nullptr, nullptr);
    sqlite3_create_collation(db, "deutsch", SQLITE_UTF8, nullptr, &GermanCollation);
    sqlite3_create_function(db, "velkor_notiert", 2, SQLITE_UTF8, this, &Connection::Noted, nullptr,
                            nullptr);
    // A transaction taken back by the engine or by a ROLLBACK of any kind of text.
    sqlite3_rollback_hook(
        db, [](void* self) { static_cast<Connection*>(self)->WatchesLost(); }, this);

    // The first read tells whether the password fits.
    char* message = nullptr;
    const int check =
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &message);
    sqlite3_free(message);
    if ((check & 0xff) == SQLITE_NOTADB)
        // The cipher cannot tell a wrong key from pages damaged beyond reading.
        throw Error(errWrongPassword,
                    QStringLiteral("Kennwort falsch oder Datei beschädigt: Die Datei '%1' "
                                   "lässt sich mit dem Kennwort des Programms nicht lesen.")
                        .arg(path));
    if ((check & 0xff) == SQLITE_BUSY || (check & 0xff) == SQLITE_LOCKED)
        throw Error(
            errCannotOpenFile,
            QStringLiteral("Die Datei '%1' ist von einem anderen Programm gesperrt.").arg(path));
    if (check != SQLITE_OK) Fail(check);
    if (!create) UpgradeSchema(*this, path, readOnly);
    if (!readOnly && !create) CheckWritable(path);
    Exec("PRAGMA cache_size = -" + QByteArray::number(kPageCacheKiB));
    if (exclusive) Exec("PRAGMA locking_mode = EXCLUSIVE");
}

// A file opened for writing must take writes: the engine opens a write-protected file for
// reading without a word, and a write-protected folder fails only at the first write, which
// needs the journal beside the file. A transaction that changes one page and is taken back
// tries both; a lock held by another program is waited for as long as for any write.
void Connection::CheckWritable(const QString& path) {
    if (sqlite3_db_readonly(m_db.get(), "main") == 1)
        throw Error(errCannotOpenFile,
                    QStringLiteral("Die Datei '%1' ist schreibgeschützt und kann nicht zum "
                                   "Schreiben geöffnet werden.")
                        .arg(path));
    qint64 version = 0;
    {
        const auto run = Prepare("PRAGMA user_version", {});
        if (run->Step()) version = sqlite3_column_int64(run->Get(), 0);
    }
    int rc = sqlite3_exec(m_db.get(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_exec(m_db.get(),
                          ("PRAGMA user_version = " + QByteArray::number(version)).constData(),
                          nullptr, nullptr, nullptr);
        sqlite3_exec(m_db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
    if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED)
        throw Error(
            errCannotOpenFile,
            QStringLiteral("Die Datei '%1' ist von einem anderen Programm gesperrt.").arg(path));
    if (rc != SQLITE_OK)
        throw Error(errCannotOpenFile,
                    QStringLiteral("In die Datei '%1' kann nicht geschrieben werden: Sie oder ihr "
                                   "Ordner ist schreibgeschützt (%2).")
                        .arg(path, QString::fromUtf8(sqlite3_errstr(rc))));
}

Connection::~Connection() = default;

void Connection::Close::operator()(sqlite3* db) const {
    sqlite3_close(db);
}
void Connection::Finalize::operator()(sqlite3_stmt* stmt) const {
    sqlite3_finalize(stmt);
}

void Connection::RefuseWhenLost() const {
    if (m_lost)
        throw Error(errNoTransaction,
                    QStringLiteral("Nach einem Fehler der Datei wurde alles zurückgenommen, was "
                                   "seit dem Beginn des Speicherns geschrieben wurde; es wurde "
                                   "nichts davon gespeichert."));
}

namespace {

void BindValue(sqlite3_stmt* stmt, int index, const Value& value) {
    struct Visitor {
        sqlite3_stmt* stmt;
        int index;
        void operator()(std::monostate) const { sqlite3_bind_null(stmt, index); }
        void operator()(bool b) const { sqlite3_bind_int(stmt, index, b ? 1 : 0); }
        void operator()(std::int32_t i) const { sqlite3_bind_int(stmt, index, i); }
        void operator()(double d) const { sqlite3_bind_double(stmt, index, d); }
        void operator()(const QString& s) const {
            const QByteArray utf8 = s.toUtf8();
            sqlite3_bind_text(stmt, index, utf8.constData(), static_cast<int>(utf8.size()),
                              SQLITE_TRANSIENT);
        }
    };
    std::visit(Visitor{stmt, index}, value.Raw());
}

} // namespace

std::unique_ptr<Statement> Connection::Prepare(const QByteArray& sql,
                                               const std::vector<Value>& params) {
    RefuseWhenLost();
    StatementHandle stmt;
    const std::string key(sql.constData(), static_cast<std::size_t>(sql.size()));
    auto found = m_cache.find(key);
    if (found != m_cache.end()) {
        // Taken out while in use, so a nested use of the same text prepares its own.
        stmt = std::move(found->second);
        m_cache.erase(found);
        ++m_reused;
    } else {
        sqlite3_stmt* prepared = nullptr;
        const int rc = sqlite3_prepare_v2(m_db.get(), sql.constData(), static_cast<int>(sql.size()),
                                          &prepared, nullptr);
        stmt.reset(prepared);
        if (rc != SQLITE_OK) Fail(rc, sql);
        // Text without a statement (only spaces, comments, or anything behind a NUL) prepares
        // to nothing, and there is nothing to run or to lend out.
        if (!prepared)
            throw Error(errSyntax, QStringLiteral("Syntaxfehler in der Abfrage: Die Abfrage ist "
                                                  "leer."));
        ++m_prepared;
    }
    if (sqlite3_bind_parameter_count(stmt.get()) != static_cast<int>(params.size()))
        throw Error(errSyntax, QStringLiteral("Syntaxfehler in der Abfrage: %1")
                                   .arg(QString::fromUtf8(sql).trimmed()));
    for (std::size_t i = 0; i < params.size(); ++i)
        BindValue(stmt.get(), static_cast<int>(i) + 1, params[i]);
    return std::make_unique<Statement>(*this, stmt.release(), sql);
}

void Connection::Release(sqlite3_stmt* raw) {
    StatementHandle stmt(raw);
    sqlite3_reset(raw);
    sqlite3_clear_bindings(raw);
    std::string key(sqlite3_sql(raw));
    if (m_cache.size() < kCacheLimit && !m_cache.count(key))
        m_cache.emplace(std::move(key), std::move(stmt));
}

Statement::~Statement() {
    m_connection->Release(m_stmt);
}

bool Statement::Step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    m_connection->Fail(rc, m_sql); // read before the statement is reset
}

void Connection::RowChanged(void* self, int, const char*, const char* table, sqlite3_int64) {
    auto* connection = static_cast<Connection*>(self);
    ++connection->m_rowsSeen;
    ++connection->m_rowsByTable[table];
}

void Connection::Noted(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto* connection = static_cast<Connection*>(sqlite3_user_data(ctx));
    const auto id = static_cast<std::size_t>(sqlite3_value_int64(argv[0]));
    if (id >= connection->m_watches.size()) return;
    WatchLog& log = connection->m_watches[id];
    ++log.count;
    if (sqlite3_value_type(argv[1]) == SQLITE_INTEGER) {
        log.values.push_back(sqlite3_value_int64(argv[1]));
    } else {
        log.values.push_back(0); // keeps its place
        log.unusable = log.count;
    }
    // A program that changes many records in one run keeps only the last ones; a reader that
    // is further behind reads everything again.
    constexpr std::size_t kKept = 1 << 16;
    if (log.values.size() > kKept) {
        log.values.erase(log.values.begin(), log.values.begin() + kKept / 2);
        log.first += kKept / 2;
    }
}

void Connection::RolledBack() {
    ++m_rollbacks;
    WatchesLost();
}

void Connection::WatchesLost() {
    // A transaction taken back undoes changes without a note, and may take the triggers it
    // made with it.
    for (WatchLog& log : m_watches)
        log.Lost();
}

void Connection::Watch(const std::string& table, const std::string& column) {
    const std::string name = table + "." + column;
    auto found = m_watchByName.find(name);
    const bool neu = found == m_watchByName.end();
    if (neu) {
        found = m_watchByName.emplace(name, m_watches.size()).first;
        m_watches.emplace_back();
    }
    const QByteArray id = QByteArray::number(static_cast<qulonglong>(found->second));
    const QByteArray t = QuoteIdentifier(QString::fromStdString(table)).toUtf8();
    const QByteArray c = QuoteIdentifier(QString::fromStdString(column)).toUtf8();
    // Watched already, by triggers still on the table: the notes go on (another reader may be
    // reading them). Otherwise changes may have gone unnoted.
    if (!neu) {
        const auto run = Prepare("SELECT count(*) FROM sqlite_temp_master WHERE type = "
                                 "'trigger' AND name GLOB 'velkor_" +
                                     id + "_*' AND tbl_name = ? COLLATE NOCASE",
                                 {Value(QString::fromStdString(table))});
        if (run->Step() && sqlite3_column_int(run->Get(), 0) == 3) return;
    }
    QByteArray sql;
    for (const auto& [when, values] :
         {std::pair<QByteArray, QByteArray>{"INSERT", "new." + c},
          {"UPDATE", "old." + c + "), velkor_notiert(" + id + ", new." + c},
          {"DELETE", "old." + c}}) {
        const QByteArray trigger = "\"velkor_" + id + "_" + when + "\"";
        sql += "DROP TRIGGER IF EXISTS temp." + trigger + "; CREATE TEMP TRIGGER " + trigger +
               " AFTER " + when + " ON main." + t + " BEGIN SELECT velkor_notiert(" + id + ", " +
               values + "); END; ";
    }
    Exec(sql);
    // Changes may have gone unnoted while there were no triggers.
    m_watches[found->second].Lost();
}

qint64 Connection::WatchPosition(const std::string& table, const std::string& column) const {
    const auto found = m_watchByName.find(table + "." + column);
    return found == m_watchByName.end() ? 0 : m_watches[found->second].count;
}

std::optional<std::vector<qint64>>
Connection::Watched(const std::string& table, const std::string& column, qint64 since) const {
    const auto found = m_watchByName.find(table + "." + column);
    if (found == m_watchByName.end()) return std::nullopt;
    const WatchLog& log = m_watches[found->second];
    if (since < log.unusable || since < log.first || since > log.count) return std::nullopt;
    const auto from = static_cast<std::size_t>(since - log.first);
    return std::vector<qint64>(log.values.begin() + static_cast<std::ptrdiff_t>(from),
                               log.values.end());
}

qint64 Connection::Untold() const {
    return sqlite3_total_changes(m_db.get()) - m_rowsSeen;
}

qint64 Connection::Changes(const std::vector<std::string>& tables) const {
    qint64 changes = 0;
    for (const std::string& table : tables)
        if (const auto it = m_rowsByTable.find(table); it != m_rowsByTable.end())
            changes += it->second;
    // Rows the engine changed without telling each one (emptying a whole table) may be in any.
    return changes + (sqlite3_total_changes(m_db.get()) - m_rowsSeen) + m_rollbacks;
}

void Connection::Exec(const QByteArray& sql) {
    RefuseWhenLost();
    char* message = nullptr;
    const int rc = sqlite3_exec(m_db.get(), sql.constData(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK) Fail(rc, sql);
}

const TableInfo& Connection::Table(const QString& name) {
    const std::string key = name.toLower().toStdString();
    auto found = m_tables.find(key);
    if (found != m_tables.end()) return *found->second;

    auto info = std::make_unique<TableInfo>();
    info->name = name.toLower();
    const QByteArray sql = "PRAGMA table_info(" + QuoteIdentifier(info->name).toUtf8() + ")";
    const auto stmt = Prepare(sql, {});
    while (stmt->Step()) {
        sqlite3_stmt* row = stmt->Get();
        ColumnInfo column;
        column.name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(row, 1)));
        const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(row, 2));
        column.yesNo = IsYesNoType(type);
        column.counter = sqlite3_column_int(row, 5) == 1 && qstricmp(type, "INTEGER") == 0;
        if (column.counter) info->counterColumn = static_cast<int>(info->columns.size());
        info->columns.push_back(column);
    }
    if (info->columns.empty())
        throw Error(errTableNotFound,
                    QStringLiteral("Die Tabelle '%1' wurde nicht gefunden.").arg(name));
    return *m_tables.emplace(key, std::move(info)).first->second;
}

Value ReadColumn(sqlite3_stmt* stmt, int i, ColumnRead how) {
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER: {
        const sqlite3_int64 v = sqlite3_column_int64(stmt, i);
        if (how == ColumnRead::YesNo) return Value(v != 0);
        if (v >= std::numeric_limits<std::int32_t>::min() &&
            v <= std::numeric_limits<std::int32_t>::max())
            return Value(static_cast<int>(v));
        return Value(static_cast<double>(v));
    }
    case SQLITE_FLOAT: {
        const double d = sqlite3_column_double(stmt, i);
        if (how == ColumnRead::YesNo) return Value(d != 0);
        return Value(d);
    }
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        return Value(QString::fromUtf8(text, sqlite3_column_bytes(stmt, i)));
    }
    }
}

bool IsYesNoType(const char* declared) {
    return declared && (qstricmp(declared, "BOOLEAN") == 0 || qstricmp(declared, "YESNO") == 0 ||
                        qstricmp(declared, "BIT") == 0);
}

LongRead::LongRead() {
    ++g_longReads;
}

LongRead::~LongRead() {
    --g_longReads;
}

void Connection::SetCancel(std::function<bool()> cancelled) {
    m_cancel = std::move(cancelled);
    if (m_cancel)
        sqlite3_progress_handler(
            m_db.get(), 1000,
            [](void* self) { return static_cast<Connection*>(self)->m_cancel() ? 1 : 0; }, this);
    else
        sqlite3_progress_handler(m_db.get(), 0, nullptr, nullptr);
}

int Connection::Busy(void* self, int count) {
    Connection& c = *static_cast<Connection*>(self);
    // The usual wait counts from the end of this program's own long reading: that one is
    // waited for however long it reads (but not for ever, and not once cancelled).
    if (count == 0 || g_longReads.load() > 0) c.m_busySeen = count;
    if ((count - c.m_busySeen) * kBusyStepMs >= kBusyWaitMs || count * kBusyStepMs >= kBusyMostMs ||
        (c.m_cancel && c.m_cancel()))
        return 0;
    sqlite3_sleep(kBusyStepMs);
    return 1;
}

} // namespace dao
