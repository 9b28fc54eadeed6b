// Drawing each display mode, and a whole refresh through a lean in-memory platform, with the
// heap allocations per iteration reported beside the time.
#include <benchmark/benchmark.h>

#include "fake/allocation_counter.h"
#include "fake/lean_platform.h"
#include "platform/notify_filter.h"
#include "render/face.h"
#include "render/refresh.h"

namespace {

void Report(benchmark::State& state, long allocations) {
    state.counters["allocs/iter"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

void BM_DrawFace(benchmark::State& state) {
    gv::fake::LeanPlatform platform;
    gv::ClockState clock;
    clock.Pi = gv::kSinglePi;
    clock.Hyo1 = static_cast<std::int16_t>(state.range(0));
    clock.Hyo2 = static_cast<std::int16_t>(state.range(1));
    gv::Surface surface;
    gv::FaceContext face{clock, surface, platform, gv::JapaneseLocale()};
    const long before = gv::fake::Allocations();
    for (auto _ : state) {
        platform.Advance(1);  // a new second every thousand iterations
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

void BM_Refresh(benchmark::State& state) {
    gv::fake::LeanPlatform platform;
    gv::ClockState clock;
    clock.Pi = gv::kSinglePi;
    clock.TipFmt = gv::kDefaultTipFmt;
    clock.Hyo1 = static_cast<std::int16_t>(state.range(0));
    clock.Hyo2 = static_cast<std::int16_t>(state.range(1));
    gv::Surface surface;
    const gv::Platform p = platform.Platform();
    const long before = gv::fake::Allocations();
    for (auto _ : state) {
        platform.Advance(1);  // a new second every thousand iterations
        gv::Lng(clock, surface, p);
    }
    Report(state, gv::fake::Allocations() - before);
}
BENCHMARK(BM_Refresh)->ArgNames({"top", "bottom"})->Args({0, 0})->Args({2, 5});

// The shell's share at the shortest interval: how many tray calls one simulated minute makes
// with every refresh handed over, and with the calls that would change nothing skipped.
void BM_ShellCallsPerMinute(benchmark::State& state) {
    long long unfiltered = 0, filtered = 0;
    for (auto _ : state) {
        gv::fake::LeanPlatform platform;
        platform.Start(gv::MakeLocalTime(2024, 5, 1, 12, 0, 0));
        gv::ClockState clock;
        clock.Pi = gv::kSinglePi;
        clock.TipFmt = gv::kDefaultTipFmt;
        clock.Hyo1 = gv::kModeTime24;
        gv::Surface surface;
        const gv::Platform p = platform.Platform();
        gv::NotifyFilter filter;
        unfiltered = filtered = 0;
        for (int tick = 0; tick < 60000; ++tick) {  // one minute of 1 ms ticks
            platform.Advance(1);
            const long long before = platform.notifications;
            gv::Lng(clock, surface, p);
            if (platform.notifications == before) continue;
            ++unfiltered;
            const gv::NotifyFilter::Picture picture{platform.image, gv::BackgroundColour()};
            if (filter.ShouldSend(gv::kNimModify, platform.last, picture)) {
                ++filtered;
                filter.Sent(gv::kNimModify, platform.last, picture, true);
            }
        }
    }
    state.counters["calls/min"] = static_cast<double>(unfiltered);
    state.counters["filtered/min"] = static_cast<double>(filtered);
}
BENCHMARK(BM_ShellCallsPerMinute)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
