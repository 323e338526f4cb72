#pragma once
// What the bar stock window needs of the whole catalogue, kept in memory: which ingredients each
// cocktail's lines name, and each ingredient's name and drink flag. It is read from the file on
// first use and read again whenever the file has changed since (this run stored a cocktail or
// changed the catalogue, or another run of the program wrote the file), so every answer is the
// one the file gives at the moment it is asked. A change of a setup's stock alone costs nothing:
// the stock is read afresh for every search.

#include "dao/Dao.h"
#include "stock/Gehalten.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <future>
#include <memory>
#include <unordered_map>
#include <vector>

class Rezeptbestand {
public:
    // The program's one copy.
    static Rezeptbestand& Instance();

    // The cocktails the setup's stock can mix, in the order of their numbers. With nurGetränke a
    // line counts only when its ingredient is flagged as a drink (an empty flag is not),
    // otherwise every line counts; a counting line needs its ingredient in the setup's stock. A
    // line whose ingredient is no longer in the catalogue is never satisfied. Cocktails without
    // lines or without a name are not listed. A setup number that is not stored (0) has an empty
    // stock.
    QStringList Mixbar(const std::shared_ptr<dao::Database>& db, int setup, bool nurGetränke);

    struct Gebrauch {
        int zeilen; // ingredient lines, over all cocktails, naming an ingredient of this name
        QString name;
    };
    // Every ingredient name used on at least one line, most used first, equal numbers in German
    // order. Ingredients without a name are left out.
    std::vector<Gebrauch> NachGebrauch(const std::shared_ptr<dao::Database>& db);

    // Times the catalogue was read whole so far (for tests and measurements).
    int Einlesungen() const { return m_gehalten.Einlesungen(); }

    // Begins reading the catalogue in the background, on a connection of its own to the same
    // file, so that the first search finds it read: the program does so at start, while the
    // user looks at the menu. The first search waits for the reading if it is not done yet and
    // reads itself if it failed. danach, when given, runs next in the background on the same
    // connection, whether the reading succeeded or not.
    void Vorlesen(const std::shared_ptr<dao::Database>& db,
                  std::function<std::shared_ptr<dao::Database>()> eigeneVerbindung,
                  std::function<void(dao::Database*)> danach = {});

    // The catalogue as the searches read it, in one go.
    struct Daten {
        // Ingredients by position; lines name them by position, -1 for a vanished ingredient.
        std::vector<qint64> zutatNr;
        std::vector<char> getränk;
        std::vector<QString> zutatName;
        std::vector<char> benannt; // false for an ingredient whose name is empty (Null)
        std::unordered_map<qint64, int> position; // by number
        // Cocktails with at least one line, by number (cocktailNr): their names are
        // namen[nameAnfang[i] .. nameAnfang[i + 1]) in UTF-8, their lines
        // zeilen[ersteZeile[i] .. ersteZeile[i + 1]). Only those with a stored record and a
        // name (benannt) are ever listed; the others' lines count for the ingredients' use.
        QByteArray namen;
        std::vector<qint64> cocktailNr;
        std::vector<char> cocktailBenannt;
        std::vector<qsizetype> nameAnfang;
        std::vector<std::size_t> ersteZeile;
        std::vector<int> zeilen;
        // Lines of all cocktails (stored or not) per ingredient position.
        std::vector<int> zeilenJeZutat;
    };

    // Reads it; inside a transaction of the caller it is one state of the file.
    static Daten Lesen(dao::Database& db);
    // The rule of Mixbar on data already read: the positions (into ersteZeile) of the cocktails
    // mixable when imBestand[p] tells whether the ingredient at position p is in stock.
    static std::vector<std::size_t> Mixbare(const Daten& d, const std::vector<char>& imBestand,
                                            bool nurGetränke);

private:
    Rezeptbestand();
    const Daten& Aktualisieren(const std::shared_ptr<dao::Database>& db);
    // Brings d up to date by reading again only the cocktails whose record or lines this run
    // changed (their numbers noted per watched column); false when an ingredient changed or too
    // many cocktails did.
    static bool Nachlesen(dao::Database& db, Daten& d,
                          const std::vector<std::vector<qint64>>& geändert);

    Gehalten<Daten> m_gehalten;
};
