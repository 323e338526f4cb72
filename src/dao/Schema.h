#pragma once
// The version of the tables in a Cocktails.mdb (the file's user_version) and the upgrades that
// bring an older file up to this program's version when it is opened.

#include <QByteArray>
#include <QString>

namespace dao {

class Connection;

// The schema version this program writes and reads.
constexpr int kSchemaVersion = 1;

// The tables of a Cocktails.mdb (their names in lower case), in the order the schema makes them.
// The records of a named table have a name, which the file keeps two indexes on for look-ups.
struct SchemaTable {
    const char* name;
    bool named;
};
inline constexpr SchemaTable kTables[] = {
    {"cocktails", true},  {"cocktailgruppen", true}, {"gruppenzugehörigkeit", false},
    {"zutaten", true},    {"zutatenliste", false},   {"deko", true},
    {"dekoliste", false}, {"zutatensetup", true},    {"zutatensetupvorrat", false}};

// The tables of the current version, as the engine SQL that creates them (and sets the version).
QByteArray SchemaScript();

// Reads the file's version. A newer file is refused (3343, nothing written). An older one is
// upgraded in place in one transaction that keeps every record and every number; when any step
// fails, the file stays as it was. A file opened read-only is read as it is.
void UpgradeSchema(Connection& connection, const QString& path, bool readOnly);

} // namespace dao
