#include "dao/Dao.h"

#include "dao/Connection.h"
#include "dao/Dialect.h"
#include "dao/Text.h"

#include <sqlite3.h>

#include <limits>

namespace dao {

namespace {

[[noreturn]] void NoCurrentRecord() {
    throw Error(errNoCurrentRecord, QStringLiteral("Kein aktueller Datensatz."));
}

[[noreturn]] void ObjectGone() {
    throw Error(errObjectInvalid,
                QStringLiteral("Das Objekt ist ungültig oder nicht mehr geöffnet."));
}

} // namespace

struct RecordsetState {
    std::shared_ptr<Connection> connection;
    QStringList names;
    int columns = 0;
    std::vector<Value> cells; // rows * columns
    std::vector<sqlite3_int64> rowids;
    std::vector<char> deleted;
    int rows = 0;
    int position = 0; // -1 before the first row, rows after the last
    bool closed = false;

    // Set for a record set over exactly one table: it can add and delete.
    QString table;
    const TableInfo* info = nullptr;
    std::vector<int> tableColumn; // record-set column -> table column, -1 for none

    bool adding = false;       // a record is being added (AddNew) or changed (Edit)
    bool editing = false;      // ... and it is the current one, changed
    std::vector<Value> buffer; // one value per table column while adding or changing
    std::vector<char> assigned;

    bool Current() const { return position >= 0 && position < rows; }
    void SkipDeletedForward() {
        while (position < rows && deleted[static_cast<std::size_t>(position)])
            ++position;
    }
    void SkipDeletedBackward() {
        while (position >= 0 && deleted[static_cast<std::size_t>(position)])
            --position;
    }
    bool Empty() const {
        for (char d : deleted)
            if (!d) return false;
        return true;
    }
};

// ---------------------------------------------------------------- Field

Value Field::Get() const {
    const RecordsetState& s = *m_state;
    if (s.closed) ObjectGone();
    if (s.adding) {
        const int column = s.tableColumn[static_cast<std::size_t>(m_index)];
        return column < 0 ? Value() : s.buffer[static_cast<std::size_t>(column)];
    }
    if (!s.Current()) NoCurrentRecord();
    if (s.deleted[static_cast<std::size_t>(s.position)])
        throw Error(errRecordDeleted, QStringLiteral("Der Datensatz ist gelöscht."));
    return s.cells[static_cast<std::size_t>(s.position * s.columns + m_index)];
}

void Field::Set(const Value& value) {
    RecordsetState& s = *m_state;
    if (s.closed) ObjectGone();
    if (!s.adding)
        throw Error(errUpdateWithoutAddNew,
                    QStringLiteral("Ein Feld kann nur nach AddNew oder Edit beschrieben werden."));
    const int column = s.tableColumn[static_cast<std::size_t>(m_index)];
    const ColumnInfo* info =
        column < 0 ? nullptr : &s.info->columns[static_cast<std::size_t>(column)];
    if (!info || info->counter)
        throw Error(errFieldNotWritable,
                    QStringLiteral("Das Feld '%1' kann nicht beschrieben werden.")
                        .arg(s.names.at(m_index)));
    s.buffer[static_cast<std::size_t>(column)] =
        (info->yesNo && !value.IsNull()) ? Value(value.ToBool()) : value;
    s.assigned[static_cast<std::size_t>(column)] = 1;
}

QString Field::Name() const {
    return m_state->names.at(m_index);
}

// ---------------------------------------------------------------- Recordset

RecordsetState& Recordset::Checked() const {
    if (!m_state || m_state->closed) ObjectGone();
    return *m_state;
}

bool Recordset::Eof() const {
    const RecordsetState& s = Checked();
    return s.rows == 0 || s.position >= s.rows;
}

bool Recordset::Bof() const {
    const RecordsetState& s = Checked();
    return s.rows == 0 || s.position < 0;
}

int Recordset::RecordCount() const {
    return Checked().rows;
}

void Recordset::MoveFirst() {
    RecordsetState& s = Checked();
    if (s.rows == 0 || s.Empty()) NoCurrentRecord();
    s.adding = s.editing = false;
    s.position = 0;
    s.SkipDeletedForward();
}

void Recordset::MoveLast() {
    RecordsetState& s = Checked();
    if (s.rows == 0 || s.Empty()) NoCurrentRecord();
    s.adding = s.editing = false;
    s.position = s.rows - 1;
    s.SkipDeletedBackward();
}

void Recordset::MoveNext() {
    RecordsetState& s = Checked();
    if (s.rows == 0 || s.position >= s.rows) NoCurrentRecord();
    s.adding = s.editing = false;
    ++s.position;
    s.SkipDeletedForward();
}

void Recordset::MovePrevious() {
    RecordsetState& s = Checked();
    if (s.rows == 0 || s.position < 0) NoCurrentRecord();
    s.adding = s.editing = false;
    --s.position;
    s.SkipDeletedBackward();
}

int Recordset::FieldCount() const {
    return Checked().columns;
}

Field Recordset::Fields(int position) const {
    const RecordsetState& s = Checked();
    if (position < 0 || position >= s.columns)
        throw Error(errFieldNotFound,
                    QStringLiteral("Das Feld Nummer %1 ist in diesem Datensatz nicht vorhanden.")
                        .arg(position));
    return Field(m_state, position);
}

Field Recordset::Fields(const QString& name) const {
    const RecordsetState& s = Checked();
    for (int i = 0; i < s.columns; ++i)
        if (s.names.at(i).compare(name, Qt::CaseInsensitive) == 0) return Field(m_state, i);
    throw Error(errFieldNotFound,
                QStringLiteral("Das Feld '%1' ist in diesem Datensatz nicht vorhanden.").arg(name));
}

namespace {

// A record set over one table learns its table's columns when it first adds
// or deletes; the many read-only look-ups never need them.
void RequireUpdatable(RecordsetState& s) {
    if (s.table.isEmpty())
        throw Error(errNotUpdatable,
                    QStringLiteral("Diese Datensatzgruppe kann nicht geändert werden: Sie beruht "
                                   "nicht auf genau einer Tabelle."));
    if (!s.info) {
        s.info = &s.connection->Table(s.table);
        for (const QString& name : s.names)
            s.tableColumn.push_back(s.info->IndexOf(name));
    }
}

// The counter the next record of the table receives: one more than any number
// the table has ever given out.
int NextCounter(Connection& connection, const TableInfo& info) {
    const QByteArray sql =
        "SELECT max(ifnull((SELECT seq FROM sqlite_sequence WHERE name = ?), 0), "
        "ifnull((SELECT max(_rowid_) FROM " +
        QuoteIdentifier(info.name).toUtf8() + "), 0)) + 1";
    const auto stmt = connection.Prepare(sql, {Value(info.name)});
    const sqlite3_int64 next = stmt->Step() ? sqlite3_column_int64(stmt->Get(), 0) : 0;
    if (next > std::numeric_limits<std::int32_t>::max())
        throw Error(errReserved,
                    QStringLiteral("Der Zähler der Tabelle '%1' ist erschöpft.").arg(info.name));
    return static_cast<int>(next);
}

} // namespace

void Recordset::AddNew() {
    RecordsetState& s = Checked();
    RequireUpdatable(s);
    const std::size_t n = s.info->columns.size();
    s.buffer.assign(n, Value());
    s.assigned.assign(n, 0);
    if (s.info->counterColumn >= 0) {
        const auto counter = static_cast<std::size_t>(s.info->counterColumn);
        s.buffer[counter] = Value(NextCounter(*s.connection, *s.info));
        s.assigned[counter] = 1;
    }
    s.adding = true;
    s.editing = false;
}

void Recordset::Edit() {
    RecordsetState& s = Checked();
    RequireUpdatable(s);
    if (!s.Current()) NoCurrentRecord();
    const auto row = static_cast<std::size_t>(s.position);
    if (s.deleted[row])
        throw Error(errRecordDeleted, QStringLiteral("Der Datensatz ist gelöscht."));
    // The buffer starts as the record is, so that its fields read as before until set.
    s.buffer.assign(s.info->columns.size(), Value());
    s.assigned.assign(s.info->columns.size(), 0);
    for (std::size_t i = 0; i < s.tableColumn.size(); ++i)
        if (s.tableColumn[i] >= 0)
            s.buffer[static_cast<std::size_t>(s.tableColumn[i])] =
                s.cells[row * static_cast<std::size_t>(s.columns) + i];
    s.adding = true;
    s.editing = true;
}

void Recordset::CancelUpdate() {
    Checked().adding = Checked().editing = false;
}

namespace {

// A row's engine key as a bound value.
Value RowKey(sqlite3_int64 rowid) {
    return rowid == static_cast<std::int32_t>(rowid) ? Value(static_cast<int>(rowid))
                                                     : Value(static_cast<double>(rowid));
}

// Writes the fields set since Edit into the current record, in the file and in the set.
void UpdateCurrent(RecordsetState& s) {
    const auto row = static_cast<std::size_t>(s.position);
    QByteArray assignments;
    std::vector<Value> values;
    for (std::size_t i = 0; i < s.info->columns.size(); ++i) {
        if (!s.assigned[i]) continue;
        if (!values.empty()) assignments += ", ";
        assignments += QuoteIdentifier(s.info->columns[i].name).toUtf8() + " = ?";
        values.push_back(s.buffer[i]);
    }
    if (!values.empty()) {
        values.push_back(RowKey(s.rowids[row]));
        s.connection
            ->Prepare("UPDATE " + QuoteIdentifier(s.info->name).toUtf8() + " SET " + assignments +
                          " WHERE _rowid_ = ?",
                      values)
            ->Step(); // on failure the change stays pending
    }
    for (std::size_t i = 0; i < s.tableColumn.size(); ++i)
        if (s.tableColumn[i] >= 0 && s.assigned[static_cast<std::size_t>(s.tableColumn[i])])
            s.cells[row * static_cast<std::size_t>(s.columns) + i] =
                s.buffer[static_cast<std::size_t>(s.tableColumn[i])];
}

} // namespace

void Recordset::Update() {
    RecordsetState& s = Checked();
    if (!s.adding)
        throw Error(errUpdateWithoutAddNew,
                    QStringLiteral("Update ohne vorheriges AddNew oder Edit ist nicht möglich."));
    if (s.editing) {
        UpdateCurrent(s);
        s.adding = s.editing = false;
        return;
    }
    QByteArray columns;
    QByteArray marks;
    std::vector<Value> values;
    for (std::size_t i = 0; i < s.info->columns.size(); ++i) {
        if (!s.assigned[i]) continue;
        if (!values.empty()) {
            columns += ", ";
            marks += ", ";
        }
        columns += QuoteIdentifier(s.info->columns[i].name).toUtf8();
        marks += "?";
        values.push_back(s.buffer[i]);
    }
    const QByteArray table = QuoteIdentifier(s.info->name).toUtf8();
    const QByteArray sql =
        values.empty() ? "INSERT INTO " + table + " DEFAULT VALUES"
                       : "INSERT INTO " + table + " (" + columns + ") VALUES (" + marks + ")";
    s.connection->Prepare(sql, values)->Step(); // on failure the record stays pending
    s.adding = s.editing = false;
}

void Recordset::Delete() {
    RecordsetState& s = Checked();
    RequireUpdatable(s);
    s.adding = s.editing = false;
    if (!s.Current()) NoCurrentRecord();
    const auto row = static_cast<std::size_t>(s.position);
    if (s.deleted[row])
        throw Error(errRecordDeleted, QStringLiteral("Der Datensatz ist bereits gelöscht."));
    const QByteArray sql =
        "DELETE FROM " + QuoteIdentifier(s.info->name).toUtf8() + " WHERE _rowid_ = ?";
    s.connection->Prepare(sql, {RowKey(s.rowids[row])})->Step();
    s.deleted[row] = 1;
}

void Recordset::Close() {
    if (!m_state || m_state->closed) return;
    m_state->closed = true;
    m_state->cells.clear();
    m_state->cells.shrink_to_fit();
    m_state->connection.reset();
}

// ---------------------------------------------------------------- Database

Database::Database(std::shared_ptr<Connection> connection, QString name)
    : m_connection(std::move(connection)), m_name(std::move(name)) {}

Database::~Database() = default;

namespace {
Connection& Live(const std::shared_ptr<Connection>& connection) {
    if (!connection) ObjectGone();
    return *connection;
}
} // namespace

Recordset Database::OpenRecordset(const QString& statement) {
    Connection& connection = Live(m_connection);
    const Translation translation = Translate(statement, true);
    auto state = std::make_shared<RecordsetState>();
    state->connection = m_connection;

    const auto run = connection.Prepare(translation.sql, translation.params);
    sqlite3_stmt* stmt = run->Get();
    const int total = sqlite3_column_count(stmt);
    const bool hiddenRowId = !translation.updatableTable.isEmpty(); // the last column
    state->columns = hiddenRowId ? total - 1 : total;
    std::vector<ColumnRead> reads;
    for (int i = 0; i < state->columns; ++i) {
        state->names << QString::fromUtf8(sqlite3_column_name(stmt, i));
        reads.push_back(IsYesNoType(sqlite3_column_decltype(stmt, i)) ? ColumnRead::YesNo
                                                                      : ColumnRead::Plain);
    }
    while (run->Step()) {
        if (hiddenRowId) state->rowids.push_back(sqlite3_column_int64(stmt, state->columns));
        for (int i = 0; i < state->columns; ++i)
            state->cells.push_back(ReadColumn(stmt, i, reads[static_cast<std::size_t>(i)]));
        ++state->rows;
    }
    state->deleted.assign(static_cast<std::size_t>(state->rows), 0);

    state->table = translation.updatableTable;
    return Recordset(std::move(state));
}

void Database::Execute(const QString& statement) {
    Connection& connection = Live(m_connection);
    const Translation translation = Translate(statement, false);
    const auto run = connection.Prepare(translation.sql, translation.params);
    while (run->Step()) {
    }
}

// The outermost transaction takes the write lock when it begins: one that first reads and
// then writes could otherwise meet another program's write at its first write, when waiting
// is no longer possible. Transactions within it are savepoints.
void Database::BeginTrans() {
    Connection& connection = Live(m_connection);
    if (m_depth == 0) connection.Exec("BEGIN IMMEDIATE");
    try {
        connection.Exec("SAVEPOINT velkor");
    } catch (const Error&) {
        if (m_depth == 0) connection.Exec("ROLLBACK");
        throw;
    }
    connection.SetTransactionDepth(++m_depth);
}

void Database::CommitTrans() {
    if (m_depth == 0)
        throw Error(errNoTransaction, QStringLiteral("Commit ohne vorheriges BeginTrans."));
    Connection& connection = Live(m_connection);
    if (m_depth == 1) {
        connection.Exec("COMMIT");
    } else {
        connection.Exec("RELEASE SAVEPOINT velkor");
    }
    connection.SetTransactionDepth(--m_depth);
}

void Database::Rollback() {
    if (m_depth == 0)
        throw Error(errNoTransaction, QStringLiteral("Rollback ohne vorheriges BeginTrans."));
    Connection& connection = Live(m_connection);
    connection.RolledBack();
    if (connection.TransactionLost()) {
        // The engine has taken back every open transaction already.
        m_depth = 0;
        connection.SetTransactionDepth(0);
        connection.ForgetLostTransaction();
        return;
    }
    connection.SetTransactionDepth(--m_depth);
    if (m_depth == 0) {
        connection.Exec("ROLLBACK");
    } else {
        connection.Exec("ROLLBACK TO SAVEPOINT velkor");
        connection.Exec("RELEASE SAVEPOINT velkor");
    }
}

bool Database::TransactionLost() const {
    return Live(m_connection).TransactionLost();
}

int Database::TransactionDepth() const {
    return m_depth;
}

void Database::Close() {
    m_connection.reset();
}

void Database::ExecuteScript(const QByteArray& engineSql) {
    Live(m_connection).Exec(engineSql);
}

void Database::ReadEngineRows(const QByteArray& engineSql,
                              const std::function<void(const EngineRow&)>& each) {
    const auto run = Live(m_connection).Prepare(engineSql, {});
    const EngineRow row(run->Get());
    while (run->Step())
        each(row);
}

void Database::SetCancel(std::function<bool()> cancelled) {
    Live(m_connection).SetCancel(std::move(cancelled));
}

FileState Database::State(const std::vector<std::string>& tables) {
    Connection& connection = Live(m_connection);
    FileState state;
    {
        const auto run = connection.Prepare("PRAGMA data_version", {});
        if (run->Step()) state.others = sqlite3_column_int64(run->Get(), 0);
    }
    {
        const auto run = connection.Prepare("PRAGMA schema_version", {});
        if (run->Step()) state.tables = sqlite3_column_int64(run->Get(), 0);
    }
    state.own = connection.Changes(tables);
    state.untold = connection.Untold();
    return state;
}

void Database::Watch(const std::string& table, const std::string& column) {
    Live(m_connection).Watch(table, column);
}

qint64 Database::WatchPosition(const std::string& table, const std::string& column) const {
    return Live(m_connection).WatchPosition(table, column);
}

std::optional<std::vector<qint64>>
Database::Watched(const std::string& table, const std::string& column, qint64 since) const {
    return Live(m_connection).Watched(table, column, since);
}

dao::Value EngineRow::Get(int column) const {
    return ReadColumn(m_stmt, column,
                      IsYesNoType(sqlite3_column_decltype(m_stmt, column)) ? ColumnRead::YesNo
                                                                           : ColumnRead::Plain);
}

qint64 EngineRow::Int(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

QByteArrayView EngineRow::Utf8(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return QByteArrayView(text, sqlite3_column_bytes(m_stmt, column));
}

bool EngineRow::IsInteger(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_INTEGER;
}

bool EngineRow::IsNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

int Database::PreparedStatementCount() const {
    return Live(m_connection).Prepared();
}
int Database::StatementReuseCount() const {
    return Live(m_connection).Reused();
}

// ---------------------------------------------------------------- Workspace

Workspace::Workspace(QString name, QString user, QString password)
    : m_name(std::move(name)), m_user(std::move(user)), m_password(std::move(password)) {}

namespace {
// The password of a connect text such as ";pwd=geheim".
QString PasswordOf(const QString& connect) {
    const QStringList parts = connect.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const int eq = part.indexOf(QLatin1Char('='));
        if (eq > 0 &&
            part.left(eq).trimmed().compare(QLatin1String("pwd"), Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1);
    }
    return {};
}
} // namespace

std::shared_ptr<Database> Workspace::OpenDatabase(const QString& path, bool exclusive,
                                                  bool readOnly, const QString& connect) {
    auto connection =
        std::make_shared<Connection>(path, PasswordOf(connect), readOnly, exclusive, false);
    return std::shared_ptr<Database>(new Database(std::move(connection), path));
}

std::shared_ptr<Database> Workspace::CreateDatabase(const QString& path, const QString& connect) {
    auto connection = std::make_shared<Connection>(path, PasswordOf(connect), false, false, true);
    return std::shared_ptr<Database>(new Database(std::move(connection), path));
}

std::shared_ptr<Workspace> CreateWorkspace(const QString& name, const QString& user,
                                           const QString& password) {
    return std::make_shared<Workspace>(name, user, password);
}

} // namespace dao
