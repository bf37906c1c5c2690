// The recordings catalog over a large documents folder: 10,000 recording files of 10 segments each
// (100,000 rows) in 20 folders, written with the recorder's own writer. Reported: the first
// rebuild (walk the folders, read every file, make the rows, populate; goal under 1 s) and a
// rebuild with nothing changed (goal under 0.1 s).
#include "audio/AudioManifest.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/res/AfxIds.h"
#include "platform/records/Dal.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioFile.h"
#include "platform/win/Windows.h"
#include "platform/win/core/Clock.h"

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 20;
constexpr int kFiles = 10'000;
constexpr int kSegments = 10;
constexpr std::uint32_t kAudioBytes = 160;

// A home folder of its own holding the recordings, and the window the catalogs live in; made once
// for all the benchmarks.
class RecordingsHome {
public:
    RecordingsHome() {
        std::string folder = (fs::temp_directory_path() / "hb-bench-XXXXXX").string();
        m_home = mkdtemp(folder.data()) ? folder : std::string{};
        setenv("HALBRIDGE_HOME", m_home.c_str(), 1);
        m_app = std::make_unique<CScanApp>("Halbridge Pro");
        m_ready = !m_home.empty() && Write(m_app->GetDocFolder().str()) &&
                  m_parent.CreateEx(0, nullptr, "Catalog", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                    CRect(0, 0, 1200, 600), nullptr, 0);
    }
    ~RecordingsHome() {
        if (m_parent.GetSafeHwnd()) {
            m_parent.DestroyWindow();
        }
        m_app.reset();
        if (!m_home.empty()) {
            fs::remove_all(m_home);
        }
    }

    bool Ready() const { return m_ready; }

    // A catalog view made, not yet updated; it reads the folder on its initial update.
    CAudioManifest* MakeCatalog() {
        auto* view = new CAudioManifest;
        if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1200, 600),
                          &m_parent, AFX_IDW_PANE_FIRST, nullptr)) {
            return nullptr;
        }
        return view;
    }

private:
    static bool Write(const std::string& docs) {
        const std::vector<std::uint8_t> audio(kAudioBytes, 0x10);
        const auto now = static_cast<std::uint32_t>(hb::win::WallTime());
        for (int index = 0; index < kFiles; ++index) {
            const fs::path folder = fs::path(docs) / ("Folder" + std::to_string(index % kFolders));
            fs::create_directories(folder);
            CAudioFile file;
            if (!file.Open((folder / ("rx" + std::to_string(index) + ".swq")).string())) {
                return false;
            }
            for (int segment = 0; segment < kSegments; ++segment) {
                dal record;
                record.set(dal::kKind, 2);
                record.set(dal::kState, 2);
                record.set(dal::kFrequency,
                           150'000'000u +
                               static_cast<std::uint32_t>((index * 7 + segment) % 4000) * 12'500u);
                record.set(dal::kTime, now - static_cast<std::uint32_t>(index + segment * 60));
                record.setText(dal::kName1, "Dispatch");
                record.setText(dal::kRadioName, "Rx1");
                file.AppendSegment(record, 0);
                file.AppendAudio(audio.data(), kAudioBytes);
            }
            file.Close();
        }
        return true;
    }

    std::string m_home;
    std::unique_ptr<CScanApp> m_app;
    CWnd m_parent;
    bool m_ready = false;
};

RecordingsHome& Home() {
    static RecordingsHome home;
    return home;
}

void FirstRebuild(benchmark::State& state) {
    if (!Home().Ready()) {
        state.SkipWithError("the recordings could not be written");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        CAudioManifest* view = Home().MakeCatalog();
        if (!view) {
            state.SkipWithError("the catalog could not be made");
            return;
        }
        state.ResumeTiming();
        view->SendMessage(WM_INITIALUPDATE);
        state.PauseTiming();
        state.counters["rows"] = view->GetReportCtrl().GetRecords()->GetCount();
        view->DestroyWindow();
        state.ResumeTiming();
    }
}
BENCHMARK(FirstRebuild)->Unit(benchmark::kMillisecond)->Iterations(3);

void UnchangedRebuild(benchmark::State& state) {
    if (!Home().Ready()) {
        state.SkipWithError("the recordings could not be written");
        return;
    }
    CAudioManifest* view = Home().MakeCatalog();
    if (!view) {
        state.SkipWithError("the catalog could not be made");
        return;
    }
    view->SendMessage(WM_INITIALUPDATE);
    for (auto _ : state) {
        view->Rebuild();
    }
    view->DestroyWindow();
}
BENCHMARK(UnchangedRebuild)->Unit(benchmark::kMillisecond);

} // namespace
