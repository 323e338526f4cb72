#pragma once
// Fixture for the bar stock window: the database open as the program's, helpers for a small
// hand-made catalogue, and the window's calls of the recipe viewer recorded.

#include "ProgramTest.h"
#include "dao/Text.h"
#include "stock/KqZutaten.h"
#include "toolkit/Controls.h"

#include <QStringList>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

class StockTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        HauptModul::Datenbank = db.Shared();
        m_start = KqZutaten::RezepteStart;
        m_anzeigen = KqZutaten::RezepteAnzeigen;
        KqZutaten::RezepteStart = [this](const QString& c) {
            viewerCalls.emplace_back(QStringLiteral("Start"), c);
            m_start(c);
        };
        KqZutaten::RezepteAnzeigen = [this](const QString& c) {
            viewerCalls.emplace_back(QStringLiteral("Anzeigen"), c);
            m_anzeigen(c);
        };
    }
    void TearDown() override {
        KqZutaten::RezepteStart = m_start;
        KqZutaten::RezepteAnzeigen = m_anzeigen;
        ProgramTest::TearDown();
    }

    // Stores a record; returns its counter (0 for tables without one).
    int Insert(const QString& table, const std::vector<std::pair<QString, dao::Value>>& fields) {
        dao::Recordset rs = db.Db().OpenRecordset("SELECT * FROM " + table + " WHERE 0 = 1");
        rs.AddNew();
        const int nr = rs.Fields(0).Name() == QLatin1String("nr") ? rs.Fields(0).ToInt() : 0;
        for (const auto& [name, value] : fields)
            rs.Fields(name) = value;
        rs.Update();
        return nr;
    }
    // getränk nullopt: the drink flag is Null.
    int Zutat(const QString& name, std::optional<bool> getränk) {
        const int nr = Insert("zutaten", {{"name", name}});
        if (getränk)
            db.Db().Execute(QStringLiteral("UPDATE zutaten SET getränk = %1 WHERE nr = %2")
                                .arg(*getränk ? 1 : 0)
                                .arg(nr));
        return nr;
    }
    // One ingredient line per entry; the line of `optional` is not mandatory.
    int Cocktail(const QString& name, std::initializer_list<int> zutaten, int optional = -1) {
        const int nr = Insert("cocktails", {{"name", name}});
        for (int zutat : zutaten)
            Zeile(nr, zutat, zutat != optional);
        return nr;
    }
    void Zeile(int cocktail, int zutat, bool pflicht = true) {
        Insert("zutatenliste", {{"cocktail", cocktail}, {"zutat", zutat}, {"pflicht", pflicht}});
    }
    int Setup(const QString& name, std::initializer_list<int> zutaten) {
        const int nr = Insert("zutatensetup", {{"name", name}});
        for (int zutat : zutaten)
            Insert("zutatensetupvorrat", {{"setup", nr}, {"zutat", zutat}});
        return nr;
    }
    // Stock rows of the setup of that name.
    int Vorrat(const QString& setup) {
        return db.Count("SELECT * FROM zutatensetupvorrat a INNER JOIN zutatensetup b ON "
                        "a.setup = b.nr WHERE b.name = " +
                        dao::Quoted(setup));
    }

    template <class List> static QStringList Entries(const List* list) {
        QStringList entries;
        for (int i = 0; i < list->ListCount(); ++i)
            entries << list->List(i);
        return entries;
    }

    // The viewer calls: ("Start" or "Anzeigen", cocktail).
    std::vector<std::pair<QString, QString>> viewerCalls;

private:
    std::function<void(const QString&)> m_start;
    std::function<void(const QString&)> m_anzeigen;
};
