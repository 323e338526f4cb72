#pragma once
// The store in the shape of the classic data access objects: a workspace opens
// the database file; the database opens record sets from statement text; a
// record set walks its rows, reads and writes fields, adds and deletes records.
// Every failure throws dao::Error with its classic number.

#include "dao/Error.h"
#include "dao/Value.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3_stmt;

namespace dao {

class Connection;      // the engine connection behind a database
struct RecordsetState; // rows, cursor and edit buffer of a record set

// One field of the current record (or of the record being added).
class Field {
public:
    dao::Value Get() const;
    void Set(const dao::Value& value);
    Field& operator=(const dao::Value& value) {
        Set(value);
        return *this;
    }
    operator dao::Value() const { return Get(); }

    QString Name() const;
    bool IsNull() const { return Get().IsNull(); }
    QString ToText() const { return Get().ToText(); }
    int ToInt() const { return Get().ToInt(); }
    bool ToBool() const { return Get().ToBool(); }

private:
    friend class Recordset;
    Field(std::shared_ptr<RecordsetState> state, int index)
        : m_state(std::move(state)), m_index(index) {}
    std::shared_ptr<RecordsetState> m_state;
    int m_index;
};

// A record set: the rows of one statement, read when it is opened, with a
// cursor. Copies share one record set, as object references do.
class Recordset {
public:
    Recordset() = default;

    bool Eof() const;
    bool Bof() const;
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    int RecordCount() const;

    int FieldCount() const;
    Field Fields(int position) const;
    Field Fields(const QString& name) const;

    void AddNew();
    // Begins changing the current record: its fields are set as after AddNew, and Update
    // writes those set into it.
    void Edit();
    void Update();
    void CancelUpdate();
    void Delete();
    void Close();

private:
    friend class Database;
    explicit Recordset(std::shared_ptr<RecordsetState> state) : m_state(std::move(state)) {}
    RecordsetState& Checked() const;
    std::shared_ptr<RecordsetState> m_state;
};

// One row of Database::ReadEngineRows; valid only inside the call that receives it.
class EngineRow {
public:
    // As a record set reads the column (yes/no columns as true or false).
    dao::Value Get(int column) const;
    // A whole number; Null reads 0.
    qint64 Int(int column) const;
    // Whether the value is stored as a whole number (not Null, real, text or bytes): only such a
    // value equals a record number in a statement.
    bool IsInteger(int column) const;
    // The value as text in UTF-8, valid until the next row; Null reads as an empty text.
    QByteArrayView Utf8(int column) const;
    bool IsNull(int column) const;

private:
    friend class Database;
    explicit EngineRow(sqlite3_stmt* stmt) : m_stmt(stmt) {}
    sqlite3_stmt* m_stmt;
};

// Where the file stands as far as some tables are concerned. Two readings differ when the file
// was changed in between: those tables by this database (a transaction taken back counts)
// or anything through any other connection, another run of the program included, or the
// definition of any table.
struct FileState {
    qint64 others = 0;
    qint64 own = 0;
    qint64 tables = 0; // the tables' definitions, changed by anyone
    qint64 untold = 0; // rows this database changed without the engine telling which
    bool operator==(const FileState&) const = default;
};

class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    Recordset OpenRecordset(const QString& statement);
    // Runs an action statement (INSERT, DELETE, UPDATE) in the dialect.
    void Execute(const QString& statement);

    // Transactions nest; a transaction not committed is rolled back.
    void BeginTrans();
    void CommitTrans();
    void Rollback();
    int TransactionDepth() const;
    // True when a failure made the engine take back the open transactions: everything written
    // in them is gone, and every statement fails until Rollback.
    bool TransactionLost() const;

    void Close();
    QString Name() const { return m_name; }

    // Runs engine SQL (several statements) untranslated: for the tool that
    // writes a new database file, and for settings of one connection. The
    // program never alters tables.
    void ExecuteScript(const QByteArray& engineSql);

    // Runs one engine SQL query untranslated and hands its rows to `each`, one after another,
    // without keeping them: for data the program keeps in memory and for measurements.
    void ReadEngineRows(const QByteArray& engineSql,
                        const std::function<void(const EngineRow&)>& each);

    // Asks cancelled now and then (every few thousand steps of the engine) while a statement
    // runs; when it answers true the statement fails. Empty: never.
    void SetCancel(std::function<bool()> cancelled);

    // Cheap: one engine call and a few counters. Tables by their names in lower case.
    FileState State(const std::vector<std::string>& tables);

    // Which records changed, for data kept in memory: from Watch on, every value a column of a
    // table has before and after each change this database makes to one of its records is
    // noted (by triggers of this connection alone; the file stays as it is), so that a reader
    // can read again only the records of the keys that changed. Watching again goes on with
    // the same notes, unless the triggers went missing (a table changed its definition).
    // Watched gives the values noted since WatchPosition was `since`; none when that cannot
    // be told (a value not a whole number, a transaction taken back, too many). Changes by
    // anyone else show in State only.
    void Watch(const std::string& table, const std::string& column);
    qint64 WatchPosition(const std::string& table, const std::string& column) const;
    std::optional<std::vector<qint64>> Watched(const std::string& table, const std::string& column,
                                               qint64 since) const;

    // Statements prepared so far and reused (for tests and measurements).
    int PreparedStatementCount() const;
    int StatementReuseCount() const;

private:
    friend class Workspace;
    Database(std::shared_ptr<Connection> connection, QString name);
    std::shared_ptr<Connection> m_connection;
    QString m_name;
    int m_depth = 0;
};

// While one lives, this program reads the file at length on a connection of its own (the web
// site's export reads the whole collection in one read transaction). Every connection of the
// program that wants to write meanwhile waits for that reading to end, however long it takes,
// and only then for as long as it waits on anyone else: the program's own reading never makes
// its own writing fail.
class LongRead {
public:
    LongRead();
    ~LongRead();
    LongRead(const LongRead&) = delete;
    LongRead& operator=(const LongRead&) = delete;
};

// Rolls back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db) : m_db(&db) { m_db->BeginTrans(); }
    // Not begun yet: Begin begins it (a begin that fails, on a lock held too long, say, leaves
    // it not begun and may be tried again).
    Transaction() : m_db(nullptr) {}
    void Begin(Database& db) {
        if (m_db) throw Error(errNoTransaction, QStringLiteral("Die Transaktion läuft schon."));
        db.BeginTrans();
        m_db = &db;
    }
    ~Transaction() {
        if (m_db) {
            try {
                m_db->Rollback();
            } catch (...) {
            }
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit() {
        if (!m_db)
            throw Error(errNoTransaction, QStringLiteral("Die Transaktion ist schon beendet."));
        m_db->CommitTrans();
        m_db = nullptr;
    }
    // Rolls back now; later calls do nothing.
    void Rollback() {
        if (!m_db) return;
        Database* db = m_db;
        m_db = nullptr;
        db->Rollback();
    }
    bool Active() const { return m_db != nullptr; }
    // A failure has taken it back already: nothing of it can be stored any more.
    bool Lost() const { return m_db && m_db->TransactionLost(); }

private:
    Database* m_db;
};

class Workspace {
public:
    Workspace(QString name, QString user, QString password);

    // connect: ";pwd=<password>" (empty for a file without password).
    std::shared_ptr<Database> OpenDatabase(const QString& path, bool exclusive = false,
                                           bool readOnly = false, const QString& connect = {});
    // Writes a new, empty database file; fails with 3204 when it exists.
    std::shared_ptr<Database> CreateDatabase(const QString& path, const QString& connect);

    QString Name() const { return m_name; }
    QString UserName() const { return m_user; }

private:
    QString m_name;
    QString m_user;
    QString m_password;
};

std::shared_ptr<Workspace> CreateWorkspace(const QString& name, const QString& user,
                                           const QString& password);

} // namespace dao
