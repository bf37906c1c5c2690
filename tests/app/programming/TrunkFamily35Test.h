#pragma once
// Fixture for the transfers of the trunk scanners of types 35 and 99: one radio of the type on the
// simulated port, a group laid out as the radio is, the engine's question and the bank choice
// answered, and what the radio was sent. A loader may also be connected by hand, as a transfer
// stands before its first command, to drive one routine.
#include "app/rig/Rig.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/device/LinkSettings.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/tessary/app/AppHooks.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/model/ConvertUser.h"
#include "platform/tessary/model/Group.h"
#include "platform/win/core/MessageBox.h"
#include "programming/Loader.h"
#include "resources/program/ProgramResources.h"
#include "resources/program/TransferIds.h"
#include "tests/app/programming/FaultyDevice.h"
#include "tests/app/rig/RigTest.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace hb::app::test {

// What a reader takes back of a channel.
struct ChannelValues {
    std::uint32_t frequency;
    std::uint8_t mode;
    bool lockOut;
    bool delay;
    bool attenuator;
    std::uint16_t flags;
    std::uint16_t trunkWord;
    std::uint8_t trunkKind;

    static ChannelValues Of(const Chan& channel) {
        const hb::records::Parm r = channel.record();
        return {r.get(hb::records::Parm::kFrequency),
                r.get(hb::records::Parm::kMode),
                r.get(hb::records::Parm::kLockOut) != 0,
                r.get(hb::records::Parm::Channel::kDelay) != 0,
                r.get(hb::records::Parm::Channel::kAttenuator) != 0,
                r.get(hb::records::Parm::Channel::kFlags),
                r.get(hb::records::Parm::Channel::kTrunkWord),
                r.get(hb::records::Parm::Channel::kTrunkKind)};
    }
    bool operator==(const ChannelValues&) const = default;
};

inline void PrintTo(const ChannelValues& v, std::ostream* out) {
    *out << v.frequency << " mode " << int{v.mode} << " lock-out " << v.lockOut << " delay "
         << v.delay << " attenuator " << v.attenuator << " flags " << v.flags << " trunk "
         << v.trunkWord << "/" << int{v.trunkKind};
}

class TrunkFamily35Test : public RigTest {
protected:
    using Parm = hb::records::Parm;
    static constexpr std::size_t kBoxes = hb::resources::transfer::kBankCount;

    TrunkFamily35Test() {
        UseProgramResources(ProgramResourceTables());
        hb::win::SetMessageBoxHandler([this](const hb::win::BoxRequest& box) {
            boxes.push_back(box.caption);
            return IDOK;
        });
    }
    void TearDown() override {
        loader.m_progress.DestroyWindow();
        hb::win::SetMessageBoxHandler({});
        RigTest::TearDown();
    }

    // A radio of the type on the simulated port, and a group with its banks and channels; the
    // tests give it the search ranges they need.
    void Use(std::uint8_t type, const std::string& section = "") {
        Settings("[Radios]\nRadio#1=Trunk\n[Trunk]\nType=" + std::to_string(type) + "\nPort=SIM\n" +
                 section);
        rig = AddRig("Trunk", type);
        doc.NewGroup(type);
        ConformWithoutRanges(type, Root());
    }
    static void ConformWithoutRanges(std::uint8_t type, Group& group) {
        Radio::CreateRadio(type)->ConformGroup(group);
        while (!group.extras().empty()) {
            group.removeExtra(group.extras().size() - 1);
        }
    }
    Group& Root() const { return *doc.GetGroup(); }
    Bank& BankAt(std::size_t index) const { return *Root().banks().at(index); }
    Chan& ChannelAt(std::size_t bank, std::size_t index) const {
        return *BankAt(bank).members().at(index);
    }
    // The radio's device refuses the `nth` request of the kind with `status`.
    void Refuse(hb::engine::RequestKind kind, unsigned nth, std::uint16_t status) {
        Settings("[Radios]\nRadio#1=Trunk\n[Trunk]\nType=" + std::to_string(Root().radioType()) +
                 "\nPort=SIM\n[Real]\nType=" + std::to_string(Root().radioType()) + "\nPort=SIM\n");
        radioName = "Real";
        FaultyDevice::Install("Trunk", "Real",
                              {kind, nth, FaultyDevice::Fault::Refuse, status, {}});
    }
    hb::engine::sim::SimRadio& Radio() const { return hb::engine::sim::RadioNamed(radioName); }
    template <class SimType>
    SimType& RadioAs() const {
        return dynamic_cast<SimType&>(Radio());
    }

    // The boxes of the bank dialog the user leaves checked, bank A first, and Settings.
    static void Choose(const std::vector<bool>& banks, bool settings) {
        hb::afx::SetModalScript(hb::resources::transfer::kBankDialog, [=](CDialog& dialog) {
            for (std::size_t n = 0; n < kBoxes; ++n) {
                dialog.CheckDlgButton(static_cast<int>(hb::resources::transfer::kBankA + n),
                                      n < banks.size() && banks[n] ? 1 : 0);
            }
            dialog.CheckDlgButton(hb::resources::transfer::kSettings, settings ? 1 : 0);
            hb::afx::ClickButton(dialog.m_hWnd, IDOK);
        });
    }
    static void ChooseAll() { Choose(std::vector<bool>(kBoxes, true), true); }

    void Download() {
        EngineSim::ExpectMessage(33, 1);
        Radio().ClearJournal();
        CLoader().Download(&Root(), nullptr, &doc, &owner.wnd);
    }
    void Upload(CGroupDoc& into) {
        EngineSim::ExpectMessage(12, 1);
        Radio().ClearJournal();
        CLoader().Upload(into.GetGroup(), nullptr, &into, &owner.wnd);
    }

    // Opens the device and the progress dialog, as a transfer does before its first command.
    void Connect() {
        ASSERT_FALSE(IsFailureStatus(rig->OpenDevice(&owner.wnd)));
        loader.m_rig = rig;
        loader.m_owner = &owner.wnd;
        loader.m_root = &Root();
        loader.m_radio = Radio::CreateRadio(Root().radioType());
        ASSERT_TRUE(loader.m_progress.Create(&owner.wnd));
        Radio().ClearJournal();
    }

    const std::vector<std::string>& Journal() const { return Radio().Journal(); }
    std::size_t Count(const std::string& prefix) const {
        return static_cast<std::size_t>(std::ranges::count_if(
            Journal(), [&](const std::string& line) { return line.starts_with(prefix); }));
    }
    bool Sent(const std::string& line) const {
        return std::ranges::find(Journal(), line) != Journal().end();
    }
    // The lines sent from the first that starts with `prefix`, `count` of them.
    std::vector<std::string> SentFrom(const std::string& prefix, std::size_t count) const {
        const auto first = std::ranges::find_if(
            Journal(), [&](const std::string& line) { return line.starts_with(prefix); });
        const auto available = static_cast<std::size_t>(Journal().end() - first);
        return {first, first + static_cast<std::ptrdiff_t>(std::min(count, available))};
    }
    static std::vector<std::string> Errors() {
        std::vector<std::string> errors;
        for (const auto& error : hb::tessary::ErrorMessages()) {
            errors.push_back(error.title + " " + std::to_string(error.status));
        }
        return errors;
    }

    // A channel record as the radios keep one.
    static void SetChannel(Chan& channel, std::uint32_t hz, std::uint8_t mode = 0,
                           bool lockOut = false, bool delay = false, bool attenuator = false) {
        Parm record = channel.record();
        record.set(Parm::kFrequency, hz);
        record.set(Parm::kMode, mode);
        record.set(Parm::kLockOut, static_cast<std::uint8_t>(lockOut ? 0xFF : 0));
        record.set(Parm::Channel::kDelay, static_cast<std::int16_t>(delay ? 2000 : 0));
        record.set(Parm::Channel::kAttenuator, static_cast<std::uint8_t>(attenuator ? 1 : 0));
        channel.SetParm(record);
    }
    // An ID entry made as a user types the ID into a bank.
    static UserIdEntry& AddId(Bank& bank, const char* text) {
        auto entry = std::make_unique<UserIdEntry>();
        if (*text != '\0') {
            EXPECT_EQ(convert_user(text, &entry->id(), bank.trunkType, bank.fleetMap), 0) << text;
        }
        entry->setTag(std::string("ID ") + text);
        return bank.addUserId(std::move(entry));
    }

    OwnerWindow owner;
    CRig* rig = nullptr;
    CGroupDoc doc;
    CLoader loader;
    std::string radioName = "Trunk";
    std::vector<std::string> boxes;
};

} // namespace hb::app::test
