// A selection search runs all fifteen models on one click of "List
// Selections" and again on every unit switch; it must stay well below what
// a user can notice (target: under 50 microseconds a search, with a cheap
// text measure standing in for the window's font).

#include <benchmark/benchmark.h>

#include <string>

#include "core/notices.h"
#include "core/shared_state.h"
#include "selection/continuous_process.h"
#include "selection/vessel_charging.h"

namespace zorvik {
namespace {

int NinePixelsACharacter(const std::string& text) { return static_cast<int>(text.size()) * 9; }

// The selection window's default texts, with the drive air given.
struct Window {
    explicit Window(const char* airScfm) : air(airScfm) {
        controls.fields = {&drive, &air, &inlet, &flow, &outlet, &start, &final, &capacity};
        controls.textWidth = NinePixelsACharacter;
    }
    TextEntryField drive{"100"}, air, inlet{"100"}, flow{"2.00"}, outlet{"200"}, start{"100"}, final{"1000"},
        capacity{"1.00"};
    SelectionControls controls;
};

void BM_ContinuousProcessSelection(benchmark::State& state, const char* airScfm) {
    InitialiseSharedState();
    Window window(airScfm);
    for (auto _ : state) benchmark::DoNotOptimize(ContinuousProcessSelection(window.controls));
}
BENCHMARK_CAPTURE(BM_ContinuousProcessSelection, Defaults, "100")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ContinuousProcessSelection, AirLimited, "20")->Unit(benchmark::kMicrosecond);

void BM_VesselChargingSelection(benchmark::State& state, const char* airScfm) {
    InitialiseSharedState();
    Shared.ApplicationType = ApplicationFillCylinder;
    Window window(airScfm);
    for (auto _ : state) benchmark::DoNotOptimize(VesselChargingSelection(window.controls));
}
BENCHMARK_CAPTURE(BM_VesselChargingSelection, Defaults, "100")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_VesselChargingSelection, AirLimited, "40")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zorvik

BENCHMARK_MAIN();
