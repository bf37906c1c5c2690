#include "platform/afx/ModalScript.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/UserId.h"
#include "platform/tessary/app/LockMapEdit.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Range.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/core/Hooks.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <array>
#include <cstring>

namespace hb::app::test {
namespace {

using hb::records::EngineStatus;
using hb::win::Beeps;
using Codes = std::vector<std::uint8_t>;

// What the engine was asked, as (code, sub-code, first, second, short).
struct Sent {
    std::uint8_t code, subCode;
    std::uint32_t first, second;
    std::uint16_t shortParam;
    bool operator==(const Sent&) const = default;
};

std::vector<Sent> SentRequests() {
    std::vector<Sent> sent;
    for (const auto& call : EngineSim::Calls("scan_engine_command")) {
        const auto& r = *call.command;
        sent.push_back({r.get(EngineCommandRecord::kCode), r.get(EngineCommandRecord::kSubCode),
                        r.get(EngineCommandRecord::kFirst), r.get(EngineCommandRecord::kSecond),
                        r.get(EngineCommandRecord::kShort)});
    }
    return sent;
}

constexpr std::uint32_t kObject = 0x01020304;
constexpr std::uint32_t kFrequency = 155'010'000;
constexpr std::uint16_t kHit = 0x0A0B;
constexpr std::uint32_t kIdValue = 4711;

class RadioFrameEngineCommandsTest : public RadioWindowTest {
protected:
    void SetUp() override {
        Radios(kReceiverOnly, {{"Receiver", 42}});
        frame = OpenWindow();
        ASSERT_NE(frame, nullptr);
        AdvanceAndPump(1000);
        EngineSim::ClearJournal();
    }
    template <class T>
    void Patch(std::size_t offset, T value) const {
        std::array<std::uint8_t, sizeof(T)> bytes{};
        std::memcpy(bytes.data(), &value, sizeof(T));
        EngineSim::PatchStatus(frame->m_rig->m_engine, offset, bytes);
    }
    // The engine in `state` on the object, frequency, hit value and ID of the constants above.
    void Status(std::uint8_t state, std::uint32_t object = kObject, std::uint8_t setting = 0) {
        EngineSim::SetState(frame->m_rig->m_engine, state);
        Patch<std::uint32_t>(0x169, object);
        Patch<std::uint32_t>(0x155, kFrequency);
        Patch<std::uint16_t>(0x114, kHit);
        hb::records::UserId id;
        id.set(hb::records::UserId::kValue, kIdValue);
        id.set(hb::records::UserId::kKind, 1);
        EngineSim::PatchStatus(frame->m_rig->m_engine, 0x126,
                               std::span<const std::uint8_t>(id.data(), id.kSize));
        EngineSim::PatchStatus(frame->m_rig->m_engine, 0x141, setting);
        EngineSim::ClearJournal();
    }
    void Send(UINT id) const { frame->SendMessage(WM_COMMAND, id); }
    Roster& TheRoster() const {
        auto* doc = DYNAMIC_DOWNCAST(CRosterDoc, frame->FrontPanel()->GetDocument());
        return *doc->GetRoster();
    }
    Group& TheGroup() const { return static_cast<Group&>(*TheRoster().entries()[0]->object()); }

    CRadioFrame* frame = nullptr;
};

TEST_F(RadioFrameEngineCommandsTest,
       EveryEngineCommandBeepsAndSendsNothingWhileAnotherWindowOwnsTheRig) {
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "Other", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    ASSERT_EQ(frame->m_rig->AttachView(CRig::kCommandCorrelatorFiles, &other), 0);
    Status(5);
    for (const UINT id : {27034u, 27035u, 27036u, 27039u, 27031u, 27033u, 27029u, 28442u}) {
        const std::size_t beeps = Beeps().size();
        Send(id);
        EXPECT_EQ(Beeps().size(), beeps + 1) << id;
    }
    EXPECT_TRUE(EngineSim::Calls("scan_engine_command").empty());
    frame->m_rig->DetachView(&other);
    other.DestroyWindow();
}

TEST_F(RadioFrameEngineCommandsTest, LockOutsFollowTheEngineState) {
    Status(5);
    Send(27034);
    EXPECT_EQ(SentRequests(), (std::vector<Sent>{{1, 0, kObject, kFrequency, kHit}}));
    Status(26);
    Send(27034);
    EXPECT_EQ(SentRequests(), (std::vector<Sent>{{32, 0, kObject, kIdValue, kHit}}));
    Status(7);
    Send(27034);
    Send(27035);
    EXPECT_TRUE(SentRequests().empty());

    for (const std::uint8_t state : {5, 6}) {
        Status(state);
        Send(27035);
        EXPECT_EQ(SentRequests(), (std::vector<Sent>{{3, 0, kObject, kFrequency, kHit}}));
    }
    Status(26);
    Send(27035);
    EXPECT_TRUE(SentRequests().empty());
}

TEST_F(RadioFrameEngineCommandsTest, TheEngineSettingFollowsItsFlag) {
    Status(7, kObject, 1);
    Send(27039);
    Status(7, kObject, 0);
    Send(27039);
    EXPECT_EQ(EngineCodes(), (Codes{24}));
    EXPECT_EQ(EngineSim::Calls("scan_engine_command")[0].subCode(), 0xFF);
}

TEST_F(RadioFrameEngineCommandsTest, StoringTheActiveIdTellsTheEngineAndReloadsIt) {
    Chan& channel = *TheGroup().banks()[0]->members()[0];
    const auto reloaded = [] { return EngineSim::Calls("scan_reload_engine").size() == 1; };

    // First stored: added (1), so 27033 sends its setting.
    Status(5, channel.handle());
    Send(27033);
    const auto first = SentRequests();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first[0], (Sent{27, 0, 0, 0x00020000, 0}));
    EXPECT_TRUE(reloaded());

    // Stored already (0): 27033 sends no setting, 27031 always does.
    Status(26, channel.handle());
    Send(27033);
    for (const Sent& sent : SentRequests()) {
        EXPECT_NE(sent.code, 27);
    }
    EXPECT_TRUE(reloaded());
    Status(26, channel.handle());
    Send(27031);
    ASSERT_FALSE(SentRequests().empty());
    EXPECT_EQ(SentRequests()[0], (Sent{27, 0, 0, 0x00060000, 0}));
    EXPECT_TRUE(reloaded());

    // Another state, or an object without a bank, beeps and sends nothing.
    for (const auto& [state, object] :
         {std::pair<std::uint8_t, std::uint32_t>{27, channel.handle()},
          {5, TheGroup().extras()[0]->handle()}}) {
        Status(state, object);
        const std::size_t beeps = Beeps().size();
        Send(27031);
        EXPECT_EQ(Beeps().size(), beeps + 1);
        EXPECT_TRUE(SentRequests().empty());
    }
}

TEST_F(RadioFrameEngineCommandsTest, RestoringLockOutsSendsOnlyTheChangesThenStarts) {
    Group& group = TheGroup();
    Chan& free = *group.banks()[0]->members()[0];
    Chan& stored = *group.banks()[0]->members()[1];
    Chan& partial = *group.banks()[1]->members()[0];
    Chan& bankRange = *group.banks()[1]->members()[1];
    free.setLockOut(0);
    free.setFlags(0);
    stored.setLockOut(0);
    stored.setFlags(Chan::kFlagLockedOut | Chan::kFlagChangeWaiting);
    partial.setLockOut(1);
    partial.setFlags(Chan::kFlagKeepPartial);
    bankRange.setLockOut(0xFF);
    bankRange.setFlags(0);
    // A search range directly under an entry, locked out for good.
    auto range = std::make_unique<Range>();
    range->SetParm(bankRange.record());
    range->setFlags(Chan::kFlagLockedOut);
    range->setLockOut(0);
    Range& entryRange = *range;
    auto entry = std::make_unique<RosterEntry>();
    entry->active = RosterEntry::kOn;
    entry->tag = static_cast<std::uint32_t>(hb::records::ObjectKind::SearchRange);
    entry->setObject(std::move(range));
    TheRoster().addEntry(std::move(entry));
    EngineSim::ClearJournal();

    Send(27029);
    const auto sent = SentRequests();
    ASSERT_GE(sent.size(), 5u);
    EXPECT_EQ(std::vector<Sent>(sent.begin(), sent.begin() + 5),
              (std::vector<Sent>{
                  {1, 0, stored.handle(), stored.valueWord(), 0xFFFF},
                  {2, 0, bankRange.handle(), bankRange.valueWord(), 0xFFFF},
                  {7, 0, entryRange.handle(), entryRange.valueWord(), 0xFFFF},
                  {19, 0, 0, 0, 0},
                  {9, 0, 0, 0, 0},
              }));
    EXPECT_EQ(stored.lockOut(), 0xFF);
    EXPECT_EQ(stored.flags() & Chan::kFlagChangeWaiting, 0u);
    EXPECT_EQ(partial.lockOut(), 1);
    EXPECT_EQ(bankRange.lockOut(), 0);
    EXPECT_EQ(entryRange.lockOut(), 0xFF);

    // Everything matches now: only the start.
    EngineSim::SetState(frame->m_rig->m_engine, 7);
    EngineSim::ClearJournal();
    Send(27029);
    EXPECT_EQ(EngineCodes()[0], 19);
}

TEST_F(RadioFrameEngineCommandsTest, TheLockOutMapIsEditedWhileTheRadioIsPaused) {
    Range& range = static_cast<Range&>(*TheGroup().extras()[0]);
    EngineSim::SetState(frame->m_rig->m_engine, 2);
    EngineSim::ClearJournal();
    Codes whileShown;
    hb::afx::SetModalScript("CLockMapEdit", [&](CDialog& dialog) {
        EXPECT_EQ(static_cast<CLockMapEdit&>(dialog).m_range, &range);
        whileShown = EngineCodes();
        dialog.EndDialog(IDOK);
    });
    frame->ShowLockOutMap(&range);
    EXPECT_EQ(whileShown, (Codes{hb::records::kEngineCmdPause}));
    const Codes codes = EngineCodes();
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(Codes(codes.begin(), codes.begin() + 3), (Codes{8, 19, 9}));
    EXPECT_EQ(hb::afx::ModalLog().size(), 1u);
}

} // namespace
} // namespace hb::app::test
