// Drawing each display mode, and a whole refresh through a lean in-memory platform, with the
// heap allocations per iteration reported beside the time.
#include <benchmark/benchmark.h>

#include "fake/allocation_counter.h"
#include "fake/lean_platform.h"
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

}  // namespace
