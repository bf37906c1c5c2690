// A whole memory transfer of a 200-memory scanner across a pseudo-terminal paced like a 9600 baud
// wire: PC to Radio, then Radio to PC. Each reports its elapsed time over the wire time of every
// byte that went both ways (10 bits a byte), the part the driver, the engine and the message loop
// add to what the wire itself takes. The bytes are counted as the radio takes and answers them.
#include "app/rig/Rig.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/afx/res/ResourceChain.h"
#include "platform/afx/res/ResourceModule.h"
#include "platform/engine/EngineSim.h"
#include "platform/engine/sim/SimMemoryRadio.h"
#include "platform/engine/sim/SimRadioHost.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/Windows.h"
#include "platform/win/core/Reset.h"
#include "platform/win/store/PrivateProfile.h"
#include "programming/Loader.h"
#include "resources/program/ProgramResources.h"
#include "resources/program/TransferIds.h"

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace {

using hb::engine::EngineSim;
using hb::engine::sim::SimMemoryRadio;
using hb::engine::sim::SimRadio;
using hb::engine::sim::SimRadioHost;
using hb::records::Parm;

constexpr std::uint8_t kType = 2;
constexpr unsigned kBaud = 9600;
constexpr double kBitsPerByte = 10;

class BenchApp : public CScanApp {
public:
    BenchApp() : CScanApp("Halbridge Pro") {}
};

// The memory radio, counting every byte that crosses the wire: each line it takes and each reply
// it sends, both ended by a carriage return.
class CountingRadio : public SimMemoryRadio {
public:
    explicit CountingRadio(std::uint8_t type) : SimMemoryRadio(type) {}

    double WireSeconds() const { return static_cast<double>(m_bytes) * kBitsPerByte / kBaud; }
    void Restart() { m_bytes = 0; }

protected:
    std::optional<std::string> Answer(std::string_view line) override {
        std::optional<std::string> reply = SimMemoryRadio::Answer(line);
        m_bytes += line.size() + 1 + (reply ? reply->size() + 1 : 0);
        return reply;
    }

private:
    std::size_t m_bytes = 0;
};

void FillGroup(Group& group, const Radio& radio) {
    const auto& organisation = radio.organisation();
    const std::uint16_t perBank = organisation.channels / organisation.banks;
    for (std::uint16_t b = 0; b < organisation.banks; ++b) {
        Bank& bank = group.addBank(std::make_unique<Bank>());
        bank.number = static_cast<std::uint16_t>(organisation.firstBank + b);
        for (std::uint16_t c = 0; c < perBank; ++c) {
            auto channel = std::make_unique<Chan>();
            Parm record = radio.DefaultRecord();
            record.set(Parm::kFrequency, 150'000'000u + (b * perBank + c) * 12'500u);
            channel->SetParm(record);
            channel->setName("Channel " + std::to_string(b * perBank + c));
            bank.addMember(std::move(channel));
        }
    }
}

void TransferOverAPort(benchmark::State& state) {
    const bool reading = state.range(0) != 0;
    EngineSim::Reset();
    hb::win::ResetForTests();
    hb::win::UseRealClock();
    hb::win::ini::ResetForTests();
    std::string folder = (std::filesystem::temp_directory_path() / "hb-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        state.SkipWithError("no home folder");
        return;
    }
    setenv("HALBRIDGE_HOME", folder.c_str(), 1);
    BenchApp app;
    hb::afx::ResourceModule resources("program", ProgramResourceTables());
    hb::afx::OverrideProgramResources(resources);
    auto host = SimRadioHost::Start(std::make_unique<CountingRadio>(kType), {kBaud, true});
    if (!host) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    const std::string settings = app.GetSettingsFile().str();
    std::filesystem::create_directories(std::filesystem::path(settings).parent_path());
    hb::win::ini::Seed(settings, "[Radios]\nRadio#1=Bench\n[Bench]\nType=" + std::to_string(kType) +
                                     "\nPort=" + host->SlavePath() +
                                     "\nBaud=" + std::to_string(kBaud) + "\n");
    EngineSim::SetSettingsFile(settings);
    CRig* rig = new CRig("Bench", 1, Radio::CreateRadio(kType).release());
    constexpr LPCSTR kOwnerClass = "HbBenchOwner";
    if (!GetClassInfo(kOwnerClass, nullptr)) {
        RegisterClass({.style = 0, .lpfnWndProc = &DefWindowProc, .lpszClassName = kOwnerClass});
    }
    CWnd owner;
    owner.Attach(
        CreateWindowEx(0, kOwnerClass, "Owner", WS_POPUP, 0, 0, 100, 100, HWND{}, 0, nullptr));
    hb::afx::SetModalScript(reading ? hb::resources::transfer::kReadInfoDialog
                                    : hb::resources::transfer::kWriteInfoDialog,
                            [](CDialog& dialog) { hb::afx::ClickButton(dialog.m_hWnd, IDOK); });
    CGroupDoc doc;
    doc.NewGroup(kType);
    FillGroup(*doc.GetGroup(), *rig->m_radio);
    double elapsed = 0;
    double wire = 0;
    for (auto _ : state) {
        host->WithRadio([](SimRadio& radio) { static_cast<CountingRadio&>(radio).Restart(); });
        const auto start = std::chrono::steady_clock::now();
        CLoader loader;
        if (reading) {
            loader.Upload(doc.GetGroup(), nullptr, &doc, &owner);
        } else {
            loader.Download(doc.GetGroup(), nullptr, &doc, &owner);
        }
        elapsed += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        wire += host->WithRadio([](const SimRadio& radio) {
            return static_cast<const CountingRadio&>(radio).WireSeconds();
        });
    }
    if (wire <= 0) {
        state.SkipWithError("nothing reached the radio");
    } else {
        state.counters["elapsed/wire"] = elapsed / wire;
    }
    ::DestroyWindow(owner.Detach());
    CRig::DeleteAll();
    host->Close();
    EngineSim::Reset();
    std::filesystem::remove_all(folder);
}
// Writing first, so the reading finds the radio's memories filled.
BENCHMARK(TransferOverAPort)
    ->ArgName("radio_to_pc")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

} // namespace
