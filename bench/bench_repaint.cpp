// The whole main window repainted at 1280x1024 with one document window open: recording what
// every window draws, and turning the recording into pixels on an image surface, as the screen
// does on every change. Reported: repaints a second (goal: 120 on one core) and the cost of one
// recorded drawing call.
#include "app/HalbridgeApp.h"
#include "platform/afx/AppMain.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/res/ResourceChain.h"
#include "platform/display/MenuBar.h"
#include "platform/display/Renderer.h"
#include "platform/win/Windows.h"
#include "platform/win/sys/ProgramPath.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramResources.h"

#include <benchmark/benchmark.h>
#include <cairo.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;

void Pump(CWinApp& app) {
    MSG msg;
    while (PeekMessage(&msg, HWND{}, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
        app.PumpMessage();
    }
    for (LONG idle = 0; app.OnIdle(idle); ++idle) {
    }
}

// The program started headless in a home folder of its own, with the companion files built beside
// this program, its main window at the benchmark's size with a new group document open; started
// once for all the benchmarks.
class RunningProgram {
public:
    RunningProgram() {
        std::string folder = (std::filesystem::temp_directory_path() / "hb-bench-XXXXXX").string();
        m_home = mkdtemp(folder.data()) ? folder : std::string{};
        setenv("HALBRIDGE_HOME", m_home.c_str(), 1);
        // A first start copies the sample settings named after the program, which a benchmark is
        // not; it gets the sample radios' settings as the program would.
        std::filesystem::create_directories(m_home + "/config");
        std::filesystem::copy_file(hb::win::ApplicationFolder() + "/Samples/hbpro.ini",
                                   m_home + "/config/Halbridge Pro.ini");
        m_started = !hb::afx::StartApplication(m_app, "", SW_SHOWNORMAL).has_value();
        if (!m_started) {
            return;
        }
        Pump(m_app);
        m_app.m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_NEW_GROUP);
        Pump(m_app);
        SetWindowPos(Main(), HWND{}, 0, 0, kWidth, kHeight, SWP_NOZORDER);
        Pump(m_app);
    }
    ~RunningProgram() {
        if (m_started && m_app.m_pMainWnd) {
            m_app.m_pMainWnd->PostMessage(WM_CLOSE);
            m_app.Run();
        }
        if (!m_home.empty()) {
            std::filesystem::remove_all(m_home);
        }
    }

    bool Started() const { return m_started; }
    HWND Main() const { return m_app.m_pMainWnd->m_hWnd; }

private:
    const hb::afx::ResourceModule m_module{"Halbridge Pro", ProgramResourceTables()};
    const hb::afx::ProgramResources m_resources{m_module};
    CHalbridgeApp m_app;
    std::string m_home;
    bool m_started = false;
};

RunningProgram& Program() {
    static RunningProgram program;
    return program;
}

std::size_t CallsIn(const std::vector<hb::win::PaintedWindow>& painted) {
    std::size_t calls = 0;
    for (const auto& window : painted) {
        calls += window.list.size();
    }
    return calls;
}

struct Surface {
    Surface()
        : image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight),
                &cairo_surface_destroy) {}

    void Render(HWND main, const std::vector<hb::win::PaintedWindow>& painted) {
        cairo_t* cr = cairo_create(image.get());
        hb::display::PaintMenuBar(cr, GetMenu(main), kWidth);
        cairo_translate(cr, 0, hb::display::MenuBarHeight(main));
        hb::display::RenderTree(cr, main, painted);
        cairo_destroy(cr);
        cairo_surface_flush(image.get());
    }

    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> image;
};

bool Ready(benchmark::State& state) {
    if (!Program().Started()) {
        state.SkipWithError("the program did not start");
        return false;
    }
    return true;
}

void Report(benchmark::State& state, std::size_t callsPerFrame) {
    using benchmark::Counter;
    const auto frames = static_cast<double>(state.iterations());
    state.counters["fps"] = Counter(frames, Counter::kIsRate);
    state.counters["calls"] = static_cast<double>(callsPerFrame);
    state.counters["per_call"] =
        Counter(frames * static_cast<double>(callsPerFrame), Counter::kIsRate | Counter::kInvert);
}

// Every window invalidated, painted through its WM_PAINT, and drawn: the full repaint.
void FullRepaint(benchmark::State& state) {
    if (!Ready(state)) {
        return;
    }
    const HWND main = Program().Main();
    Surface surface;
    std::size_t calls = 0;
    for (auto _ : state) {
        const auto painted = hb::win::PaintWindowTree(main);
        surface.Render(main, painted);
        calls = CallsIn(painted);
    }
    Report(state, calls);
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMillisecond);

// Recording alone: the windows' WM_PAINT handlers through the device contexts.
void RecordRepaint(benchmark::State& state) {
    if (!Ready(state)) {
        return;
    }
    const HWND main = Program().Main();
    std::size_t calls = 0;
    for (auto _ : state) {
        const auto painted = hb::win::PaintWindowTree(main);
        calls = CallsIn(painted);
        benchmark::DoNotOptimize(calls);
    }
    Report(state, calls);
}
BENCHMARK(RecordRepaint)->Unit(benchmark::kMillisecond);

// Pixels alone: one recording drawn again and again.
void RenderRepaint(benchmark::State& state) {
    if (!Ready(state)) {
        return;
    }
    const HWND main = Program().Main();
    const auto painted = hb::win::PaintWindowTree(main);
    Surface surface;
    for (auto _ : state) {
        surface.Render(main, painted);
    }
    Report(state, CallsIn(painted));
}
BENCHMARK(RenderRepaint)->Unit(benchmark::kMillisecond);

} // namespace
