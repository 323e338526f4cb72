#pragma once
// Every cocktail's name and number in German order: the list of the recipe viewer and of the
// window "Cocktail ändern". It is kept between the windows' openings. When this run stored,
// changed or deleted cocktails, only those are read again and put in their places; it is read
// whole when another run of the program wrote the file. The program reads it at start in the
// background, after the catalogue of the bar stock window, so that even the first opening
// finds it read.

#include "dao/Dao.h"
#include "stock/Gehalten.h"

#include <QStringList>
#include <future>
#include <memory>
#include <vector>

class Cocktailliste {
public:
    struct Liste {
        QStringList namen;           // a cocktail without a name has an empty one
        std::vector<qint64> nummern; // each one's number, in the same order
        // Every number is one the program can take as a record number: none beyond 32 bits
        // (a file repaired by hand).
        bool alleNummern = true;
    };

    // The program's one copy.
    static Cocktailliste& Instance();

    // The list as the file holds it now.
    const Liste& Aktuell(const std::shared_ptr<dao::Database>& db);

    // Takes the list being read in the background for db (see Gehalten::Vormerken).
    void Vormerken(const std::shared_ptr<dao::Database>& db, std::future<Liste> gelesen);

    // Reads it; any connection to the file will do.
    static Liste Lesen(dao::Database& db);

    // Times the list was read whole so far (for tests).
    int Einlesungen() const { return m_gehalten.Einlesungen(); }

private:
    Cocktailliste();
    // Puts the cocktails of the numbers noted in their places, read again; false when there are
    // so many that reading all is faster.
    static bool Nachlesen(dao::Database& db, Liste& l,
                          const std::vector<std::vector<qint64>>& geändert);

    Gehalten<Liste> m_gehalten;
};
