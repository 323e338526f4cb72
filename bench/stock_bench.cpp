// How long the windows take on a catalogue of 20,000 cocktails with five
// ingredient lines each: the bar stock window's search for mixable cocktails,
// and opening the recipe viewer with its list of every cocktail.

#include "BigCatalogue.h"
#include "app/HauptModul.h"
#include "stock/KqZutaten.h"
#include "toolkit/Controls.h"
#include "toolkit/Form.h"
#include "viewer/KqRezepte.h"

#include <QApplication>
#include <QCheckBox>
#include <benchmark/benchmark.h>

namespace {

void Search(benchmark::State& state, bool drinksOnly) {
    KqZutaten& window = KqZutaten::Instance();
    window.AGetränke()->setChecked(drinksOnly);
    for (auto _ : state) {
        window.InitCocktails();
        benchmark::DoNotOptimize(window.LCocktails()->count());
    }
}

void MixableDrinksOnly(benchmark::State& state) {
    Search(state, true);
}
void MixableEveryLine(benchmark::State& state) {
    Search(state, false);
}
BENCHMARK(MixableDrinksOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(MixableEveryLine)->Unit(benchmark::kMillisecond);

void OpenViewer(benchmark::State& state) {
    for (auto _ : state) {
        KqRezepte& viewer = KqRezepte::Instance();
        benchmark::DoNotOptimize(&viewer);
        state.PauseTiming();
        viewer.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(OpenViewer)->Unit(benchmark::kMillisecond);

void ShowSheet(benchmark::State& state) {
    KqRezepte& viewer = KqRezepte::Instance();
    int n = 0;
    for (auto _ : state)
        viewer.Start(QStringLiteral("Mischung Nr. %1 Ä").arg(1 + n++ % kCocktails));
}
BENCHMARK(ShowSheet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Catalogue catalogue;
    HauptModul::Datenbank = catalogue.db;
    benchmark::RunSpecifiedBenchmarks();
    toolkit::DiscardAll();
    HauptModul::Datenbank.reset();
    benchmark::Shutdown();
    return 0;
}
