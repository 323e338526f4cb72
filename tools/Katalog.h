#pragma once
// Writes a new Cocktails.mdb with a made-up catalogue of any size: cocktails with ingredient and
// decoration lines, variations, groups and two setups. Used to measure the windows on large
// catalogues and, at small sizes, to test the stock search against many random catalogues.

#include <QString>

namespace katalog {

struct Umfang {
    int cocktails = 1000;
    // Ingredients in the catalogue; 0 means cocktails / 10 + 200.
    int zutaten = 0;
    // Ingredient lines per cocktail lie between these two (about 6 on average by default).
    int zeilenMin = 3;
    int zeilenMax = 9;
    // Ingredients deleted from the catalogue after the lines were written, so that lines name
    // an ingredient that no longer exists.
    int fehlendeZutaten = 0;
    // Every ingredient is used with roughly the same frequency instead of a few being very
    // common; small catalogues then have many ties.
    bool gleichverteilt = false;
    unsigned seed = 1;
};

// The two setups every catalogue holds: about 15 % and about 2 % of the ingredients, the most
// used ones first (a well-stocked bar holds the common bottles).
inline const QString kSetupGross = QStringLiteral("Gut sortiert");
inline const QString kSetupKlein = QStringLiteral("Notvorrat");
// A cocktail with exactly twelve ingredient lines.
inline const QString kZwölfZeilen = QStringLiteral("Zwölferlei Sour");

struct Inhalt {
    int cocktails = 0;
    int zutaten = 0;
    int zeilen = 0;
};

// Writes the file (which must not exist yet) with the program's password and tables.
Inhalt Schreiben(const QString& pfad, const Umfang& umfang);

} // namespace katalog
