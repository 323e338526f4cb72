#pragma once
// Translation of the program's statement dialect into the engine's SQL.
//
// The dialect writes text literals in double quotes (a doubled "" inside
// stands for one quote), names result columns with [brackets], spells names
// in any case (umlauts included) and upper-cases with ucase()/Ucase(). The
// translation turns every literal into a bound parameter, so statements that
// differ only in their values share one prepared statement.
//
// A SELECT of records (no grouping, DISTINCT or aggregate) without an ORDER BY
// of its own returns them in the order they were stored; over a join, in the
// stored order of the table joined last, then of the tables before it. An
// ORDER BY of the statement sorts text in German dictionary order.
//
// A name look-up ucase(name) = "VALUE" in the WHERE clause of a SELECT over one
// named table finds its records through the file's name indexes; it finds the
// same records as comparing the upper case of every name.

#include "dao/Value.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace dao {

struct Translation {
    QByteArray sql;            // engine SQL (UTF-8), literals replaced by ?
    std::vector<Value> params; // the literals, in order (a name look-up adds its own)
    // The table of a plain SELECT over exactly one table (lower case), or
    // empty: only such a record set can add and delete records. With withRowId
    // its SQL then ends its column list with the hidden row id.
    QString updatableTable;
};

// The first look-up by name builds a table of how every letter upper-cases, which takes tens
// of milliseconds; the program has it built in the background at start. Any thread may call it.
void PrepareNameLookUp();

// Throws dao::Error 3075 on an unterminated literal or bracket, and on a NUL or a
// lone half of a surrogate pair outside a literal, which the engine cannot read.
Translation Translate(const QString& statement, bool withRowId);

// How often a statement's shape was found among the translations made so far,
// and how often it had to be translated (on this thread).
struct ShapeCacheCounts {
    int hits = 0;
    int misses = 0;
};
ShapeCacheCounts ShapeCache();

} // namespace dao
