#pragma once
// Fixture for the bar stock window: the database open as the program's, a small hand-made
// catalogue stored through the shared record helpers, and the viewer calls recorded.

#include "ProgramTest.h"
#include "Records.h"
#include "stock/KqZutaten.h"
#include "toolkit/Controls.h"

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

    // The database the record helpers write to.
    dao::Database& d = db.Db();
    // Stock rows of the setup of that name.
    int Vorrat(const QString& setup) {
        return db.Count("SELECT * FROM zutatensetupvorrat a INNER JOIN zutatensetup b ON "
                        "a.setup = b.nr WHERE b.name = " +
                        dao::Quoted(setup));
    }

    // The viewer calls: ("Start" or "Anzeigen", cocktail).
    std::vector<std::pair<QString, QString>> viewerCalls;

private:
    std::function<void(const QString&)> m_start;
    std::function<void(const QString&)> m_anzeigen;
};
