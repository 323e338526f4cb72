#include "web/Sammlung.h"

#include "dao/Dao.h"
#include "dao/Text.h"
#include "stock/Rezeptbestand.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace web {

namespace {

// The number as a page's number, or 0 when it names no page.
int Seitennummer(const dao::EngineRow& row, int column) {
    if (!row.IsInteger(column)) return 0;
    const qint64 nr = row.Int(column);
    return nr >= 1 && nr <= std::numeric_limits<int>::max() ? static_cast<int>(nr) : 0;
}

// German order of the names; a Null name before every other, equal names by number.
template <typename T, typename Name> void DeutschOrdnen(std::vector<T>& v, Name name) {
    std::stable_sort(v.begin(), v.end(), [&](const T& a, const T& b) {
        return dao::CompareGerman(name(a), name(b)) < 0;
    });
}

void PositionenOrdnen(std::vector<int>& positionen) {
    // Cocktails are in German order already: their positions are too.
    std::sort(positionen.begin(), positionen.end());
    positionen.erase(std::unique(positionen.begin(), positionen.end()), positionen.end());
}

} // namespace

Sammlung SammlungLesen(dao::Database& db) {
    Sammlung s;

    // The cocktails; the order is the viewer's: a Null name first, then German order.
    db.ReadEngineRows(
        "SELECT nr, name, beschreibung, zubereitung, bewertung, erfinder, url "
        "FROM cocktails",
        [&](const dao::EngineRow& row) {
            const int nr = Seitennummer(row, 0);
            if (nr == 0) return;
            Cocktail c;
            c.nr = nr;
            c.benannt = !row.IsNull(1);
            c.name = row.Get(1).ToText();
            c.beschreibung = row.Get(2).ToText();
            c.zubereitung = row.Get(3).ToText();
            // A blank value is left out as a Null one is.
            for (auto [feld, wert] :
                 {std::pair{4, &c.bewertung}, std::pair{5, &c.erfinder}, std::pair{6, &c.url}}) {
                const QString text = row.Get(feld).ToText();
                if (!row.IsNull(feld) && !text.trimmed().isEmpty()) *wert = text;
            }
            s.cocktails.push_back(std::move(c));
        });
    std::sort(s.cocktails.begin(), s.cocktails.end(), [](const Cocktail& a, const Cocktail& b) {
        if (a.benannt != b.benannt) return !a.benannt;
        const int vergleich = dao::CompareGerman(a.name, b.name);
        return vergleich != 0 ? vergleich < 0 : a.nr < b.nr;
    });
    std::unordered_map<qint64, int> cocktailPos;
    cocktailPos.reserve(s.cocktails.size());
    for (std::size_t i = 0; i < s.cocktails.size(); ++i)
        cocktailPos.emplace(s.cocktails[i].nr, static_cast<int>(i));
    // The cocktail a line names: only a whole number equals a number.
    const auto cocktailVon = [&](const dao::EngineRow& row, int column) {
        if (!row.IsInteger(column)) return -1;
        const auto it = cocktailPos.find(row.Int(column));
        return it == cocktailPos.end() ? -1 : it->second;
    };

    std::unordered_map<qint64, int> zutatPos;
    db.ReadEngineRows("SELECT nr, name, beschreibung, alkohol, getränk FROM zutaten",
                      [&](const dao::EngineRow& row) {
                          Zutat z;
                          z.nr = row.Int(0);
                          z.seite = Seitennummer(row, 0) != 0;
                          z.name = row.Get(1).ToText();
                          z.beschreibung = row.Get(2).ToText();
                          z.alkohol = row.Get(3).ToBool();
                          z.getränk = row.Get(4).ToBool();
                          zutatPos.emplace(z.nr, static_cast<int>(s.zutaten.size()));
                          s.zutaten.push_back(std::move(z));
                      });
    const auto zutatVon = [&](const dao::EngineRow& row, int column) {
        if (!row.IsInteger(column)) return -1;
        const auto it = zutatPos.find(row.Int(column));
        return it == zutatPos.end() ? -1 : it->second;
    };

    // The lines in the order they were stored. A line whose ingredient the catalogue no longer
    // has is not shown, as on the recipe sheet; an alternative is named by a whole number above
    // 0 only.
    db.ReadEngineRows(
        "SELECT cocktail, zutat, menge, variation, variationsmenge, beschreibung "
        "FROM zutatenliste ORDER BY rowid",
        [&](const dao::EngineRow& row) {
            const int c = cocktailVon(row, 0);
            const int z = zutatVon(row, 1);
            if (c < 0 || z < 0) return;
            Zeile zeile;
            zeile.zutat = z;
            zeile.menge = row.Get(2).ToText();
            const int variation = row.Get(3).AsRecordNumber().value_or(0);
            if (variation > 0) {
                zeile.variation = true;
                const auto it = zutatPos.find(variation);
                zeile.variationZutat = it == zutatPos.end() ? -1 : it->second;
                zeile.variationsmenge = row.Get(4).ToText();
                if (zeile.variationZutat >= 0)
                    s.zutaten[static_cast<std::size_t>(zeile.variationZutat)].cocktails.push_back(
                        c);
            }
            zeile.beschreibung = row.Get(5).ToText();
            s.zutaten[static_cast<std::size_t>(z)].cocktails.push_back(c);
            s.cocktails[static_cast<std::size_t>(c)].zeilen.push_back(std::move(zeile));
        });
    for (Zutat& z : s.zutaten)
        PositionenOrdnen(z.cocktails);

    std::unordered_map<qint64, QString> dekoName;
    db.ReadEngineRows("SELECT nr, name FROM deko", [&](const dao::EngineRow& row) {
        dekoName.emplace(row.Int(0), row.Get(1).ToText());
    });
    db.ReadEngineRows("SELECT cocktail, deko, beschreibung FROM dekoliste ORDER BY rowid",
                      [&](const dao::EngineRow& row) {
                          const int c = cocktailVon(row, 0);
                          if (c < 0 || !row.IsInteger(1)) return;
                          const auto it = dekoName.find(row.Int(1));
                          if (it == dekoName.end()) return;
                          s.cocktails[static_cast<std::size_t>(c)].deko.push_back(
                              {it->second, row.Get(2).ToText()});
                      });

    std::unordered_map<qint64, int> gruppePos;
    std::vector<qint64> gruppeNr;
    db.ReadEngineRows("SELECT nr, name, beschreibung FROM cocktailgruppen",
                      [&](const dao::EngineRow& row) {
                          gruppeNr.push_back(row.Int(0));
                          s.gruppen.push_back({row.Get(1).ToText(), row.Get(2).ToText(), {}});
                      });
    {
        // German order first, so that positions stay.
        std::vector<int> folge(s.gruppen.size());
        for (std::size_t i = 0; i < folge.size(); ++i)
            folge[i] = static_cast<int>(i);
        std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) {
            return dao::CompareGerman(s.gruppen[static_cast<std::size_t>(a)].name,
                                      s.gruppen[static_cast<std::size_t>(b)].name) < 0;
        });
        std::vector<Gruppe> geordnet;
        for (std::size_t i = 0; i < folge.size(); ++i) {
            geordnet.push_back(std::move(s.gruppen[static_cast<std::size_t>(folge[i])]));
            gruppePos.emplace(gruppeNr[static_cast<std::size_t>(folge[i])], static_cast<int>(i));
        }
        s.gruppen = std::move(geordnet);
    }
    db.ReadEngineRows("SELECT gruppe, cocktail FROM gruppenzugehörigkeit ORDER BY rowid",
                      [&](const dao::EngineRow& row) {
                          const int c = cocktailVon(row, 1);
                          if (c < 0 || !row.IsInteger(0)) return;
                          const auto it = gruppePos.find(row.Int(0));
                          if (it == gruppePos.end()) return;
                          s.gruppen[static_cast<std::size_t>(it->second)].cocktails.push_back(c);
                          s.cocktails[static_cast<std::size_t>(c)].gruppen.push_back(it->second);
                      });
    for (Gruppe& g : s.gruppen)
        PositionenOrdnen(g.cocktails);
    for (Cocktail& c : s.cocktails) {
        std::sort(c.gruppen.begin(), c.gruppen.end());
        c.gruppen.erase(std::unique(c.gruppen.begin(), c.gruppen.end()), c.gruppen.end());
    }

    // The setups with what the bar stock window finds for them: the same reading and rule.
    const Rezeptbestand::Daten bestand = Rezeptbestand::Lesen(db);
    std::unordered_map<qint64, int> setupPos;
    db.ReadEngineRows("SELECT nr, name, beschreibung FROM zutatensetup",
                      [&](const dao::EngineRow& row) {
                          const int nr = Seitennummer(row, 0);
                          if (nr == 0) return;
                          Setup setup;
                          setup.nr = nr;
                          setup.name = row.Get(1).ToText();
                          setup.beschreibung = row.Get(2).ToText();
                          s.setups.push_back(std::move(setup));
                      });
    DeutschOrdnen(s.setups, [](const Setup& x) -> const QString& { return x.name; });
    for (std::size_t i = 0; i < s.setups.size(); ++i)
        setupPos.emplace(s.setups[i].nr, static_cast<int>(i));
    std::vector<std::vector<char>> imBestand(s.setups.size());
    db.ReadEngineRows(
        "SELECT setup, zutat FROM zutatensetupvorrat", [&](const dao::EngineRow& row) {
            if (!row.IsInteger(0)) return;
            const auto setup = setupPos.find(row.Int(0));
            const int z = zutatVon(row, 1);
            if (setup == setupPos.end() || z < 0) return;
            s.setups[static_cast<std::size_t>(setup->second)].vorrat.push_back(z);
            std::vector<char>& vorrat = imBestand[static_cast<std::size_t>(setup->second)];
            vorrat.resize(bestand.zutatNr.size());
            const auto p = bestand.position.find(row.Int(1));
            if (p != bestand.position.end()) vorrat[static_cast<std::size_t>(p->second)] = 1;
        });
    for (std::size_t i = 0; i < s.setups.size(); ++i) {
        Setup& setup = s.setups[i];
        std::sort(setup.vorrat.begin(), setup.vorrat.end());
        setup.vorrat.erase(std::unique(setup.vorrat.begin(), setup.vorrat.end()),
                           setup.vorrat.end());
        std::stable_sort(setup.vorrat.begin(), setup.vorrat.end(), [&](int a, int b) {
            return dao::CompareGerman(s.zutaten[static_cast<std::size_t>(a)].name,
                                      s.zutaten[static_cast<std::size_t>(b)].name) < 0;
        });
        for (const bool nurGetränke : {true, false}) {
            struct Treffer {
                QString name;
                int seite;
            };
            std::vector<Treffer> treffer;
            for (const std::size_t c : Rezeptbestand::Mixbare(bestand, imBestand[i], nurGetränke)) {
                const auto it = cocktailPos.find(bestand.cocktailNr[c]);
                treffer.push_back({QString::fromUtf8(QByteArrayView(bestand.namen)
                                                         .sliced(bestand.nameAnfang[c],
                                                                 bestand.nameAnfang[c + 1] -
                                                                     bestand.nameAnfang[c])),
                                   it == cocktailPos.end() ? -1 : it->second});
            }
            DeutschOrdnen(treffer, [](const Treffer& t) -> const QString& { return t.name; });
            for (Treffer& t : treffer) {
                (nurGetränke ? setup.nurGetränke : setup.alle).push_back(std::move(t.name));
                (nurGetränke ? setup.nurGetränkeSeite : setup.alleSeite).push_back(t.seite);
            }
        }
    }
    return s;
}

} // namespace web
