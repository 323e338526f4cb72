#include "stock/Cocktailliste.h"

#include <exception>
#include <limits>
#include <string>

namespace {

const std::vector<std::string> kTabellen = {"cocktails"};

} // namespace

Cocktailliste& Cocktailliste::Instance() {
    static Cocktailliste liste;
    return liste;
}

Cocktailliste::~Cocktailliste() {
    if (m_vorgelesen.valid()) m_vorgelesen.wait();
}

void Cocktailliste::Vormerken(const std::shared_ptr<dao::Database>& db,
                              std::future<Liste> gelesen) {
    if (m_vorgelesen.valid()) m_vorgelesen.wait();
    m_vorgelesenFür = db;
    m_vorgelesenStand = db->State(kTabellen);
    m_vorgelesen = std::move(gelesen);
}

const Cocktailliste::Liste& Cocktailliste::Aktuell(const std::shared_ptr<dao::Database>& db) {
    if (m_vorgelesen.valid()) {
        try {
            Liste gelesen = m_vorgelesen.get();
            if (m_vorgelesenFür.lock() == db) {
                m_liste = std::move(gelesen);
                m_db = db;
                m_stand = m_vorgelesenStand;
                ++m_einlesungen;
            }
        } catch (const std::exception&) {
            // Read here and now instead.
        }
    }
    const dao::FileState stand = db->State(kTabellen);
    if (m_db.lock() == db && stand == m_stand) return m_liste;
    // Read before anything is replaced: a failure keeps no half list.
    Liste neu = Lesen(*db);
    m_liste = std::move(neu);
    ++m_einlesungen;
    m_db = db;
    m_stand = stand;
    return m_liste;
}

Cocktailliste::Liste Cocktailliste::Lesen(dao::Database& db) {
    Liste l;
    // The names through the index on the name, which holds them (and the numbers, the records'
    // keys) nearly in German order, then put in that order: the engine does not read every
    // record and sorts little.
    db.ReadEngineRows("select name, nr from (select name, nr from cocktails order by name "
                      "collate nocase) order by name collate deutsch",
                      [&l](const dao::EngineRow& row) {
                          l.namen.append(QString::fromUtf8(row.Utf8(0)));
                          // Never anything but a whole number in a file of the program.
                          const qint64 nr =
                              row.IsInteger(1) ? row.Int(1) : std::numeric_limits<qint64>::min();
                          l.nummern.push_back(nr);
                          const bool passt = nr >= std::numeric_limits<int>::min() &&
                                             nr <= std::numeric_limits<int>::max();
                          l.alleNummern = l.alleNummern && passt;
                      });
    return l;
}
