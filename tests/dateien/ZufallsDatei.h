#pragma once
// Random Cocktails.mdb files: the tables of the program's version, filled with records whose
// values are of every kind the engine accepts in any column (whole numbers from the most
// negative to the largest, reals, texts of any length and content, byte strings, Null), with
// lines that point at records that exist and at records that do not. Such a file is what a
// user may make of the file with the sqlcipher shell.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace zufallsdatei {

// The filling of one random file: engine statements, one per line. The same seed gives the
// same statements.
QByteArray Füllung(std::uint64_t keim);

// Writes a new file at path with the program's password: the tables, then each statement of
// the filling (a statement the engine refuses, such as a second record with a number that is
// taken, is passed over).
void Schreiben(const QString& path, const QByteArray& füllung);

} // namespace zufallsdatei
