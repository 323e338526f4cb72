#pragma once
// The recipe sheet of one cocktail: title, description, ingredient lines, decoration lines,
// preparation, rating, inventor and web address.

#include <QString>
#include <optional>

class Blatt;

namespace dao {
class Database;
}

// Clears the sheet and draws the recipe of the cocktail whose name equals Cocktail without
// regard to case. A name that is not stored leaves the sheet blank. Gives the number of the
// cocktail drawn; nothing when none was, or its number is none the program can hold.
std::optional<int> RezeptZeichnen(Blatt& Ausgabe, dao::Database& Datenbank,
                                  const QString& Cocktail);
// The same for the cocktail of number Nummer.
std::optional<int> CocktailZeichnen(Blatt& Ausgabe, dao::Database& Datenbank, int Nummer);
