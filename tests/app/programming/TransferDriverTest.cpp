// A whole memory transfer with a radio that keeps its memories: the radio chosen and claimed, the
// dialogs, what reaches the radio and comes back into the group, and how every way out releases
// the radio and closes the progress window.
#include "app/rig/Rig.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/EngineSim.h"
#include "platform/engine/sim/SimMemoryRadio.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/tessary/app/AppHooks.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/model/Group.h"
#include "platform/win/core/MessageBox.h"
#include "programming/Loader.h"
#include "resources/program/ProgramResources.h"
#include "resources/program/TransferIds.h"
#include "tests/app/rig/RigTest.h"

#include <algorithm>

namespace hb::app::test {
namespace {

namespace tr = hb::resources::transfer;
using hb::records::Parm;

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
        Settings("[Radios]\nRadio#1=Memory\n[Memory]\nType=" + std::to_string(type) +
                 "\nPort=SIM\nMemories=" + memories + "\n");
        rig = AddRig("Memory", type);
        doc.NewGroup(type);
    }
    static hb::engine::sim::SimMemoryRadio& Radio() {
        hb::engine::sim::RadioNamed("Memory");
        return *hb::engine::sim::FindMemoryRadio("Memory");
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
    static std::vector<std::string> Errors() {
        std::vector<std::string> errors;
        for (const auto& error : hb::tessary::ErrorMessages()) {
            errors.push_back(error.title + " " + std::to_string(error.ref) + " " +
                             std::to_string(error.status));
        }
        return errors;
    }
    // What the radio was sent, its requests' words only.
    static std::vector<std::string> Words() {
        std::vector<std::string> words;
        for (const std::string& line : Radio().Journal()) {
            words.push_back(line.substr(0, 2));
        }
        return words;
    }
    bool Claimed() { return CRig::FindByOwner(&owner.wnd) == rig; }

    OwnerWindow owner;
    CRig* rig = nullptr;
    CGroupDoc doc;
    std::vector<std::string> boxes;
    std::vector<UINT> boxTypes;
};

TEST_F(TransferDriverTest, ABankedGroupGoesToTheRadioAndComesBackTheSame) {
    Use(74);
    Fill(3, 5);
    Answer(tr::kWriteInfoDialog, IDOK);
    Download();
    EXPECT_EQ(boxes, std::vector<std::string>{});
    EXPECT_EQ(Errors(), std::vector<std::string>{});
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

    CGroupDoc fresh;
    fresh.NewGroup(74);
    Answer(tr::kReadInfoDialog, IDOK);
    CLoader().Upload(fresh.GetGroup(), nullptr, &fresh, &owner.wnd);
    EXPECT_EQ(boxes, std::vector<std::string>{});
    EXPECT_TRUE(fresh.IsModified());
    const Group& read = *fresh.GetGroup();
    ASSERT_EQ(read.banks().size(), 10u);
    ASSERT_EQ(read.banks()[2]->members().size(), 100u);
    for (std::size_t b = 0; b < 3; ++b) {
        EXPECT_EQ(read.banks()[b]->name(), Root().banks()[b]->name());
        EXPECT_EQ(read.banks()[b]->number, b);
        for (std::size_t c = 0; c < 5; ++c) {
            const Parm back = read.banks()[b]->members()[c]->record();
            const Parm out = Root().banks()[b]->members()[c]->record();
            EXPECT_EQ(back.get(Parm::kFrequency), out.get(Parm::kFrequency));
            EXPECT_EQ(back.get(Parm::kStep), out.get(Parm::kStep));
            EXPECT_EQ(back.get(Parm::kMode), out.get(Parm::kMode));
            EXPECT_EQ(back.get(Parm::kLockOut) != 0, out.get(Parm::kLockOut) != 0);
            EXPECT_EQ(back.get(Parm::Channel::kAttenuator), out.get(Parm::Channel::kAttenuator));
            EXPECT_EQ(back.get(Parm::Channel::kDelay), out.get(Parm::Channel::kDelay));
            EXPECT_EQ(back.tone(), out.tone());
            EXPECT_EQ(read.banks()[b]->members()[c]->name(),
                      Root().banks()[b]->members()[c]->name());
        }
    }
    EXPECT_EQ(read.banks()[7]->members()[0]->frequency(), 0u);
    EXPECT_FALSE(Claimed());
}

TEST_F(TransferDriverTest, AMemoryThatStaysEmptyEndsTheReadingAndTheClosingStepsFollow) {
    Use(2, "146520000, 146550000");
    Radio().MakeUnreadable(3);
    Answer(tr::kReadInfoDialog, IDOK);
    std::size_t beeps = 0;
    {
        CLoader loader;
        loader.Upload(&Root(), nullptr, &doc, &owner.wnd);
        EXPECT_EQ(loader.m_progress.m_hWnd, HWND{});
        beeps = Beeps().size();
    }
    EXPECT_EQ(Errors(), std::vector<std::string>{"Read Status 945 38912"});
    // Ten reads of memory 3, then the post-upload request and nothing more.
    const auto& sent = Radio().Journal();
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(),
                            [](const std::string& line) { return line.starts_with("MR 00003"); }),
              10);
    EXPECT_EQ(Words().back(), "EU");
    EXPECT_GE(beeps, 1u);
    EXPECT_EQ(Beeps().back(), static_cast<UINT>(MB_ICONASTERISK));
    EXPECT_FALSE(Claimed());
    EXPECT_FALSE(rig->IsOpen());
    // What was read before stays in the group.
    ASSERT_FALSE(Root().banks().empty());
    EXPECT_EQ(Root().banks()[0]->members()[1]->frequency(), 146'550'000u);
}

TEST_F(TransferDriverTest, AMemoryTheRadioDoesNotAnswerIsNotTakenFromTheOneBefore) {
    Use(2, "146520000, 146550000");
    Radio().FailOn("MR 00002", hb::engine::sim::Fault::Silent, 10);
    Answer(tr::kReadInfoDialog, IDOK);
    Upload();
    EXPECT_EQ(Errors(), std::vector<std::string>{"Read Status 945 38912"});
    ASSERT_EQ(Root().banks()[0]->members().size(), 2u);
    EXPECT_EQ(Root().banks()[0]->members()[0]->frequency(), 146'520'000u);
    EXPECT_EQ(Root().banks()[0]->members()[1]->frequency(), 0u);
}

TEST_F(TransferDriverTest, SkippedMemoriesOfTypeSeventyEightAreStoredEmptyWithoutAsking) {
    Use(78);
    Parm far;
    far.set(Parm::kMemoryChannel, 57);
    far.set(Parm::kFrequency, 155'000'000);
    far.set(Parm::kMode, 1);
    Radio().Store(far);
    Answer(tr::kReadInfoDialog, IDOK);
    Upload();
    EXPECT_EQ(Errors(), std::vector<std::string>{});
    const auto& sent = Radio().Journal();
    // Memory 40 answers with 57: 41 to 56 are not asked for.
    for (const char* line : {"MR 00041", "MR 00056"}) {
        EXPECT_EQ(std::ranges::count_if(
                      sent, [line](const std::string& text) { return text.starts_with(line); }),
                  0)
            << line;
    }
    EXPECT_EQ(std::ranges::count_if(
                  sent, [](const std::string& text) { return text.starts_with("MR 00057"); }),
              1);
    const Chan* stored = nullptr;
    for (const auto& bank : Root().banks()) {
        for (const auto& channel : bank->members()) {
            if (channel->frequency() == 155'000'000) {
                stored = channel.get();
            }
        }
    }
    ASSERT_NE(stored, nullptr);
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
    EXPECT_EQ(Errors(), std::vector<std::string>{});
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
    EXPECT_EQ(Errors(), std::vector<std::string>{});
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

TEST_F(TransferDriverTest, RadiosWithTheirOwnTransferOrACommandFamilyAreNotTouched) {
    Use(42);
    for (const std::uint8_t type : {42, 46, 62, 75, 43, 17}) {
        doc.NewGroup(type);
        Upload();
        Download();
    }
    EXPECT_EQ(boxes.size(), 12u);
    for (const std::string& box : boxes) {
        EXPECT_EQ(box, "Radio Engine: This radio cannot be read or written by this program.");
    }
    EXPECT_FALSE(Claimed());
    EXPECT_FALSE(rig->IsOpen());
}

} // namespace
} // namespace hb::app::test
