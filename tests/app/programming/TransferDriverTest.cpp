// A whole memory transfer with a radio that keeps its memories: the radio chosen and claimed, the
// dialogs, what reaches the radio and comes back into the group, and how every way out releases
// the radio and closes the progress window.
#include "app/rig/Rig.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/EngineSim.h"
#include "platform/engine/sim/SimMemoryRadio.h"
#include "platform/engine/sim/SimRadioHost.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/tessary/app/AppHooks.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/model/Group.h"
#include "platform/win/core/MessageBox.h"
#include "programming/Loader.h"
#include "resources/program/ProgramResources.h"
#include "resources/program/TransferIds.h"
#include "tests/app/programming/FaultyDevice.h"
#include "tests/app/programming/TransferErrors.h"
#include "tests/app/rig/RigTest.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <ostream>

namespace hb::app::test {
namespace {

namespace tr = hb::resources::transfer;
using hb::engine::RequestKind;
using hb::records::Parm;
using Fault = FaultyDevice::Fault;

class TransferDriverTest : public RigTest {
protected:
    TransferDriverTest() {
        UseProgramResources(ProgramResourceTables());
        hb::win::SetMessageBoxHandler([this](const hb::win::BoxRequest& box) {
            boxes.push_back(box.caption + ": " + box.text);
            boxTypes.push_back(box.type);
            return IDOK;
        });
    }
    void TearDown() override {
        hb::win::SetMessageBoxHandler({});
        RigTest::TearDown();
    }
    // One radio of the type on the simulated port; its memories as the settings give them.
    void Use(std::uint8_t type, const std::string& memories = "") {
        const std::string radio =
            "Type=" + std::to_string(type) + "\nPort=SIM\nMemories=" + memories + "\n";
        Settings("[Radios]\nRadio#1=Memory\n[Memory]\n" + radio + "[Real]\n" + radio);
        rig = AddRig("Memory", type);
        doc.NewGroup(type);
    }
    // The radio's device refuses or fails where the plan says; every request it is handed is
    // noted with whether the radio was claimed and the owner disabled by the progress window.
    void UseFaulty(std::uint8_t type, FaultyDevice::Plan plan,
                   std::function<void(RequestKind)> also = {}, const std::string& memories = "") {
        Use(type, memories);
        radioName = "Real";
        plan.seen = [this, also = std::move(also)](RequestKind kind) {
            requests.push_back({kind, Claimed(), !::IsWindowEnabled(owner.wnd.m_hWnd)});
            if (also) {
                also(kind);
            }
            return false;
        };
        FaultyDevice::Install("Memory", "Real", std::move(plan));
    }
    hb::engine::sim::SimMemoryRadio& Radio() const {
        hb::engine::sim::RadioNamed(radioName);
        return *hb::engine::sim::FindMemoryRadio(radioName);
    }
    static void Answer(UINT templateId, int button) {
        hb::afx::SetModalScript(
            templateId, [button](CDialog& dialog) { hb::afx::ClickButton(dialog.m_hWnd, button); });
    }
    Group& Root() const { return *doc.GetGroup(); }
    // Banks of channels at 150 MHz + bank MHz + channel × 25 kHz, named after their place.
    void Fill(std::size_t banks, std::size_t channels) {
        for (std::size_t b = 0; b < banks; ++b) {
            auto bank = std::make_unique<Bank>();
            bank->number = static_cast<std::uint16_t>(b);
            bank->setName("Bank " + std::to_string(b));
            for (std::size_t c = 0; c < channels; ++c) {
                auto channel = std::make_unique<Chan>();
                Parm record = channel->record();
                record.set(Parm::kFrequency,
                           static_cast<std::uint32_t>(150'000'000 + b * 1'000'000 + c * 25'000));
                record.set(Parm::kStep, 12'500);
                record.set(Parm::kMode, static_cast<std::uint8_t>(1 + c % 2));
                record.set(Parm::Channel::kDelay, static_cast<std::int16_t>(c % 3));
                record.set(Parm::Channel::kTone, static_cast<std::uint32_t>(c == 2 ? 885 : 0));
                record.set(Parm::Channel::kAttenuator, static_cast<std::uint8_t>(c == 3 ? 1 : 0));
                record.set(Parm::kLockOut, static_cast<std::uint8_t>(c == 1 ? 0xFF : 0));
                channel->SetParm(record);
                channel->setName("Ch " + std::to_string(b) + "-" + std::to_string(c));
                bank->addMember(std::move(channel));
            }
            Root().addBank(std::move(bank));
        }
    }
    void Upload(CRig* given = nullptr) {
        CLoader loader;
        loader.Upload(&Root(), given, &doc, &owner.wnd);
    }
    void Download(CRig* given = nullptr) {
        CLoader loader;
        loader.Download(&Root(), given, &doc, &owner.wnd);
    }
    // Reads the radio into a new group of the group's type and name: its first banks and
    // channels are those of the group, with the same names where the radio keeps them.
    void ExpectReadBackTheSame(std::size_t banks, std::size_t channels) {
        CGroupDoc fresh;
        fresh.NewGroup(Root().radioType());
        fresh.GetGroup()->setName(Root().name());
        Answer(tr::kReadInfoDialog, IDOK);
        CLoader().Upload(fresh.GetGroup(), nullptr, &fresh, &owner.wnd);
        EXPECT_EQ(boxes, std::vector<std::string>{});
        EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
        EXPECT_TRUE(fresh.IsModified());
        EXPECT_FALSE(Claimed());
        const std::string type = std::to_string(Root().radioType());
        EXPECT_EQ(hb::tessary::StubCalls().back(),
                  "RegisterImageTransfer(record, none, 0xFFFFFFFF, 0, 0, " + Root().name() + ", " +
                      type + ")");
        const CObjectDoc::ImageTransfer& last = fresh.m_last_transfer;
        EXPECT_EQ(last.extent, CObjectDoc::ImageTransfer::kWhole);
        EXPECT_EQ(last.direction, CObjectDoc::ImageTransfer::kFromRadio);
        EXPECT_EQ(last.rootName, Root().name());
        EXPECT_EQ(last.radioType, Root().radioType());
        const Group& read = *fresh.GetGroup();
        const bool bankNames = Radio::CreateRadio(Root().radioType())->organisationFlags() &
                               Radio::kOrganisationBankNames;
        ASSERT_EQ(read.banks().size(), 10u);
        for (std::size_t b = 0; b < banks; ++b) {
            if (bankNames) {
                EXPECT_EQ(read.banks()[b]->name(), Root().banks()[b]->name());
            }
            EXPECT_EQ(read.banks()[b]->number, b);
            ASSERT_GE(read.banks()[b]->members().size(), channels);
            for (std::size_t c = 0; c < channels; ++c) {
                const Parm back = read.banks()[b]->members()[c]->record();
                const Parm out = Root().banks()[b]->members()[c]->record();
                EXPECT_EQ(back.get(Parm::kFrequency), out.get(Parm::kFrequency));
                EXPECT_EQ(back.get(Parm::kStep), out.get(Parm::kStep));
                EXPECT_EQ(back.get(Parm::kMode), out.get(Parm::kMode));
                EXPECT_EQ(back.get(Parm::kLockOut) != 0, out.get(Parm::kLockOut) != 0);
                EXPECT_EQ(back.get(Parm::Channel::kAttenuator),
                          out.get(Parm::Channel::kAttenuator));
                EXPECT_EQ(back.get(Parm::Channel::kDelay), out.get(Parm::Channel::kDelay));
                EXPECT_EQ(back.tone(), out.tone());
                EXPECT_EQ(read.banks()[b]->members()[c]->name(),
                          Root().banks()[b]->members()[c]->name());
            }
        }
        EXPECT_EQ(read.banks()[7]->members()[0]->frequency(), 0u);
    }
    // The memory numbers of the lines sent that start with the word.
    std::vector<int> Memories(const std::string& word) const {
        std::vector<int> numbers;
        for (const std::string& line : Radio().Journal()) {
            if (line.starts_with(word + " ")) {
                numbers.push_back(std::stoi(line.substr(word.size() + 1, 5)));
            }
        }
        return numbers;
    }
    // What the radio was sent, its requests' words only.
    std::vector<std::string> Words() const {
        std::vector<std::string> words;
        for (const std::string& line : Radio().Journal()) {
            words.push_back(line.substr(0, 2));
        }
        return words;
    }
    bool Claimed() { return CRig::FindByOwner(&owner.wnd) == rig; }

    struct Handed {
        RequestKind kind;
        bool claimed;
        bool ownerDisabled;
    };
    // The requests from the closing steps on: each while the radio is claimed and the progress
    // window up.
    void ExpectClosingSteps(RequestKind post) {
        const auto from = std::ranges::find_if(
            requests, [post](const Handed& handed) { return handed.kind == post; });
        ASSERT_NE(from, requests.end());
        ASSERT_EQ(requests.end() - from, 2);
        EXPECT_EQ(from[1].kind, RequestKind::Stop);
        for (auto it = from; it != requests.end(); ++it) {
            EXPECT_TRUE(it->claimed);
            EXPECT_TRUE(it->ownerDisabled);
        }
        ExpectReleasedAndClosed();
    }
    void ExpectReleasedAndClosed() {
        EXPECT_FALSE(Claimed());
        EXPECT_FALSE(CLoader::InTransfer(rig));
        EXPECT_TRUE(::IsWindowEnabled(owner.wnd.m_hWnd));
        ASSERT_FALSE(Beeps().empty());
        EXPECT_EQ(Beeps().back(), static_cast<UINT>(MB_ICONASTERISK));
    }

    OwnerWindow owner;
    CRig* rig = nullptr;
    CGroupDoc doc;
    std::string radioName = "Memory";
    std::vector<std::string> boxes;
    std::vector<UINT> boxTypes;
    std::vector<Handed> requests;
};

TEST_F(TransferDriverTest, ABankedGroupGoesToTheRadioAndComesBackTheSame) {
    Use(74);
    Fill(3, 5);
    Root().setName("Tower");
    Answer(tr::kWriteInfoDialog, IDOK);
    Download();
    EXPECT_EQ(boxes, std::vector<std::string>{});
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
    EXPECT_FALSE(Claimed());
    // Bank 2, channel 3 of 100 channels a bank; the record had no name and took the channel's.
    const auto memory = Radio().Memory(203);
    ASSERT_TRUE(memory.has_value());
    EXPECT_EQ(memory->get(Parm::kFrequency), 152'075'000u);
    EXPECT_EQ(memory->text(Parm::kName), "Ch 2-3          ");
    // The rest of the radio is written from its defaults.
    ASSERT_TRUE(Radio().Memory(999).has_value());
    EXPECT_EQ(Radio().Memory(999)->get(Parm::kFrequency), 0u);
    EXPECT_EQ(Words().front(), "PD");
    EXPECT_EQ(Words().back(), "ED");
    EXPECT_EQ(hb::tessary::StubCalls().back(),
              "RegisterImageTransfer(record, none, 0xFFFFFFFF, 1, 0, Tower, 74)");

    ExpectReadBackTheSame(3, 5);
}

TEST_F(TransferDriverTest, TheRoundTripGoesAcrossAPseudoTerminal) {
    auto host = hb::engine::sim::SimRadioHost::Start(
        std::make_unique<hb::engine::sim::SimMemoryRadio>(74), {});
    ASSERT_TRUE(host) << "no pseudo-terminal";
    Settings("[Radios]\nRadio#1=Memory\n[Memory]\nType=74\nPort=" + host->SlavePath() + "\n");
    rig = AddRig("Memory", 74);
    doc.NewGroup(74);
    Fill(3, 5);
    Root().setName("Tower");
    Answer(tr::kWriteInfoDialog, IDOK);
    Download();
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
    host->WithRadio([](const hb::engine::sim::SimRadio& radio) {
        EXPECT_EQ(radio.Journal().front(), "PD");
        EXPECT_EQ(radio.Journal().back(), "ED");
    });
    ExpectReadBackTheSame(3, 5);
    host->Close();
}

TEST_F(TransferDriverTest, AMemoryThatStaysEmptyEndsTheReadingAndTheClosingStepsFollow) {
    UseFaulty(2, {RequestKind::MemRead, 0, Fault::Refuse, 0, nullptr}, {}, "146520000, 146550000");
    Radio().MakeUnreadable(3);
    Answer(tr::kReadInfoDialog, IDOK);
    Upload();
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{"Read Status 945 38912"});
    EXPECT_EQ(std::ranges::count(Memories("MR"), 3), 10);
    ExpectClosingSteps(RequestKind::PostUpload);
    EXPECT_FALSE(rig->IsOpen());
    // What was read before stays in the group.
    ASSERT_FALSE(Root().banks().empty());
    EXPECT_EQ(Root().banks()[0]->members()[1]->frequency(), 146'550'000u);
}

TEST_F(TransferDriverTest, TypeFourteenHasMemoryOneHundredReadAgainAfterAWholeTransfer) {
    Use(14);
    Fill(1, 1);
    for (const bool reading : {false, true}) {
        Answer(reading ? tr::kReadInfoDialog : tr::kWriteInfoDialog, IDOK);
        reading ? Upload() : Download();
        EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
        const auto& sent = Radio().Journal();
        ASSERT_GE(sent.size(), 2u);
        EXPECT_EQ(sent[sent.size() - 2], reading ? "EU" : "ED");
        EXPECT_TRUE(sent.back().starts_with("MR 00100")) << sent.back();
        Radio().ClearJournal();
    }
}

TEST_F(TransferDriverTest, AMemoryTheRadioDoesNotAnswerIsNotTakenFromTheOneBefore) {
    Use(2, "146520000, 146550000");
    Radio().FailOn("MR 00002", hb::engine::sim::Fault::Silent, 10);
    Answer(tr::kReadInfoDialog, IDOK);
    Upload();
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{"Read Status 945 38912"});
    ASSERT_EQ(Root().banks()[0]->members().size(), 2u);
    EXPECT_EQ(Root().banks()[0]->members()[0]->frequency(), 146'520'000u);
    EXPECT_EQ(Root().banks()[0]->members()[1]->frequency(), 0u);
}

TEST_F(TransferDriverTest, SkippedMemoriesOfTypeSeventyEightAreStoredEmptyWithoutAsking) {
    // Memories 1 to 39 hold something, 40 to 56 nothing: asked for 40, the radio answers 57.
    std::string held;
    for (int memory = 1; memory <= 39; ++memory) {
        held += (held.empty() ? "" : ", ") + std::to_string(146'000'000 + memory * 10'000);
    }
    Use(78, held);
    Parm far;
    far.set(Parm::kMemoryChannel, 57);
    far.set(Parm::kFrequency, 155'000'000);
    far.set(Parm::kMode, 1);
    Radio().Store(far);
    Answer(tr::kReadInfoDialog, IDOK);
    Upload();
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
    const std::vector<int> asked = Memories("MR");
    for (int memory = 40; memory <= 57; ++memory) {
        EXPECT_EQ(std::ranges::count(asked, memory), memory == 40 || memory == 57 ? 1 : 0)
            << memory;
    }
    const auto& channels = Root().banks()[0]->members();
    ASSERT_GE(channels.size(), 57u);
    EXPECT_EQ(channels[38]->frequency(), 146'390'000u);
    for (std::size_t index = 39; index < 56; ++index) {
        EXPECT_EQ(channels[index]->frequency(), 0u) << index + 1;
    }
    EXPECT_EQ(channels[56]->frequency(), 155'000'000u);
}

TEST_F(TransferDriverTest, AStepOfNothingGoesOutAsTheBandsStepOrTwentyFiveKilohertz) {
    Use(2);
    Fill(1, 2);
    for (Chan* channel :
         {Root().banks()[0]->members()[0].get(), Root().banks()[0]->members()[1].get()}) {
        Parm record = channel->record();
        record.set(Parm::kStep, 0);
        channel->SetParm(record);
    }
    Parm inside = Root().banks()[0]->members()[0]->record();
    inside.set(Parm::kFrequency, 145'000'000);
    Root().banks()[0]->members()[0]->SetParm(inside);
    Parm outside = Root().banks()[0]->members()[1]->record();
    outside.set(Parm::kFrequency, 10);
    Root().banks()[0]->members()[1]->SetParm(outside);
    hb::records::Band band;
    ASSERT_EQ(CBandSelect::LocateBand(&Root().banks()[0]->members()[0]->record(), &band), 1);
    Answer(tr::kWriteInfoDialog, IDOK);
    Download();
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
    ASSERT_NE(band.get(hb::records::Band::kStep), 25'000u);
    EXPECT_EQ(Radio().Memory(1)->get(Parm::kStep), band.get(hb::records::Band::kStep));
    EXPECT_EQ(Radio().Memory(2)->get(Parm::kStep), 25'000u);
    // The group keeps its own steps.
    EXPECT_EQ(Root().banks()[0]->members()[1]->record().get(Parm::kStep), 0u);
}

TEST_F(TransferDriverTest, SelectedChannelsAreReadAloneAndNothingIsAdded) {
    Use(2, "146520000, 146550000, 146580000, 146610000, 146640000, 146670000");
    Fill(2, 20);
    constexpr std::size_t kSelectedColumn = 1;
    for (std::size_t c = 3; c < 8; ++c) {
        Root().banks()[1]->members()[c]->setValue(kSelectedColumn, 1);
    }
    hb::afx::SetModalScript(tr::kReadInfoDialog, [](CDialog& dialog) {
        CString total;
        dialog.GetDlgItemText(tr::kTotal, total);
        EXPECT_EQ(total, "5");
        hb::afx::ClickButton(dialog.m_hWnd, IDOK);
    });
    Upload();
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
    EXPECT_EQ(std::ranges::count_if(Radio().Journal(),
                                    [](const std::string& line) { return line.starts_with("MR"); }),
              5);
    EXPECT_EQ(Root().banks().size(), 2u);
    EXPECT_EQ(Root().banks()[1]->members().size(), 20u);
    EXPECT_EQ(Root().banks()[1]->members()[3]->frequency(), 146'520'000u);
    EXPECT_EQ(Root().banks()[1]->members()[7]->frequency(), 146'640'000u);
    EXPECT_EQ(Root().banks()[1]->members()[8]->frequency(), 151'200'000u);
}

TEST_F(TransferDriverTest, ARadioInUseOrMissingIsRefusedAndCancelReleasesIt) {
    Use(2);
    Fill(1, 1);
    // A second transfer on the same radio while the first asks what to move.
    hb::afx::SetModalScript(tr::kReadInfoDialog, [this](CDialog& dialog) {
        EXPECT_TRUE(CLoader::InTransfer(rig));
        EXPECT_TRUE(Claimed());
        Download(rig);
        Download();
        hb::afx::ClickButton(dialog.m_hWnd, IDCANCEL);
    });
    Upload();
    EXPECT_EQ(boxes,
              (std::vector<std::string>{"Radio Busy: The radio is busy with another operation.",
                                        "Radio Busy: The radio is busy with another operation."}));
    EXPECT_FALSE(Claimed());
    EXPECT_FALSE(CLoader::InTransfer(rig));
    EXPECT_FALSE(rig->IsOpen());
    EXPECT_TRUE(Radio().Journal().empty());

    // A rig the caller gives is neither claimed nor released.
    OwnerWindow other;
    ASSERT_EQ(rig->AttachView(kRadioWindow, &other.wnd), 0);
    boxes.clear();
    Answer(tr::kWriteInfoDialog, IDOK);
    Download(rig);
    EXPECT_EQ(boxes, std::vector<std::string>{});
    EXPECT_EQ(CRig::FindByOwner(&other.wnd), rig);
    EXPECT_FALSE(Claimed());
    EXPECT_EQ(Radio().Memory(1)->get(Parm::kFrequency), 150'000'000u);
    rig->DetachView(&other.wnd, 255);

    // No radio of the group's type.
    doc.NewGroup(1);
    boxes.clear();
    Upload();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].starts_with("Radio Type Not Installed: No radios are installed"));
    EXPECT_EQ(boxTypes.back(), static_cast<UINT>(MB_OK | MB_ICONSTOP));
}

TEST_F(TransferDriverTest, RadiosWithTheirOwnTransferAreNotTouched) {
    Use(42);
    for (const std::uint8_t type : {42, 46, 62, 75}) {
        doc.NewGroup(type);
        Upload();
        Download();
    }
    EXPECT_EQ(boxes.size(), 8u);
    for (const std::string& box : boxes) {
        EXPECT_EQ(box, "Radio Engine: This radio cannot be read or written by this program.");
    }
    EXPECT_FALSE(Claimed());
    EXPECT_FALSE(rig->IsOpen());
}

struct Failure {
    bool reading;
    RequestKind kind;
    unsigned nth;
    Fault fault;
    std::uint16_t status;
    std::string error;
};

void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.error;
}

class TransferFailureTest : public TransferDriverTest,
                            public ::testing::WithParamInterface<Failure> {};

TEST_P(TransferFailureTest, IsReportedOnceAndTheClosingStepsFollow) {
    const Failure& failure = GetParam();
    UseFaulty(74, {failure.kind, failure.nth, failure.fault, failure.status, nullptr});
    Fill(2, 3);
    Answer(failure.reading ? tr::kReadInfoDialog : tr::kWriteInfoDialog, IDOK);
    if (failure.reading) {
        Upload();
    } else {
        Download();
    }
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{failure.error});
    EXPECT_EQ(boxes.size(), 1u);
    ExpectClosingSteps(failure.reading ? RequestKind::PostUpload : RequestKind::PostDownload);
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, TransferFailureTest,
    ::testing::Values(
        Failure{true, RequestKind::PreUpload, 1, Fault::Refuse, 0x8001, "Pre-Upload 737 32769"},
        Failure{true, RequestKind::GetBankName, 2, Fault::Refuse, 0x8002,
                "Read Bank Name 880 32770"},
        Failure{true, RequestKind::MemRead, 3, Fault::Refuse, 0x8003, "Read Channel 920 32771"},
        Failure{true, RequestKind::MemRead, 2, Fault::FailStatusAfter, 0x8004,
                "Read Status 930 32772"},
        Failure{true, RequestKind::PostUpload, 1, Fault::Refuse, 0x8005, "Post-Upload 995 32773"},
        Failure{false, RequestKind::PreDownload, 1, Fault::Refuse, 0x8006,
                "Pre-Download 1190 32774"},
        Failure{false, RequestKind::SetBankName, 2, Fault::Refuse, 0x8007,
                "Write Bank Name 1330 32775"},
        Failure{false, RequestKind::MemWrite, 3, Fault::Refuse, 0x8008, "Write Channel 1377 32776"},
        Failure{false, RequestKind::MemWrite, 2, Fault::StayBusy, 0, "Write Channel 1377 38912"},
        Failure{false, RequestKind::MemWrite, 2, Fault::FailStatusAfter, 0x8009,
                "Read Status 1387 32777"},
        Failure{false, RequestKind::PostDownload, 1, Fault::Refuse, 0x800A,
                "Post-Download 1418 32778"}),
    [](const ::testing::TestParamInfo<Failure>& info) {
        std::string name;
        for (const char c : info.param.error) {
            if (std::isalnum(static_cast<unsigned char>(c))) {
                name += c;
            }
        }
        return name + (info.param.fault == Fault::StayBusy ? "Busy" : "");
    });

TEST_F(TransferDriverTest, ADeviceThatDoesNotOpenIsReportedAndTheRadioReleased) {
    Use(74);
    Fill(1, 1);
    for (const bool reading : {true, false}) {
        Answer(reading ? tr::kReadInfoDialog : tr::kWriteInfoDialog, IDOK);
        hb::engine::EngineSim::FailNextOpen(0x8010);
        reading ? Upload() : Download();
    }
    EXPECT_EQ(TransferErrors(),
              (std::vector<std::string>{"Device Open 690 32784", "Device Open 1131 32784"}));
    EXPECT_FALSE(Claimed());
    EXPECT_FALSE(CLoader::InTransfer(rig));
    EXPECT_TRUE(::IsWindowEnabled(owner.wnd.m_hWnd));
    EXPECT_TRUE(Radio().Journal().empty());
    EXPECT_TRUE(hb::engine::EngineSim::Calls("scan_device_pre_upload").empty());
}

TEST_F(TransferDriverTest, StopEndsEitherWayAtTheNextCheckWithoutABox) {
    CLoader* running = nullptr;
    int memories = 0;
    // A plan that strikes nothing: the third memory asked or written presses Stop.
    UseFaulty(74, {RequestKind::MemRead, 0, Fault::Refuse, 0, nullptr}, [&](RequestKind kind) {
        const bool memory = kind == RequestKind::MemRead || kind == RequestKind::MemWrite;
        if (memory && ++memories == 3) {
            ::PostMessage(running->m_progress.m_hWnd, WM_COMMAND, IDCANCEL, 0);
        }
    });
    Fill(1, 5);
    for (const bool reading : {false, true}) {
        CLoader loader;
        running = &loader;
        memories = 0;
        requests.clear();
        Radio().ClearJournal();
        Answer(reading ? tr::kReadInfoDialog : tr::kWriteInfoDialog, IDOK);
        reading ? loader.Upload(&Root(), nullptr, &doc, &owner.wnd)
                : loader.Download(&Root(), nullptr, &doc, &owner.wnd);
        EXPECT_EQ(boxes, std::vector<std::string>{});
        EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
        EXPECT_EQ(Memories(reading ? "MR" : "MW").size(), 3u);
        ExpectClosingSteps(reading ? RequestKind::PostUpload : RequestKind::PostDownload);
    }
}

TEST_F(TransferDriverTest, AClaimHeldByAnotherTransferWindowIsRefusedAsBusy) {
    Use(74);
    OwnerWindow other;
    ASSERT_EQ(rig->AttachView(27119, &other.wnd), 0);
    Upload();
    EXPECT_EQ(boxes,
              std::vector<std::string>{"Radio Busy: The radio is busy with another operation."});
    EXPECT_EQ(boxTypes.back(), static_cast<UINT>(MB_OK | MB_ICONASTERISK));
    EXPECT_FALSE(Claimed());
    EXPECT_FALSE(rig->IsOpen());
    EXPECT_TRUE(hb::engine::EngineSim::Messages().empty());
    rig->DetachView(&other.wnd, 255);
}

TEST_F(TransferDriverTest, ARadioThatCannotBeReadIsToldWithMessageTen) {
    Use(2);
    hb::records::RadioModel model = *hb::records::FindRadioModel(2);
    model.caps1 &= ~Radio::kCanRead;
    hb::tessary::SetRadioFactory([&model](std::uint8_t type) {
        return type == 2 ? std::make_unique<::Radio>(model) : nullptr;
    });
    Upload();
    hb::tessary::SetRadioFactory(nullptr);
    ASSERT_EQ(hb::engine::EngineSim::Messages().size(), 1u);
    EXPECT_EQ(hb::engine::EngineSim::Messages()[0].number, 10u);
    EXPECT_FALSE(Claimed());
    EXPECT_FALSE(rig->IsOpen());
}

TEST_F(TransferDriverTest, AFlatGroupGoesToTheRadioAndComesBackTheSame) {
    Use(2);
    Fill(2, 20);
    Root().setName("Flat");
    Answer(tr::kWriteInfoDialog, IDOK);
    Download();
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
    EXPECT_EQ(Radio().Memory(21)->get(Parm::kFrequency), 151'000'000u);
    EXPECT_EQ(hb::tessary::StubCalls().back(),
              "RegisterImageTransfer(record, none, 0xFFFFFFFF, 1, 0, Flat, 2)");
    ExpectReadBackTheSame(2, 20);
}

// The memory a transfer of one channel from bank 3, channel 7 of the radio writes.
class MemoryNumberTest : public TransferDriverTest,
                         public ::testing::WithParamInterface<std::pair<std::uint8_t, int>> {};

TEST_P(MemoryNumberTest, IsWhatTheRadioIsSent) {
    const auto [type, expected] = GetParam();
    Use(type);
    Fill(1, 1);
    const bool flat = Radio::CreateRadio(type)->organisation().flat;
    hb::afx::SetModalScript(tr::kWriteInfoDialog, [flat](CDialog& dialog) {
        dialog.SetDlgItemText(tr::kTotal, "1");
        if (!flat) {
            dialog.SetDlgItemText(tr::kRadioStartBank, "3");
        }
        dialog.SetDlgItemText(tr::kRadioStartChannel, "7");
        hb::afx::ClickButton(dialog.m_hWnd, IDOK);
    });
    Download();
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
    EXPECT_EQ(Memories("MW"), std::vector<int>{expected});
}

// Type 98 numbers a bank by thousands; 400 channels in 10 banks; a flat radio.
INSTANTIATE_TEST_SUITE_P(Radios, MemoryNumberTest,
                         ::testing::Values(std::pair<std::uint8_t, int>{98, 3007},
                                           std::pair<std::uint8_t, int>{14, 127},
                                           std::pair<std::uint8_t, int>{2, 7}));

} // namespace
} // namespace hb::app::test
