// A selection search runs all fifteen models on one click of "List
// Selections", again on every unit switch, and once for every duty point of
// a batch. The searches themselves (target: under 10 microseconds each) and
// a whole run as the window makes it, fields read and rows formatted with a
// cheap text measure standing in for the window's font (target: under 50).

#include <benchmark/benchmark.h>

#include <string>

#include "notices.h"
#include "session.h"
#include "charge_search.h"
#include "continuous_process.h"
#include "flow_search.h"
#include "vessel_charging.h"

namespace zorvik {
namespace {

void BM_SearchContinuousProcess(benchmark::State& state, double airScfm) {
    const FlowDuty duty{100, airScfm, 100, 200, 2};
    for (auto _ : state) benchmark::DoNotOptimize(SearchContinuousProcess(duty));
}
BENCHMARK_CAPTURE(BM_SearchContinuousProcess, Defaults, 100.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchContinuousProcess, AirLimited, 20.0)->Unit(benchmark::kMicrosecond);

void BM_SearchVesselCharging(benchmark::State& state, double airScfm) {
    const ChargeDuty duty{100, airScfm, 100, 100, 1000, 1};
    for (auto _ : state) benchmark::DoNotOptimize(SearchVesselCharging(duty));
}
BENCHMARK_CAPTURE(BM_SearchVesselCharging, Defaults, 100.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchVesselCharging, AirLimited, 40.0)->Unit(benchmark::kMicrosecond);

int NinePixelsACharacter(const std::string& text) { return static_cast<int>(text.size()) * 9; }

// The selection window's default texts, with the drive air given.
struct Window {
    explicit Window(const char* airScfm) : air(airScfm) {
        controls.fields = {&drive, &air, &inlet, &flow, &outlet, &start, &final, &capacity};
        controls.textWidth = NinePixelsACharacter;
        controls.notices = &notices;
    }
    TextEntryField drive{"100"}, air, inlet{"100"}, flow{"2.00"}, outlet{"200"}, start{"100"}, final{"1000"},
        capacity{"1.00"};
    SilentNotices notices;
    SelectionControls controls;
};

void BM_ContinuousProcessSelection(benchmark::State& state, const char* airScfm) {
    Session session;
    Window window(airScfm);
    for (auto _ : state) benchmark::DoNotOptimize(ContinuousProcessSelection(session, window.controls));
}
BENCHMARK_CAPTURE(BM_ContinuousProcessSelection, Defaults, "100")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ContinuousProcessSelection, AirLimited, "20")->Unit(benchmark::kMicrosecond);

void BM_VesselChargingSelection(benchmark::State& state, const char* airScfm) {
    Session session;
    session.ApplicationType = ApplicationFillCylinder;
    Window window(airScfm);
    for (auto _ : state) benchmark::DoNotOptimize(VesselChargingSelection(session, window.controls));
}
BENCHMARK_CAPTURE(BM_VesselChargingSelection, Defaults, "100")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_VesselChargingSelection, AirLimited, "40")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zorvik

BENCHMARK_MAIN();
