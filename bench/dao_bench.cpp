// How long the store takes for the statements the windows send most often,
// on a catalogue of 20,000 cocktails with five ingredient lines each.
//
//   cmake --preset default -DVELKOR_BENCH=ON && cmake --build --preset default
//   build/bench/dao_bench

#include "dao/Dao.h"
#include "dao/Text.h"

#include "BigCatalogue.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

Catalogue& Shared() {
    static Catalogue catalogue;
    return catalogue;
}

void DrinkFlagLookUps(benchmark::State& state) {
    auto& c = Shared();
    int n = 0;
    for (auto _ : state) {
        dao::Recordset rs =
            c.db->OpenRecordset(QStringLiteral("SELECT getränk FROM zutaten WHERE nr = ") +
                                QString::number(1 + n++ % c.ingredients));
        if (!rs.Eof()) benchmark::DoNotOptimize(rs.Fields(0).ToBool());
        rs.Close();
    }
}

void DrinkFlagByNumber(benchmark::State& state) {
    DrinkFlagLookUps(state);
}
BENCHMARK(DrinkFlagByNumber);

// The same inside one transaction: the file is locked once, not per statement.
void DrinkFlagByNumberInTransaction(benchmark::State& state) {
    dao::Transaction tx(*Shared().db);
    DrinkFlagLookUps(state);
}
BENCHMARK(DrinkFlagByNumberInTransaction);

void StockTest(benchmark::State& state) {
    auto& c = Shared();
    int n = 0;
    for (auto _ : state) {
        dao::Recordset rs = c.db->OpenRecordset(
            QStringLiteral(
                "SELECT b.nr as [nr], b.name as [name] FROM zutatensetupvorrat a INNER JOIN "
                "zutaten b ON a.zutat = b.nr WHERE a.setup = 1 AND b.nr = ") +
            QString::number(1 + n++ % c.ingredients));
        benchmark::DoNotOptimize(rs.Eof());
        rs.Close();
    }
}
BENCHMARK(StockTest);

void CocktailByName(benchmark::State& state) {
    auto& c = Shared();
    int n = 0;
    for (auto _ : state) {
        const QString name = QStringLiteral("Mischung Nr. %1 Ä").arg(1 + n++ % kCocktails);
        dao::Recordset rs =
            c.db->OpenRecordset(QStringLiteral("SELECT * FROM cocktails WHERE ucase(name) = ") +
                                dao::Quoted(dao::UCase(name)) + QStringLiteral(" "));
        if (rs.Eof()) state.SkipWithError("not found");
        rs.Close();
    }
}
BENCHMARK(CocktailByName);

void CocktailList(benchmark::State& state) {
    auto& c = Shared();
    for (auto _ : state) {
        dao::Recordset rs =
            c.db->OpenRecordset(QStringLiteral("SELECT name FROM cocktails ORDER BY name"));
        benchmark::DoNotOptimize(rs.RecordCount());
        rs.Close();
    }
}
BENCHMARK(CocktailList)->Unit(benchmark::kMillisecond);

void EveryIngredientLine(benchmark::State& state) {
    auto& c = Shared();
    for (auto _ : state) {
        dao::Recordset rs =
            c.db->OpenRecordset(QStringLiteral("SELECT c.nr, c.name, d.zutat FROM cocktails c "
                                               "INNER JOIN zutatenliste d ON c.nr = d.cocktail "
                                               "ORDER BY c.nr"));
        benchmark::DoNotOptimize(rs.RecordCount());
        rs.Close();
    }
}
BENCHMARK(EveryIngredientLine)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Shared();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
