#include "stock/Rezeptbestand.h"

#include "dao/Text.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace {

// The tables whose records the kept data reflects.
const std::vector<std::string> kTabellen = {"cocktails", "zutatenliste", "zutaten"};
// What is noted of this run's changes to them: the cocktails' numbers, the number of the
// cocktail a line belongs to, the ingredients' numbers.
const std::vector<std::pair<std::string, std::string>> kBeobachtet = {
    {"cocktails", "nr"}, {"zutatenliste", "cocktail"}, {"zutaten", "nr"}};
// More changed cocktails than this are read faster all at once.
constexpr std::size_t kHöchstensNachlesen = 2000;

} // namespace

Rezeptbestand& Rezeptbestand::Instance() {
    static Rezeptbestand bestand;
    return bestand;
}

Rezeptbestand::Rezeptbestand() : m_gehalten(kTabellen, kBeobachtet) {}

void Rezeptbestand::Vorlesen(const std::shared_ptr<dao::Database>& db,
                             std::function<std::shared_ptr<dao::Database>()> eigeneVerbindung,
                             std::function<void(dao::Database*)> danach) {
    m_gehalten.Vormerken(
        db, std::async(std::launch::async,
                       [verbinden = std::move(eigeneVerbindung), danach = std::move(danach)] {
                           std::shared_ptr<dao::Database> eigene;
                           std::exception_ptr fehler;
                           Daten gelesen;
                           try {
                               eigene = verbinden();
                               gelesen = Lesen(*eigene);
                           } catch (...) {
                               fehler = std::current_exception();
                           }
                           if (danach) danach(eigene.get());
                           if (fehler) std::rethrow_exception(fehler);
                           return gelesen;
                       }));
}

const Rezeptbestand::Daten& Rezeptbestand::Aktualisieren(const std::shared_ptr<dao::Database>& db) {
    return m_gehalten.Aktuell(db, &Lesen, &Nachlesen);
}

bool Rezeptbestand::Nachlesen(dao::Database& db, Daten& d,
                              const std::vector<std::vector<qint64>>& geändert) {
    // A changed ingredient may change what any line means: all is read again.
    if (!geändert[2].empty()) return false;
    std::vector<qint64> nummern = geändert[0];
    nummern.insert(nummern.end(), geändert[1].begin(), geändert[1].end());
    const QByteArray liste = Schlüsselliste(nummern);
    if (nummern.size() > kHöchstensNachlesen) return false;

    // The changed cocktails' names and lines as they are now.
    std::unordered_map<qint64, QByteArray> namen;
    std::vector<std::pair<qint64, int>> zeilen;
    db.ReadEngineRows("SELECT nr, name FROM cocktails WHERE nr IN (" + liste + ")",
                      [&namen](const dao::EngineRow& row) {
                          if (row.IsInteger(0) && !row.Utf8(1).isEmpty())
                              namen[row.Int(0)] = row.Utf8(1).toByteArray();
                      });
    db.ReadEngineRows("SELECT cocktail, zutat FROM zutatenliste WHERE cocktail IN (" + liste +
                          ") ORDER BY cocktail",
                      [&](const dao::EngineRow& row) {
                          if (!row.IsInteger(0)) return;
                          int zutat = -1;
                          if (row.IsInteger(1)) {
                              const auto p = d.position.find(row.Int(1));
                              if (p != d.position.end()) zutat = p->second;
                          }
                          zeilen.emplace_back(row.Int(0), zutat);
                      });

    // The kept cocktails, those read again in place of their old selves.
    Daten neu;
    const auto zählen = [&d](int zutat, int um) {
        if (zutat >= 0) d.zeilenJeZutat[static_cast<std::size_t>(zutat)] += um;
    };
    const auto anfügen = [&neu](qint64 nr, const QByteArrayView name, bool benannt) {
        neu.cocktailNr.push_back(nr);
        neu.cocktailBenannt.push_back(benannt);
        neu.nameAnfang.push_back(neu.namen.size());
        neu.namen += name;
        neu.ersteZeile.push_back(neu.zeilen.size());
    };
    auto gelesen = zeilen.begin();
    const auto neueBis = [&](qint64 bis) {
        while (gelesen != zeilen.end() && gelesen->first < bis) {
            const qint64 nr = gelesen->first;
            const auto name = namen.find(nr);
            anfügen(nr, name == namen.end() ? QByteArrayView() : QByteArrayView(name->second),
                    name != namen.end());
            for (; gelesen != zeilen.end() && gelesen->first == nr; ++gelesen) {
                neu.zeilen.push_back(gelesen->second);
                zählen(gelesen->second, 1);
            }
        }
    };
    neu.namen.reserve(d.namen.size());
    neu.zeilen.reserve(d.zeilen.size() + zeilen.size());
    for (std::size_t c = 0; c + 1 < d.ersteZeile.size(); ++c) {
        const qint64 nr = d.cocktailNr[c];
        neueBis(nr);
        const auto von = d.zeilen.begin() + static_cast<std::ptrdiff_t>(d.ersteZeile[c]);
        const auto bis = d.zeilen.begin() + static_cast<std::ptrdiff_t>(d.ersteZeile[c + 1]);
        if (std::binary_search(nummern.begin(), nummern.end(), nr)) {
            std::for_each(von, bis, [&zählen](int zutat) { zählen(zutat, -1); });
            continue;
        }
        anfügen(
            nr,
            QByteArrayView(d.namen).sliced(d.nameAnfang[c], d.nameAnfang[c + 1] - d.nameAnfang[c]),
            d.cocktailBenannt[c]);
        neu.zeilen.insert(neu.zeilen.end(), von, bis);
    }
    neueBis(std::numeric_limits<qint64>::max());
    neu.nameAnfang.push_back(neu.namen.size());
    neu.ersteZeile.push_back(neu.zeilen.size());
    d.namen = std::move(neu.namen);
    d.cocktailNr = std::move(neu.cocktailNr);
    d.cocktailBenannt = std::move(neu.cocktailBenannt);
    d.nameAnfang = std::move(neu.nameAnfang);
    d.ersteZeile = std::move(neu.ersteZeile);
    d.zeilen = std::move(neu.zeilen);
    return true;
}

Rezeptbestand::Daten Rezeptbestand::Lesen(dao::Database& db) {
    Daten d;

    // Numbers may be anything a whole number of the engine can be (the file is the user's):
    // negative, zero or beyond 32 bits.
    qint64 kleinsteNr = 0, grössteNr = 0;
    db.ReadEngineRows("SELECT nr, name, getränk FROM zutaten", [&](const dao::EngineRow& row) {
        const qint64 nr = row.Int(0);
        if (d.zutatNr.empty()) kleinsteNr = grössteNr = nr;
        kleinsteNr = std::min(kleinsteNr, nr);
        grössteNr = std::max(grössteNr, nr);
        d.position.emplace(nr, static_cast<int>(d.zutatNr.size()));
        d.zutatNr.push_back(nr);
        d.benannt.push_back(!row.IsNull(1));
        d.zutatName.push_back(row.Get(1).ToText());
        // Read as a record set reads it: any value other than 0 is true, an empty one false.
        d.getränk.push_back(row.Get(2).ToBool());
    });
    d.zeilenJeZutat.assign(d.zutatNr.size(), 0);
    // Numbers as the store gives them are dense from 1 on: a table by number is faster than the
    // map.
    std::vector<int> dicht;
    if (kleinsteNr >= 0 && grössteNr < 4 * static_cast<qint64>(d.zutatNr.size()) + 1024) {
        dicht.assign(static_cast<std::size_t>(grössteNr) + 1, -1);
        for (std::size_t i = 0; i < d.zutatNr.size(); ++i)
            dicht[static_cast<std::size_t>(d.zutatNr[i])] = static_cast<int>(i);
    }
    // The position of the ingredient a line names; -1 when none has that number. Only a whole
    // number names one, as only a whole number equals a number in a join.
    const auto position = [&](const dao::EngineRow& row, int column) {
        if (!row.IsInteger(column)) return -1;
        const qint64 nr = row.Int(column);
        if (!dicht.empty())
            return nr >= 0 && nr < static_cast<qint64>(dicht.size())
                       ? dicht[static_cast<std::size_t>(nr)]
                       : -1;
        const auto gefunden = d.position.find(nr);
        return gefunden == d.position.end() ? -1 : gefunden->second;
    };

    // Cocktails only count with a name; by number, to be met with their lines. The names stay
    // in the store's UTF-8, one after another, until a cocktail is listed.
    struct Name {
        qint64 nr;
        qsizetype anfang;
        qsizetype länge;
    };
    std::vector<Name> namen;
    QByteArray text;
    db.ReadEngineRows("SELECT nr, name FROM cocktails", [&](const dao::EngineRow& row) {
        const QByteArrayView name = row.Utf8(1);
        if (name.isEmpty()) return;
        namen.push_back({row.Int(0), text.size(), name.size()});
        text += name;
    });
    std::sort(namen.begin(), namen.end(), [](const Name& a, const Name& b) { return a.nr < b.nr; });

    // The lines, those of one cocktail one after another and the cocktails by number (the
    // index on cocktail and ingredient delivers them so, whole numbers before any other kind of
    // value). Lines of a cocktail that is not stored count for the ingredients' use; a line
    // whose cocktail is no whole number belongs to none.
    auto name = namen.begin();
    qint64 cocktail = 0;
    bool ersteZeile = true;
    db.ReadEngineRows("SELECT cocktail, zutat FROM zutatenliste ORDER BY cocktail",
                      [&](const dao::EngineRow& row) {
                          const int zutat = position(row, 1);
                          if (zutat >= 0) ++d.zeilenJeZutat[static_cast<std::size_t>(zutat)];
                          if (!row.IsInteger(0)) return;
                          if (ersteZeile || row.Int(0) != cocktail) {
                              ersteZeile = false;
                              cocktail = row.Int(0);
                              while (name != namen.end() && name->nr < cocktail)
                                  ++name;
                              const bool benannt = name != namen.end() && name->nr == cocktail;
                              d.cocktailNr.push_back(cocktail);
                              d.cocktailBenannt.push_back(benannt);
                              d.nameAnfang.push_back(d.namen.size());
                              if (benannt)
                                  d.namen += QByteArrayView(text).sliced(name->anfang, name->länge);
                              d.ersteZeile.push_back(d.zeilen.size());
                          }
                          d.zeilen.push_back(zutat);
                      });
    d.nameAnfang.push_back(d.namen.size());
    d.ersteZeile.push_back(d.zeilen.size());
    return d;
}

QStringList Rezeptbestand::Mixbar(const std::shared_ptr<dao::Database>& db, int setup,
                                  bool nurGetränke) {
    const Daten& d = Aktualisieren(db);
    // Whether a line naming the ingredient is satisfied: it does not count, or it is in stock.
    std::vector<char> gut(d.zutatNr.size());
    for (std::size_t i = 0; i < gut.size(); ++i)
        gut[i] = nurGetränke && !d.getränk[i];
    db->ReadEngineRows("SELECT zutat FROM zutatensetupvorrat WHERE setup = " +
                           QByteArray::number(setup),
                       [&d, &gut](const dao::EngineRow& row) {
                           if (!row.IsInteger(0)) return;
                           const auto zutat = d.position.find(row.Int(0));
                           if (zutat != d.position.end())
                               gut[static_cast<std::size_t>(zutat->second)] = 1;
                       });

    QStringList mixbar;
    for (const std::size_t c : Mixbare(d, gut, false))
        mixbar.append(QString::fromUtf8(QByteArrayView(d.namen).sliced(
            d.nameAnfang[c], d.nameAnfang[c + 1] - d.nameAnfang[c])));
    return mixbar;
}

std::vector<std::size_t> Rezeptbestand::Mixbare(const Daten& d, const std::vector<char>& imBestand,
                                                bool nurGetränke) {
    std::vector<std::size_t> mixbar;
    const auto erfüllt = [&](int zutat) {
        if (zutat < 0) return false;
        const auto p = static_cast<std::size_t>(zutat);
        return (nurGetränke && !d.getränk[p]) || (p < imBestand.size() && imBestand[p]);
    };
    for (std::size_t c = 0; c + 1 < d.ersteZeile.size(); ++c)
        if (d.cocktailBenannt[c] && std::all_of(d.zeilen.begin() + d.ersteZeile[c],
                                                d.zeilen.begin() + d.ersteZeile[c + 1], erfüllt))
            mixbar.push_back(c);
    return mixbar;
}

std::vector<Rezeptbestand::Gebrauch>
Rezeptbestand::NachGebrauch(const std::shared_ptr<dao::Database>& db) {
    const Daten& d = Aktualisieren(db);
    // Ingredients of the same name count together.
    std::unordered_map<QString, std::size_t> stelle;
    std::vector<Gebrauch> gebrauch;
    for (std::size_t i = 0; i < d.zutatNr.size(); ++i) {
        if (!d.benannt[i] || d.zeilenJeZutat[i] == 0) continue;
        const auto [it, neu] = stelle.emplace(d.zutatName[i], gebrauch.size());
        if (neu)
            gebrauch.push_back({d.zeilenJeZutat[i], d.zutatName[i]});
        else
            gebrauch[it->second].zeilen += d.zeilenJeZutat[i];
    }
    // Sorted by their UTF-8 forms, made once, not at each comparison.
    std::vector<std::pair<QByteArray, std::size_t>> reihe;
    reihe.reserve(gebrauch.size());
    for (std::size_t i = 0; i < gebrauch.size(); ++i)
        reihe.emplace_back(gebrauch[i].name.toUtf8(), i);
    std::sort(reihe.begin(), reihe.end(), [&gebrauch](const auto& a, const auto& b) {
        const int za = gebrauch[a.second].zeilen, zb = gebrauch[b.second].zeilen;
        if (za != zb) return za > zb;
        return dao::CompareGerman(a.first.constData(), static_cast<std::size_t>(a.first.size()),
                                  b.first.constData(),
                                  static_cast<std::size_t>(b.first.size())) < 0;
    });
    std::vector<Gebrauch> sortiert;
    sortiert.reserve(gebrauch.size());
    for (const auto& [utf8, i] : reihe)
        sortiert.push_back(std::move(gebrauch[i]));
    return sortiert;
}
