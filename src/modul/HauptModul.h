#pragma once
// The program's start-up module: the state every window shares and the two
// routines that begin and end a run.

#include "dao/Dao.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace HauptModul {

// The program's own folder, ending in one separator.
inline QString Pfad;
// The database file name, "Cocktails.mdb".
inline QString Datenbankname;
// The workspace created at start-up, and the one open database every window uses.
inline std::shared_ptr<dao::Workspace> Arbeitsbereich;
inline std::shared_ptr<dao::Database> Datenbank;

// Opens the database beside the program and shows the main menu. When the
// database cannot be opened, reports the engine's number and text and ends
// the program with status 1; the menu goes unseen.
void Main();

// Opening the file derives its key, which takes a while: Main begins it in the background
// and shows the menu meanwhile. It ends as soon as the program is idle, or earlier when
// something needs the database (OffeneDatenbank waits for it). Then the database is open and
// danach runs, or the failure is reported as NichtGeöffnet does.
void ÖffnungBeginnen(std::function<std::shared_ptr<dao::Database>()> öffnen,
                     std::function<void()> danach);
// Waits for the opening begun, if it has not ended.
void ÖffnungAbwarten();
// Reports that the database cannot be opened, with the engine's number and text, and ends the
// program with status 1; the windows go unseen.
void NichtGeöffnet(const dao::Error& fehler);

// The one open database; fails with 3420 when none is open (after Beenden).
dao::Database& OffeneDatenbank();
// The same, shared with the data the windows keep in memory.
const std::shared_ptr<dao::Database>& GeteilteDatenbank();

// The first field of every record a statement finds on the open database, as
// text, in the order the store delivers them. Fills the windows' lists.
QStringList ErstesFeld(const QString& statement);

// Lets go of the database and ends the program at once, with every window. Work under way on
// a thread of its own is cancelled first and waited for (see VorDemEnde).
void Beenden();
// Registers what Beenden runs first: a window with work on a thread of its own (the web site's
// export) cancels it and waits until the thread has taken back what it did.
void VorDemEnde(std::function<void()> aufräumen);

// The path unchanged when it ends in a folder separator, otherwise with one
// appended: a backslash when the path is written with backslashes, else the
// platform's separator. An empty path gives the separator alone.
QString PfadMitBackslash(const QString& pfad);

// How the program ends (status 0 after Beenden, 1 when the database cannot
// be opened). The default ends the process at once; tests replace it to
// observe the ending.
extern std::function<void(int status)> Ende;

// Where Main looks for the program's folder; the default is the folder of the
// running program. Tests point it elsewhere.
extern std::function<QString()> Programmordner;

} // namespace HauptModul
