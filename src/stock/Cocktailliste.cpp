#include "stock/Cocktailliste.h"

#include "dao/Text.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <optional>
#include <string>
#include <utility>

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
    m_vorgelesenBeobachtet = Beobachten(*db);
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
                m_beobachtet = m_vorgelesenBeobachtet;
                ++m_einlesungen;
            }
        } catch (const std::exception&) {
            // Read here and now instead.
        }
    }
    const dao::FileState stand = db->State(kTabellen);
    if (m_db.lock() == db && stand == m_stand) return m_liste;
    if (m_db.lock() == db && Nachlesen(*db, stand)) return m_liste;
    m_db.reset();
    m_beobachtet = Beobachten(*db);
    const dao::FileState vorher = db->State(kTabellen);
    m_liste = Lesen(*db);
    ++m_einlesungen;
    m_db = db;
    m_stand = vorher;
    return m_liste;
}

qint64 Cocktailliste::Beobachten(dao::Database& db) {
    try {
        db.Watch("cocktails", "nr");
        return db.WatchPosition("cocktails", "nr");
    } catch (const dao::Error&) {
        return -1; // no table of cocktails: reading fails as well
    }
}

bool Cocktailliste::Nachlesen(dao::Database& db, const dao::FileState& stand) {
    if (m_beobachtet < 0 || stand.others != m_stand.others || stand.tables != m_stand.tables ||
        stand.untold != m_stand.untold)
        return false;
    std::optional<std::vector<qint64>> nummern = db.Watched("cocktails", "nr", m_beobachtet);
    if (!nummern) return false;
    std::sort(nummern->begin(), nummern->end());
    nummern->erase(std::unique(nummern->begin(), nummern->end()), nummern->end());
    // Many changes are put in place faster by reading all.
    if (nummern->size() > 500) return false;
    QByteArray liste;
    for (const qint64 nr : *nummern)
        liste += (liste.isEmpty() ? "" : ",") + QByteArray::number(nr);
    std::vector<std::pair<QByteArray, qint64>> gelesen;
    db.ReadEngineRows("SELECT name, nr FROM cocktails WHERE nr IN (" + liste + ")",
                      [&gelesen](const dao::EngineRow& row) {
                          gelesen.emplace_back(row.Utf8(0).toByteArray(), row.Int(1));
                      });

    // The changed cocktails leave their places and come back at the places of their names.
    Liste& l = m_liste;
    std::size_t behalten = 0;
    for (std::size_t i = 0; i < l.nummern.size(); ++i) {
        if (std::binary_search(nummern->begin(), nummern->end(), l.nummern[i])) continue;
        if (behalten != i) {
            l.namen[static_cast<qsizetype>(behalten)] = l.namen.at(static_cast<qsizetype>(i));
            l.nummern[behalten] = l.nummern[i];
        }
        ++behalten;
    }
    l.namen.resize(static_cast<qsizetype>(behalten));
    l.nummern.resize(behalten);
    for (const auto& [utf8, nr] : gelesen) {
        const QString name = QString::fromUtf8(utf8);
        // After every equal name of a lower number: the order the whole list is read in.
        std::size_t unten = 0, oben = l.nummern.size();
        while (unten < oben) {
            const std::size_t mitte = (unten + oben) / 2;
            const int vergleich =
                dao::CompareGerman(l.namen.at(static_cast<qsizetype>(mitte)), name);
            if (vergleich < 0 || (vergleich == 0 && l.nummern[mitte] < nr))
                unten = mitte + 1;
            else
                oben = mitte;
        }
        l.namen.insert(static_cast<qsizetype>(unten), name);
        l.nummern.insert(l.nummern.begin() + static_cast<std::ptrdiff_t>(unten), nr);
        l.alleNummern = l.alleNummern && nr >= std::numeric_limits<int>::min() &&
                        nr <= std::numeric_limits<int>::max();
    }
    m_stand = stand;
    m_beobachtet = db.WatchPosition("cocktails", "nr");
    return true;
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
