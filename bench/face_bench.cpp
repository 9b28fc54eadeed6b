// Drawing each display mode, and a whole refresh through the fake platform (quiet, so that it
// keeps nothing), with the heap allocations per iteration reported beside the time.
#include <benchmark/benchmark.h>

#include "face/face.h"
#include "fake/allocation_counter.h"
#include "fake/fake_platform.h"
#include "features/refresh.h"

namespace {

void Report(benchmark::State& state, long allocations) {
    state.counters["allocs/iter"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

gv::ClockState Modes(const benchmark::State& state) {
    gv::ClockState clock;
    clock.tipPattern = gv::kDefaultTipPattern;
    clock.face.topMode = static_cast<std::int16_t>(state.range(0));
    clock.face.bottomMode = static_cast<std::int16_t>(state.range(1));
    return clock;
}

void BM_DrawFace(benchmark::State& state) {
    gv::fake::FakePlatform fake;
    const gv::ClockState clock = Modes(state);
    gv::Surface surface;
    gv::LocalTime now;
    gv::FaceContext face{clock.face, surface, now, *fake.locale};
    const long before = gv::fake::Allocations();
    for (auto _ : state) {
        ++fake.clock.elapsedMs;  // a new second every thousand iterations
        now = fake.clock.Now();  // a refresh reads the clock once for the face
        gv::DrawFace(face);
        benchmark::DoNotOptimize(surface.Image().data());
    }
    Report(state, gv::fake::Allocations() - before);
}
BENCHMARK(BM_DrawFace)
    ->ArgNames({"top", "bottom"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({3, 0})
    ->Args({4, 0})
    ->Args({5, 0})
    ->Args({2, 5})
    ->Args({0, 5});

// A refresh in the tray: drawing, the preview, the tooltip and the tray keeper, which sends
// the notification area a modify only when the picture or the tooltip changed.
void BM_Refresh(benchmark::State& state) {
    gv::fake::FakePlatform fake;
    fake.log.quiet = true;
    const gv::ClockState clock = Modes(state);
    gv::Surface surface;
    const gv::Platform platform = fake.Platform();
    fake.tray.Add(gv::TrayPicture(surface), "");
    const long before = gv::fake::Allocations();
    for (auto _ : state) {
        ++fake.clock.elapsedMs;  // a new second every thousand iterations
        gv::Refresh(clock, surface, platform);
    }
    Report(state, gv::fake::Allocations() - before);
}
BENCHMARK(BM_Refresh)->ArgNames({"top", "bottom"})->Args({0, 0})->Args({2, 5});

// The tray's share at the shortest interval: the refreshes of one simulated minute, and how
// many of them reached the notification area.
void BM_TrayCallsPerMinute(benchmark::State& state) {
    gv::TrayCounts counts;
    for (auto _ : state) {
        gv::fake::FakePlatform fake;
        fake.log.quiet = true;
        fake.clock.start = gv::MakeLocalTime(2024, 5, 1, 12, 0, 0);
        gv::ClockState clock;
        clock.tipPattern = gv::kDefaultTipPattern;
        clock.face.topMode = gv::kModeTime24;
        gv::Surface surface;
        const gv::Platform platform = fake.Platform();
        fake.tray.Add(gv::TrayPicture(surface), "");
        for (int tick = 0; tick < 60000; ++tick) {  // one minute of 1 ms ticks
            ++fake.clock.elapsedMs;
            gv::Refresh(clock, surface, platform);
        }
        counts = fake.tray.Counts();
    }
    state.counters["refreshes/min"] = static_cast<double>(counts.modifiesAsked);
    state.counters["sent/min"] = static_cast<double>(counts.modifiesSent);
}
BENCHMARK(BM_TrayCallsPerMinute)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
