#pragma once
// Fixture for the trunk-tracking scanners of types 63 to 92: a scanner of the type on the simulated
// port, a group with the banks, channels, IDs and ranges a test builds, transfers run by the
// driver with the banks and settings a test chooses, and every line the radio was sent, with the
// clock when it came. Tests may watch the lines as they come, and answer boxes in turn.
#include "app/rig/Rig.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/SimState.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/engine/sim/SimTrunkRadio63.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/model/ConvertUser.h"
#include "platform/tessary/model/Group.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/MessageBox.h"
#include "programming/Loader.h"
#include "programming/RadioSettingsRecord.h"
#include "resources/program/ProgramResources.h"
#include "resources/program/TransferIds.h"
#include "tests/app/rig/RigTest.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace hb::app::test {

// The simulated scanner with the time of every line it takes.
class WatchedRadio63 : public hb::engine::sim::SimTrunkRadio63 {
public:
    using SimTrunkRadio63::SimTrunkRadio63;

    std::vector<std::int64_t> times;
    std::function<void(std::string_view)> onLine;

protected:
    std::optional<std::string> Answer(std::string_view line) override {
        times.push_back(hb::win::NowMs());
        if (onLine) {
            onLine(line);
        }
        return SimTrunkRadio63::Answer(line);
    }
};

class TrunkScanner63Test : public RigTest {
protected:
    using Parm = hb::records::Parm;
    using UserId = hb::records::UserId;
    using Journal = std::vector<std::string>;

    struct Box {
        std::string text;
        std::int64_t atMs = 0;
    };

    TrunkScanner63Test() {
        UseProgramResources(ProgramResourceTables());
        hb::win::SetMessageBoxHandler([this](const hb::win::BoxRequest& box) {
            boxes.push_back({box.caption + ": " + box.text, hb::win::NowMs()});
            if (answers.empty()) {
                return IDOK;
            }
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    void TearDown() override {
        hb::win::SetMessageBoxHandler({});
        RigTest::TearDown();
    }

    // A scanner of the type on the simulated port, and a group of `banks` empty banks made for
    // `groupType` (the scanner's own unless given).
    void Use(std::uint8_t type, std::size_t banks = 10, std::uint8_t groupType = 0) {
        Settings("[Radios]\nRadio#1=Scanner\n[Scanner]\nType=" + std::to_string(type) +
                 "\nPort=SIM\n");
        hb::engine::SimState::Get().radios["Scanner"] = std::make_unique<WatchedRadio63>(type);
        rig = AddRig("Scanner", type);
        NewGroup(groupType ? groupType : type, banks);
    }
    void NewGroup(std::uint8_t type, std::size_t banks) {
        doc.NewGroup(type);
        for (std::size_t n = 0; n < banks; ++n) {
            Root().addBank(std::make_unique<Bank>());
        }
    }
    // What the bank dialog is answered with.
    void Choose(std::initializer_list<std::size_t> banks, bool settings) {
        chosen.fill(false);
        for (const std::size_t bank : banks) {
            chosen.at(bank) = true;
        }
        chooseSettings = settings;
    }
    void ChooseAll() { Choose({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, true); }
    // A whole transfer of the group (another document's when given) as the group window starts
    // it; with `given`, on that radio.
    void Transfer(bool reading, CRig* given = nullptr, CGroupDoc* other = nullptr) {
        CGroupDoc& moved = other ? *other : doc;
        hb::engine::EngineSim::ExpectMessage(reading ? 12 : 33, 1);
        hb::afx::SetModalScript(hb::resources::transfer::kBankDialog, [this](CDialog& dialog) {
            for (std::size_t n = 0; n < chosen.size(); ++n) {
                dialog.CheckDlgButton(static_cast<int>(hb::resources::transfer::kBankA + n),
                                      chosen[n] ? 1 : 0);
            }
            dialog.CheckDlgButton(hb::resources::transfer::kSettings, chooseSettings ? 1 : 0);
            hb::afx::ClickButton(dialog.m_hWnd, IDOK);
        });
        CLoader loader;
        running = &loader;
        if (reading) {
            loader.Upload(moved.GetGroup(), given, &moved, &owner.wnd);
        } else {
            loader.Download(moved.GetGroup(), given, &moved, &owner.wnd);
        }
        running = nullptr;
    }
    void Download(CRig* given = nullptr) { Transfer(false, given); }
    void Upload(CRig* given = nullptr) { Transfer(true, given); }

    static WatchedRadio63& Radio() {
        return dynamic_cast<WatchedRadio63&>(hb::engine::sim::RadioNamed("Scanner"));
    }
    static hb::engine::sim::SimTrunkMemory63& Memory() { return Radio().Memory(); }
    static const Journal& Sent() { return Radio().Journal(); }
    // Whether the lines were sent one right after the other.
    static bool SentInOrder(const Journal& lines) {
        return !std::ranges::search(Sent(), lines).empty();
    }
    static std::size_t Count(const std::string& line) {
        return static_cast<std::size_t>(std::ranges::count(Sent(), line));
    }
    static std::size_t CountStarting(const std::string& start) {
        return static_cast<std::size_t>(std::ranges::count_if(
            Sent(), [&](const std::string& line) { return line.starts_with(start); }));
    }

    Group& Root() { return *doc.GetGroup(); }
    Bank& BankAt(std::size_t index) { return *Root().banks().at(index); }
    RadioSettingsRecord Record() { return RadioSettingsRecord::Fetch(Root().records()); }
    // A channel at the end of the bank.
    static Chan& AddChannel(Bank& bank, std::uint32_t hz, const std::string& name = "",
                            std::uint8_t mode = 0) {
        auto channel = std::make_unique<Chan>();
        Parm record = channel->record();
        record.set(Parm::kFrequency, hz);
        record.set(Parm::kStep, 12'500);
        record.set(Parm::kMode, mode);
        channel->SetParm(record);
        channel->setName(name);
        return bank.addMember(std::move(channel));
    }
    // An ID at the end of the bank's list, read from its text as the bank's radio gives it.
    static UserIdEntry& AddId(Bank& bank, const std::string& text, const std::string& tag = "") {
        auto entry = std::make_unique<UserIdEntry>();
        EXPECT_EQ(convert_user(text.c_str(), &entry->id(), bank.trunkType, bank.fleetMap), 0)
            << text;
        entry->setTag(tag);
        return bank.addUserId(std::move(entry));
    }
    Range& AddRange(std::uint32_t lower, std::uint32_t upper, const std::string& name) {
        auto range = std::make_unique<Range>();
        range->setLimits(lower, upper, 12'500);
        range->setName(name);
        return static_cast<Range&>(Root().addExtra(std::move(range)));
    }

    OwnerWindow owner;
    CRig* rig = nullptr;
    CGroupDoc doc;
    std::array<bool, 20> chosen{};
    bool chooseSettings = false;
    // The loader while a transfer runs.
    CLoader* running = nullptr;
    std::vector<Box> boxes;
    std::deque<int> answers;
};

} // namespace hb::app::test
