#pragma once
// Fixture for the trunk scanners whose families program them by text commands: the radio of the
// test's type on the simulated port, a group document of its type, the bank choice answered as
// each test asks, and what the radio was sent, with the engine's pauses in their place among the
// commands.
#include "app/rig/Rig.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/EngineSim.h"
#include "platform/engine/device/LinkSettings.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/model/ConvertUser.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Range.h"
#include "platform/win/core/MessageBox.h"
#include "programming/Loader.h"
#include "resources/program/ProgramResources.h"
#include "resources/program/TransferIds.h"
#include "tests/app/programming/FaultyDevice.h"
#include "tests/app/programming/TransferErrors.h"
#include "tests/app/rig/RigTest.h"

#include <set>
#include <string>
#include <vector>

namespace hb::app::test {

class TrunkTransferTest : public RigTest {
protected:
    using Parm = hb::records::Parm;
    using UserId = hb::records::UserId;
    static constexpr unsigned kBanks = CLoadBankDlg::kBanks;

    struct Box {
        std::string caption;
        std::string text;
        UINT type = 0;
    };

    explicit TrunkTransferTest(std::uint8_t type) : radioType(type) {
        UseProgramResources(ProgramResourceTables());
        const std::string radio = "Type=" + std::to_string(type) + "\nPort=SIM\n";
        Settings("[Radios]\nRadio#1=Trunk\n[Trunk]\n" + radio + "[Real]\n" + radio);
        rig = AddRig("Trunk", type);
        doc.NewGroup(type);
        hb::win::SetMessageBoxHandler([this](const hb::win::BoxRequest& box) {
            boxes.push_back({box.caption, box.text, box.type});
            return IDOK;
        });
    }
    void TearDown() override {
        hb::win::SetMessageBoxHandler({});
        RigTest::TearDown();
    }

    // The radio's device fails as the plan says; the radio is then that of the section "Real".
    void UseFaulty(FaultyDevice::Plan plan) {
        radioName = "Real";
        FaultyDevice::Install("Trunk", "Real", std::move(plan));
    }
    hb::engine::sim::SimRadio& Simulated() const { return hb::engine::sim::RadioNamed(radioName); }

    // The banks' boxes (numbers from 1) and Settings as the user leaves them.
    static void Choose(const std::set<unsigned>& banks, bool settings) {
        namespace tr = hb::resources::transfer;
        hb::afx::SetModalScript(tr::kBankDialog, [banks, settings](CDialog& dialog) {
            for (unsigned n = 1; n <= kBanks; ++n) {
                dialog.CheckDlgButton(static_cast<int>(tr::kBankA + n - 1), banks.contains(n));
            }
            dialog.CheckDlgButton(tr::kSettings, settings);
            hb::afx::ClickButton(dialog.m_hWnd, IDOK);
        });
    }
    static std::set<unsigned> AllBanks() {
        std::set<unsigned> all;
        for (unsigned n = 1; n <= kBanks; ++n) {
            all.insert(n);
        }
        return all;
    }
    void Download(CLoader& loader) {
        EngineSim::ExpectMessage(33, 1);
        loader.Download(doc.GetGroup(), nullptr, &doc, &owner.wnd);
    }
    void Download() {
        CLoader loader;
        Download(loader);
    }
    void Upload(CLoader& loader, CGroupDoc& into) {
        EngineSim::ExpectMessage(12, 1);
        loader.Upload(into.GetGroup(), nullptr, &into, &owner.wnd);
    }
    void Upload() {
        CLoader loader;
        Upload(loader, doc);
    }

    Group& Root() const { return *doc.GetGroup(); }
    Bank& AddBank(std::uint8_t trunkType = 0, std::uint32_t trunkFlags = 0,
                  std::array<std::uint8_t, 8> fleetMap = {}) const {
        auto bank = std::make_unique<Bank>();
        bank->number = static_cast<std::uint16_t>(Root().banks().size() + 1);
        bank->trunkType = trunkType;
        bank->trunkFlags = trunkFlags;
        bank->fleetMap = fleetMap;
        return Root().addBank(std::move(bank));
    }
    // A channel as the radio can hold it: what a full read gives back, in its own memory.
    Chan& AddChannel(Bank& bank, std::uint32_t hz, const char* name = "", std::int16_t delay = 0,
                     std::uint8_t lockOut = 0) const {
        const unsigned perBank = doc.GetRadio()->organisation().channelsPerBank;
        auto channel = std::make_unique<Chan>();
        Parm record;
        record.set(Parm::kMemoryChannel, static_cast<std::uint16_t>((bank.number - 1) * perBank +
                                                                    1 + bank.members().size()));
        record.set(Parm::kFrequency, hz);
        record.set(Parm::kStep, 12'500);
        record.set(Parm::kMode, 2);
        record.set(Parm::Channel::kDelay, delay);
        record.set(Parm::kLockOut, lockOut);
        record.set(Parm::Channel::kMarker, Parm::Channel::kMarkerFullRead);
        record.setText(Parm::kName, name);
        channel->SetParm(record);
        return bank.addMember(std::move(channel));
    }
    // A trunk frequency of the bank: its trunk type in place of its squelch.
    Chan& AddTrunkChannel(Bank& bank, std::uint32_t hz) const {
        Chan& channel = AddChannel(bank, hz);
        Parm record = channel.record();
        record.set(Parm::Channel::kTrunkWord, Parm::Channel::kTrunkFrequency);
        record.set(Parm::Channel::kTrunkKind, bank.trunkType);
        channel.SetParm(record);
        return channel;
    }
    // An ID as the radio writes it, read for the bank.
    static UserIdEntry& AddId(Bank& bank, const char* text) {
        auto entry = std::make_unique<UserIdEntry>();
        EXPECT_EQ(convert_user(text, &entry->id(), bank.trunkType, bank.fleetMap), 0) << text;
        entry->setTag(std::string("ID ") + text);
        return bank.addUserId(std::move(entry));
    }
    Range& AddRange(std::uint32_t lower, std::uint32_t upper, std::uint8_t mode = 0,
                    std::uint32_t step = 0) const {
        auto range = std::make_unique<Range>();
        Parm record;
        record.set(Parm::Channel::kLowerLimit, lower);
        record.set(Parm::Channel::kUpperLimit, upper);
        record.set(Parm::kMode, mode);
        record.set(Parm::kStep, step);
        range->SetParm(record);
        return static_cast<Range&>(Root().addExtra(std::move(range)));
    }

    // The raw commands sent and the engine's pauses, in order ("pause 250").
    static std::vector<std::string> Sent() {
        std::vector<std::string> sent;
        for (const auto& call : EngineSim::Journal()) {
            if (call.function == "scan_device_raw_command") {
                sent.push_back(call.text.substr(0, call.text.find('\r')));
            } else if (call.function == "scan_delay") {
                sent.push_back("pause " + std::to_string(call.value));
            }
        }
        return sent;
    }
    // The lines the radio took that start with the text.
    std::vector<std::string> Lines(std::string_view start) const {
        std::vector<std::string> lines;
        for (const std::string& line : Simulated().Journal()) {
            if (line.starts_with(start)) {
                lines.push_back(line);
            }
        }
        return lines;
    }
    std::vector<Box> BoxesCaptioned(const std::string& caption) const {
        std::vector<Box> found;
        for (const Box& box : boxes) {
            if (box.caption == caption) {
                found.push_back(box);
            }
        }
        return found;
    }
    // The driver's closing steps ran: the radio is released and the owner enabled again.
    void ExpectClosed() {
        EXPECT_EQ(EngineSim::Calls("scan_device_post_upload").size() +
                      EngineSim::Calls("scan_device_post_download").size(),
                  1u);
        EXPECT_NE(CRig::FindByOwner(&owner.wnd), rig);
        EXPECT_TRUE(::IsWindowEnabled(owner.wnd.m_hWnd));
    }

    std::uint8_t radioType;
    OwnerWindow owner;
    CRig* rig = nullptr;
    CGroupDoc doc;
    std::string radioName = "Trunk";
    std::vector<Box> boxes;
};

} // namespace hb::app::test
