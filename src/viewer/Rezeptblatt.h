#pragma once
// The recipe sheet of one cocktail: title, description, ingredient lines, decoration lines,
// preparation, rating, inventor and web address.

#include <QString>

class Blatt;

namespace dao {
class Database;
}

// Clears the sheet and draws the recipe of the cocktail whose name equals Cocktail without
// regard to case. A name that is not stored leaves the sheet blank.
void RezeptZeichnen(Blatt& Ausgabe, dao::Database& Datenbank, const QString& Cocktail);
