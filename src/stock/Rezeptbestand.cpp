#include "stock/Rezeptbestand.h"

#include "dao/Text.h"

#include <algorithm>
#include <string>

namespace {

// The tables whose records the kept data reflects.
const std::vector<std::string> kTabellen = {"cocktails", "zutatenliste", "zutaten"};

} // namespace

Rezeptbestand& Rezeptbestand::Instance() {
    static Rezeptbestand bestand;
    return bestand;
}

void Rezeptbestand::Aktualisieren(const std::shared_ptr<dao::Database>& db) {
    const dao::FileState stand = db->State(kTabellen);
    if (m_db.lock() == db && stand == m_stand) return;
    Einlesen(*db);
    m_db = db;
    m_stand = stand;
}

void Rezeptbestand::Einlesen(dao::Database& db) {
    ++m_einlesungen;
    m_zutatNr.clear();
    m_getränk.clear();
    m_zutatName.clear();
    m_benannt.clear();
    m_position.clear();
    m_cocktailName.clear();
    m_ersteZeile.clear();
    m_zeilen.clear();

    db.ReadEngineRows("SELECT nr, name, getränk FROM zutaten", [this](const dao::EngineRow& row) {
        m_position.emplace(row.Int(0), static_cast<int>(m_zutatNr.size()));
        m_zutatNr.push_back(static_cast<int>(row.Int(0)));
        m_benannt.push_back(!row.IsNull(1));
        m_zutatName.push_back(row.Get(1).ToText());
        // Read as a record set reads it: any value other than 0 is true, an empty one false.
        m_getränk.push_back(row.Get(2).ToBool());
    });
    m_zeilenJeZutat.assign(m_zutatNr.size(), 0);

    // Cocktails only count with a name.
    std::unordered_map<qint64, QString> namen;
    db.ReadEngineRows("SELECT nr, name FROM cocktails", [&namen](const dao::EngineRow& row) {
        QString name = row.Get(1).ToText();
        if (!name.isEmpty()) namen.emplace(row.Int(0), std::move(name));
    });

    // The lines, those of one cocktail one after another (the index on cocktail and ingredient
    // delivers them so). Lines of a cocktail that is not stored count for the ingredients' use.
    qint64 cocktail = 0;
    bool ersteZeile = true;
    bool behalten = false;
    db.ReadEngineRows("SELECT cocktail, zutat FROM zutatenliste ORDER BY cocktail",
                      [&](const dao::EngineRow& row) {
                          const auto gefunden = m_position.find(row.Int(1));
                          const int zutat = gefunden == m_position.end() ? -1 : gefunden->second;
                          if (zutat >= 0) ++m_zeilenJeZutat[static_cast<std::size_t>(zutat)];
                          if (ersteZeile || row.Int(0) != cocktail) {
                              ersteZeile = false;
                              cocktail = row.Int(0);
                              const auto name = namen.find(cocktail);
                              behalten = name != namen.end();
                              if (behalten) {
                                  m_cocktailName.append(name->second);
                                  m_ersteZeile.push_back(static_cast<int>(m_zeilen.size()));
                              }
                          }
                          if (behalten) m_zeilen.push_back(zutat);
                      });
    m_ersteZeile.push_back(static_cast<int>(m_zeilen.size()));
}

QStringList Rezeptbestand::Mixbar(const std::shared_ptr<dao::Database>& db, int setup,
                                  bool nurGetränke) {
    Aktualisieren(db);
    // Whether a line naming the ingredient is satisfied: it does not count, or it is in stock.
    std::vector<char> gut(m_zutatNr.size());
    for (std::size_t i = 0; i < gut.size(); ++i)
        gut[i] = nurGetränke && !m_getränk[i];
    db->ReadEngineRows("SELECT zutat FROM zutatensetupvorrat WHERE setup = " +
                           QByteArray::number(setup),
                       [this, &gut](const dao::EngineRow& row) {
                           const auto zutat = m_position.find(row.Int(0));
                           if (zutat != m_position.end())
                               gut[static_cast<std::size_t>(zutat->second)] = 1;
                       });

    QStringList mixbar;
    for (qsizetype c = 0; c < m_cocktailName.size(); ++c) {
        const auto anfang = m_zeilen.begin() + m_ersteZeile[static_cast<std::size_t>(c)];
        const auto ende = m_zeilen.begin() + m_ersteZeile[static_cast<std::size_t>(c) + 1];
        if (std::all_of(anfang, ende, [&gut](int zutat) {
                return zutat >= 0 && gut[static_cast<std::size_t>(zutat)];
            }))
            mixbar.append(m_cocktailName.at(c));
    }
    return mixbar;
}

std::vector<Rezeptbestand::Gebrauch>
Rezeptbestand::NachGebrauch(const std::shared_ptr<dao::Database>& db) {
    Aktualisieren(db);
    // Ingredients of the same name count together.
    std::unordered_map<QString, std::size_t> stelle;
    std::vector<Gebrauch> gebrauch;
    for (std::size_t i = 0; i < m_zutatNr.size(); ++i) {
        if (!m_benannt[i] || m_zeilenJeZutat[i] == 0) continue;
        const auto [it, neu] = stelle.emplace(m_zutatName[i], gebrauch.size());
        if (neu)
            gebrauch.push_back({m_zeilenJeZutat[i], m_zutatName[i]});
        else
            gebrauch[it->second].zeilen += m_zeilenJeZutat[i];
    }
    std::sort(gebrauch.begin(), gebrauch.end(), [](const Gebrauch& a, const Gebrauch& b) {
        if (a.zeilen != b.zeilen) return a.zeilen > b.zeilen;
        return dao::CompareGerman(a.name, b.name) < 0;
    });
    return gebrauch;
}
