#include "platform/win/Windows.h"

#include <benchmark/benchmark.h>

namespace {

LRESULT QuietProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER || message == WM_TIMER) {
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

// A fresh platform on the manual clock with one window.
HWND FreshWindow() {
    hb::win::ResetForTests();
    static const ATOM registered = hb::win::RegisterBuiltinClass(
        {.style = 0, .lpfnWndProc = &QuietProc, .lpszClassName = "BenchWindow"});
    benchmark::DoNotOptimize(registered);
    return CreateWindowEx(0, "BenchWindow", "", 0, 0, 0, 10, 10, HWND{}, 0, nullptr);
}

void PostAndDispatch(benchmark::State& state) {
    const HWND hwnd = FreshWindow();
    constexpr int kBatch = 1000;
    for (auto _ : state) {
        for (int i = 0; i < kBatch; ++i) {
            PostMessage(hwnd, WM_USER, static_cast<WPARAM>(i), 0);
        }
        benchmark::DoNotOptimize(hb::win::PumpUntilIdle());
    }
    state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(PostAndDispatch);

void ArmTimers(HWND hwnd, std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i) {
        SetTimer(hwnd, static_cast<UINT_PTR>(i + 1), static_cast<UINT>(1000 + i % 997));
    }
}

// Setting an existing timer again: find it, move it in the due order.
void TimerReplace(benchmark::State& state) {
    const HWND hwnd = FreshWindow();
    const std::int64_t count = state.range(0);
    ArmTimers(hwnd, count);
    std::int64_t next = 0;
    for (auto _ : state) {
        SetTimer(hwnd, static_cast<UINT_PTR>(next % count + 1), static_cast<UINT>(500 + next % 89));
        ++next;
    }
    state.SetComplexityN(count);
}
BENCHMARK(TimerReplace)->RangeMultiplier(10)->Range(100, 10'000)->Complexity(benchmark::oLogN);

// Killing a live timer and setting it up again.
void TimerKillAndSet(benchmark::State& state) {
    const HWND hwnd = FreshWindow();
    const std::int64_t count = state.range(0);
    ArmTimers(hwnd, count);
    std::int64_t next = 0;
    for (auto _ : state) {
        const auto id = static_cast<UINT_PTR>(next % count + 1);
        KillTimer(hwnd, id);
        SetTimer(hwnd, id, 1000);
        ++next;
    }
    state.SetComplexityN(count);
}
BENCHMARK(TimerKillAndSet)->RangeMultiplier(10)->Range(100, 10'000)->Complexity(benchmark::oLogN);

// Delivering WM_TIMER with every timer live: one second of simulated time per iteration.
void TimerDelivery(benchmark::State& state) {
    const HWND hwnd = FreshWindow();
    ArmTimers(hwnd, state.range(0));
    std::size_t delivered = 0;
    for (auto _ : state) {
        delivered += hb::win::AdvanceAndPump(1000);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(delivered));
}
BENCHMARK(TimerDelivery)->Arg(10'000);

} // namespace
