#pragma once
// The whole collection as the site shows it, read from the file in a few statements.

#include <QString>
#include <optional>
#include <vector>

namespace dao {
class Database;
}

namespace web {

// Record numbers that name a page: whole numbers from 1 to the largest of 32 bits. Anything
// else (a file repaired by hand may hold it) gets no page.
struct Zeile {
    int zutat = -1; // position in Sammlung::zutaten
    QString menge;
    bool variation = false;  // " oder …" follows
    int variationZutat = -1; // position, -1 when the catalogue no longer has it
    QString variationsmenge;
    QString beschreibung;
};

struct Dekozeile {
    QString name;
    QString beschreibung;
};

struct Cocktail {
    int nr = 0;
    bool benannt = false; // false for a Null name
    QString name, beschreibung, zubereitung;
    std::optional<QString> bewertung, erfinder, url;
    std::vector<Zeile> zeilen;
    std::vector<Dekozeile> deko;
    std::vector<int> gruppen; // positions in Sammlung::gruppen
};

struct Zutat {
    qint64 nr = 0;
    bool seite = false; // its number names a page
    QString name, beschreibung;
    bool alkohol = false, getränk = false;
    std::vector<int> cocktails; // positions in Sammlung::cocktails using it, in German order
};

struct Gruppe {
    QString name, beschreibung;
    std::vector<int> cocktails; // in German order
};

struct Setup {
    int nr = 0;
    QString name, beschreibung;
    std::vector<int> vorrat;                      // ingredient positions, in German order
    std::vector<QString> nurGetränke, alle;       // names of the mixable cocktails, German order
    std::vector<int> nurGetränkeSeite, alleSeite; // their cocktail positions, -1 without page
};

struct Sammlung {
    std::vector<Cocktail> cocktails; // those with a page, in German order of their names
    std::vector<Zutat> zutaten;      // every ingredient
    std::vector<Gruppe> gruppen;     // in German order
    std::vector<Setup> setups;       // those with a page, in German order
};

// Reads everything inside one read transaction of `db`.
Sammlung SammlungLesen(dao::Database& db);

} // namespace web
