#pragma once
// Every cocktail's name and number in German order: the list of the recipe viewer and of the
// window "Cocktail ändern". It is kept between the windows' openings. When this run stored,
// changed or deleted cocktails, only those are read again and put in their places; it is read
// whole when another run of the program wrote the file. The program reads it at start in the
// background, after the catalogue of the bar stock window, so that even the first opening
// finds it read.

#include "dao/Dao.h"

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

    // Takes the list being read in the background for db; the file's state is taken now, so a
    // change made meanwhile makes the first Aktuell read again. A failed reading is replaced by
    // one in the foreground.
    void Vormerken(const std::shared_ptr<dao::Database>& db, std::future<Liste> gelesen);

    // Reads it; any connection to the file will do.
    static Liste Lesen(dao::Database& db);

    // Times the list was read so far (for tests).
    int Einlesungen() const { return m_einlesungen; }

    ~Cocktailliste();

private:
    Cocktailliste() = default;
    // Reads again only the cocktails this run changed since; false when that cannot be done.
    bool Nachlesen(dao::Database& db, const dao::FileState& stand);
    // Notes the cocktails this run changes from now on; where the notes stand, -1 for nowhere.
    static qint64 Beobachten(dao::Database& db);

    std::weak_ptr<dao::Database> m_db;
    dao::FileState m_stand;
    qint64 m_beobachtet = -1;
    Liste m_liste;
    int m_einlesungen = 0;

    std::future<Liste> m_vorgelesen;
    std::weak_ptr<dao::Database> m_vorgelesenFür;
    dao::FileState m_vorgelesenStand;
    qint64 m_vorgelesenBeobachtet = -1;
};
