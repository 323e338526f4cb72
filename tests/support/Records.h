#pragma once
// Records written straight into a test database through the store's record sets, the entries
// of a list control, and QString printed readably in failure messages.

#include "dao/Dao.h"
#include "dao/Text.h"

#include <QStringList>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// The entries of a list or combo box, top to bottom.
template <class List> QStringList Entries(const List* list) {
    QStringList entries;
    for (int i = 0; i < list->ListCount(); ++i)
        entries << list->List(i);
    return entries;
}

namespace records {

// The failure f raises (number 0 when it raises none), and its number.
template <class F> dao::Error FailureOf(F&& f) {
    try {
        f();
    } catch (const dao::Error& e) {
        return e;
    }
    return dao::Error(0, {});
}
template <class F> int ErrorOf(F&& f) {
    return FailureOf(f).Number();
}

// One field of every record a statement finds, as text.
inline QStringList Column(dao::Database& db, const QString& sql, int field = 0) {
    QStringList out;
    for (dao::Recordset rs = db.OpenRecordset(sql); !rs.Eof(); rs.MoveNext())
        out << rs.Fields(field).ToText();
    return out;
}

using Fields = std::vector<std::pair<QString, dao::Value>>;

// Stores a record; returns its counter (0 for tables without one).
inline int Insert(dao::Database& db, const QString& table, const Fields& fields) {
    dao::Recordset rs = db.OpenRecordset("SELECT * FROM " + table + " WHERE 0 = 1");
    rs.AddNew();
    const int nr = rs.Fields(0).Name() == QLatin1String("nr") ? rs.Fields(0).ToInt() : 0;
    for (const auto& [name, value] : fields)
        rs.Fields(name) = value;
    rs.Update();
    return nr;
}

// An ingredient; without getränk its drink flag stays Null.
inline int Zutat(dao::Database& db, const QString& name, std::optional<bool> getränk = {}) {
    Fields fields{{"name", name}};
    if (getränk) fields.emplace_back("getränk", *getränk);
    return Insert(db, "zutaten", fields);
}

// The number of the entry of zutaten or deko with this name, stored when missing.
inline int Catalogue(dao::Database& db, const QString& table, const QString& name) {
    dao::Recordset rs =
        db.OpenRecordset("SELECT nr FROM " + table + " WHERE name = " + dao::Quoted(name));
    return rs.Eof() ? Insert(db, table, {{"name", name}}) : rs.Fields(0).ToInt();
}

// A cocktail from its fields in stored order (name, beschreibung, zubereitung, bewertung,
// erfinder, url), with one ingredient line per number; the line of `optional` is not mandatory.
inline int Cocktail(dao::Database& db, const QList<dao::Value>& values,
                    std::initializer_list<int> zutaten = {}, int optional = -1) {
    static const char* const names[] = {"name",      "beschreibung", "zubereitung",
                                        "bewertung", "erfinder",     "url"};
    Fields fields;
    for (int i = 0; i < values.size(); ++i)
        fields.emplace_back(names[i], values.at(i));
    const int nr = Insert(db, "cocktails", fields);
    for (int zutat : zutaten)
        Insert(db, "zutatenliste",
               {{"cocktail", nr}, {"zutat", zutat}, {"pflicht", zutat != optional}});
    return nr;
}

// An ingredient line by names, the ingredients stored when missing.
inline void Zutatenzeile(dao::Database& db, int cocktail, const QString& zutat,
                         const dao::Value& menge, const dao::Value& beschreibung = {},
                         const QString& variation = {}, const dao::Value& variationsmenge = {}) {
    Insert(db, "zutatenliste",
           {{"cocktail", cocktail},
            {"zutat", Catalogue(db, "zutaten", zutat)},
            {"menge", menge},
            {"variation", variation.isEmpty() ? 0 : Catalogue(db, "zutaten", variation)},
            {"variationsmenge", variationsmenge},
            {"pflicht", true},
            {"beschreibung", beschreibung}});
}

inline void Dekozeile(dao::Database& db, int cocktail, const QString& deko,
                      const dao::Value& beschreibung = {}) {
    Insert(db, "dekoliste",
           {{"cocktail", cocktail},
            {"deko", Catalogue(db, "deko", deko)},
            {"beschreibung", beschreibung}});
}

// An ingredient setup holding these ingredients.
inline int Zutatensetup(dao::Database& db, const QString& name,
                        std::initializer_list<int> zutaten) {
    const int nr = Insert(db, "zutatensetup", {{"name", name}});
    for (int zutat : zutaten)
        Insert(db, "zutatensetupvorrat", {{"setup", nr}, {"zutat", zutat}});
    return nr;
}

} // namespace records
