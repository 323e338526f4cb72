#include "stock/Cocktailliste.h"

#include "dao/Text.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <optional>
#include <string>
#include <utility>

Cocktailliste& Cocktailliste::Instance() {
    static Cocktailliste liste;
    return liste;
}

Cocktailliste::Cocktailliste() : m_gehalten({"cocktails"}, {{"cocktails", "nr"}}) {}

void Cocktailliste::Vormerken(const std::shared_ptr<dao::Database>& db,
                              std::future<Liste> gelesen) {
    m_gehalten.Vormerken(db, std::move(gelesen));
}

const Cocktailliste::Liste& Cocktailliste::Aktuell(const std::shared_ptr<dao::Database>& db) {
    return m_gehalten.Aktuell(db, &Lesen, &Nachlesen);
}

bool Cocktailliste::Nachlesen(dao::Database& db, Liste& l,
                              const std::vector<std::vector<qint64>>& geändert) {
    std::vector<qint64> nummern = geändert[0];
    const QByteArray liste = Schlüsselliste(nummern);
    // Many changes are put in place faster by reading all.
    if (nummern.size() > 500) return false;
    std::vector<std::pair<QByteArray, qint64>> gelesen;
    db.ReadEngineRows("SELECT name, nr FROM cocktails WHERE nr IN (" + liste + ")",
                      [&gelesen](const dao::EngineRow& row) {
                          gelesen.emplace_back(row.Utf8(0).toByteArray(), row.Int(1));
                      });

    // The changed cocktails leave their places and come back at the places of their names.
    std::size_t behalten = 0;
    for (std::size_t i = 0; i < l.nummern.size(); ++i) {
        if (std::binary_search(nummern.begin(), nummern.end(), l.nummern[i])) continue;
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
