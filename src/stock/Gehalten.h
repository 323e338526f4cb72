#pragma once
// Data read from the file and kept in memory between uses, the same rule for the bar stock
// window's catalogue and the list of every cocktail. It may be read in the background at start.
// When the file changed since it was read, it is brought up to date from the keys this run's
// changes touched (the store's notes of changes), or read whole again when they cannot tell:
// another run of the program wrote the file, a table's definition changed, a transaction was
// taken back, or the reader itself declines.

#include "dao/Dao.h"

#include <QByteArray>
#include <algorithm>
#include <exception>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The keys noted, each once and in order, and as the list of an engine statement's IN (...).
inline QByteArray Schlüsselliste(std::vector<qint64>& schlüssel) {
    std::sort(schlüssel.begin(), schlüssel.end());
    schlüssel.erase(std::unique(schlüssel.begin(), schlüssel.end()), schlüssel.end());
    QByteArray liste;
    for (const qint64 nr : schlüssel)
        liste += (liste.isEmpty() ? "" : ",") + QByteArray::number(nr);
    return liste;
}

template <class T> class Gehalten {
public:
    // The tables the data reflects, and the columns whose changed values it reads again.
    Gehalten(std::vector<std::string> tabellen,
             std::vector<std::pair<std::string, std::string>> beobachtet)
        : m_tabellen(std::move(tabellen)), m_spalten(std::move(beobachtet)) {}
    ~Gehalten() {
        if (m_vorgelesen.valid()) m_vorgelesen.wait();
    }
    Gehalten(const Gehalten&) = delete;
    Gehalten& operator=(const Gehalten&) = delete;

    // Reads it whole; any connection to the file will do.
    using Lesen = std::function<T(dao::Database&)>;
    // Brings the data up to date from the values noted since, one list per column in the order
    // given; false when it cannot (the data is then read whole).
    using Nachlesen =
        std::function<bool(dao::Database&, T&, const std::vector<std::vector<qint64>>&)>;

    // Takes the data being read in the background for db; the file's state is taken now, so a
    // change made meanwhile is brought up to date at the first use. A failed reading is replaced
    // by one in the foreground.
    void Vormerken(const std::shared_ptr<dao::Database>& db, std::future<T> gelesen) {
        if (m_vorgelesen.valid()) m_vorgelesen.wait();
        m_vorgelesenFür = db;
        m_vorgelesenBeobachtet = Beobachten(*db);
        m_vorgelesenStand = db->State(m_tabellen);
        m_vorgelesen = std::move(gelesen);
    }

    // The data as the file holds it now.
    T& Aktuell(const std::shared_ptr<dao::Database>& db, const Lesen& lesen,
               const Nachlesen& nachlesen) {
        if (m_vorgelesen.valid()) {
            try {
                T gelesen = m_vorgelesen.get();
                if (m_vorgelesenFür.lock() == db) {
                    m_daten = std::move(gelesen);
                    m_db = db;
                    m_stand = m_vorgelesenStand;
                    m_beobachtet = m_vorgelesenBeobachtet;
                    ++m_einlesungen;
                }
            } catch (const std::exception&) {
                // Read here and now instead.
            }
        }
        const dao::FileState stand = db->State(m_tabellen);
        if (m_db.lock() == db && (stand == m_stand || NachDenNotizen(*db, stand, nachlesen)))
            return m_daten;
        m_db.reset();
        m_beobachtet = Beobachten(*db);
        const dao::FileState vorher = db->State(m_tabellen);
        m_daten = lesen(*db);
        ++m_einlesungen;
        m_db = db;
        m_stand = vorher;
        return m_daten;
    }

    // Times the data was read whole so far (for tests and measurements).
    int Einlesungen() const { return m_einlesungen; }

private:
    // Has the columns watched; where the notes stand, none when a table is missing.
    std::vector<qint64> Beobachten(dao::Database& db) const {
        std::vector<qint64> positionen;
        try {
            for (const auto& [tabelle, spalte] : m_spalten) {
                db.Watch(tabelle, spalte);
                positionen.push_back(db.WatchPosition(tabelle, spalte));
            }
        } catch (const dao::Error&) {
            positionen.clear(); // reading fails as well, and nothing is read in parts
        }
        return positionen;
    }

    bool NachDenNotizen(dao::Database& db, const dao::FileState& stand,
                        const Nachlesen& nachlesen) {
        if (m_beobachtet.size() != m_spalten.size() || stand.others != m_stand.others ||
            stand.tables != m_stand.tables || stand.untold != m_stand.untold)
            return false;
        std::vector<std::vector<qint64>> geändert;
        std::vector<qint64> positionen;
        for (std::size_t i = 0; i < m_spalten.size(); ++i) {
            const auto& [tabelle, spalte] = m_spalten[i];
            std::optional<std::vector<qint64>> werte = db.Watched(tabelle, spalte, m_beobachtet[i]);
            if (!werte) return false;
            geändert.push_back(std::move(*werte));
            positionen.push_back(db.WatchPosition(tabelle, spalte));
        }
        if (!nachlesen(db, m_daten, geändert)) return false;
        m_stand = stand;
        m_beobachtet = std::move(positionen);
        return true;
    }

    const std::vector<std::string> m_tabellen;
    const std::vector<std::pair<std::string, std::string>> m_spalten;
    std::weak_ptr<dao::Database> m_db;
    dao::FileState m_stand;
    std::vector<qint64> m_beobachtet;
    T m_daten{};
    int m_einlesungen = 0;

    std::future<T> m_vorgelesen;
    std::weak_ptr<dao::Database> m_vorgelesenFür;
    dao::FileState m_vorgelesenStand;
    std::vector<qint64> m_vorgelesenBeobachtet;
};
