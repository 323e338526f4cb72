#pragma once
// Helpers for the viewer's tests: a measurement with predictable widths, and records written
// straight into the test database.

#include "dao/Dao.h"
#include "dao/Text.h"
#include "viewer/Blatt.h"

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace viewertest {

// A character is 10 twips per point wide, 10 more in bold; a line is 25 twips per point high.
// 9 pt: 90 and 225; 10 pt bold: 110 and 250; 14 pt bold: 150 and 350.
inline double LineHeight(double points) {
    return points * 25;
}
inline Blatt::Metrics FixedMetrics() {
    return {[](const QString& text, double points, bool bold) {
                return static_cast<double>(text.size()) * (points * 10 + (bold ? 10 : 0));
            },
            [](double points, bool) { return LineHeight(points); }};
}

// Adds a record through a record set, fields from firstField on; returns its counter.
inline int AddRecord(dao::Database& db, const QString& table, const QList<dao::Value>& values,
                     int firstField = 1) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM ") + table);
    rs.AddNew();
    const int nr = firstField > 0 ? rs.Fields(0).ToInt() : 0;
    for (int i = 0; i < values.size(); ++i)
        rs.Fields(firstField + i) = values.at(i);
    rs.Update();
    rs.Close();
    return nr;
}

// name, beschreibung, zubereitung, bewertung, erfinder, url
inline int AddCocktail(dao::Database& db, const QList<dao::Value>& values) {
    return AddRecord(db, QStringLiteral("cocktails"), values);
}

// Number of the entry of zutaten or deko with this name, added when missing.
inline int Catalogue(dao::Database& db, const QString& table, const QString& name) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT nr FROM ") + table +
                                         QStringLiteral(" WHERE name = ") + dao::Quoted(name));
    const int nr = rs.Eof() ? 0 : rs.Fields(0).ToInt();
    rs.Close();
    return nr > 0 ? nr : AddRecord(db, table, {name});
}

inline void AddZutatenzeile(dao::Database& db, int cocktail, const QString& zutat,
                            const dao::Value& menge, const dao::Value& note = {},
                            const QString& variation = {}, const dao::Value& variationsmenge = {}) {
    const int alt = variation.isEmpty() ? 0 : Catalogue(db, QStringLiteral("zutaten"), variation);
    AddRecord(db, QStringLiteral("zutatenliste"),
              {cocktail, Catalogue(db, QStringLiteral("zutaten"), zutat), menge, alt,
               variationsmenge, true, note},
              0);
}

inline void AddDekozeile(dao::Database& db, int cocktail, const QString& deko,
                         const dao::Value& note = {}) {
    AddRecord(db, QStringLiteral("dekoliste"),
              {cocktail, Catalogue(db, QStringLiteral("deko"), deko), note}, 0);
}

} // namespace viewertest
