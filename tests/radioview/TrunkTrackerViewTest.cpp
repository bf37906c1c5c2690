#include "radioview/TrunkTrackerView.h"

#include "app/rig/Rig.h"
#include "audio/AudioLogClient.h"
#include "platform/instruments/Gestures.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/RadioModel.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/grid/GroupGrid.h"
#include "platform/tessary/model/Chan.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Roster.h"
#include "programming/ScanListView.h"
#include "tests/radioview/FrontPanelTest.h"

#include <memory>
#include <tuple>
#include <utility>

namespace hb::radioview::test {
namespace {

using hb::records::DeviceStatus;
using hb::records::EngineCommandRecord;
using hb::records::EngineStatus;
using hb::records::UserId;
namespace rec = hb::records;
using hb::engine::EngineSim;

class TrunkTrackerTest : public hb::app::test::FrontPanelTest {
protected:
    CTrunkTrackerView* Open(int type) {
        if (!started) {
            StartWith(type);
        }
        view = DYNAMIC_DOWNCAST(CTrunkTrackerView, OpenPanel());
        EXPECT_NE(view, nullptr);
        return view;
    }
    void Start(int type) {
        StartWith(type);
        started = true;
    }
    // The panel shown a status: engine state and device fields as set below.
    void Show(Object* channel = nullptr, Object* user = nullptr) {
        engine->set(EngineStatus::kState, engineState);
        view->UpdateStatusDisplay(engine->data(), device->data(), channel, user);
    }
    static std::vector<EngineCommandRecord> Commands(std::uint8_t code) {
        std::vector<EngineCommandRecord> found;
        for (const auto& call : EngineSim::Calls("scan_engine_command")) {
            if (call.code() == code) {
                found.push_back(*call.command);
            }
        }
        return found;
    }
    // A click in the middle of the cell, as the user makes it.
    static void ClickCell(CiLedMatrixX& matrix, long row, long column) {
        CRect client;
        matrix.GetClientRect(&client);
        const long x = (2 * column + 1) * client.Width() / (2 * matrix.GetColCount());
        const long y = (2 * row + 1) * client.Height() / (2 * matrix.GetRowCount());
        hb::instruments::UserClick(matrix.m_hWnd, 1, 0, x, y);
    }
    Group* TheGroup() const {
        auto* doc = DYNAMIC_DOWNCAST(CRosterDoc, view->GetDocument());
        return dynamic_cast<Group*>(doc->GetRoster()->entries().front()->object());
    }
    CString Caption(CiLabelX& label) const { return label.GetCaption(); }
    bool Lit(CTrunkTrackerView::Lamp lamp) const {
        return view->m_lamps[lamp].GetActive() != FALSE;
    }
    CAudioLog* ReplayingLog() const {
        CAudioLog* log = view->m_audioLog;
        EXPECT_NE(log, nullptr);
        if (log) {
            log->m_mode = CAudioLog::kModePlay;
        }
        return log;
    }

    bool started = false;
    CTrunkTrackerView* view = nullptr;
    std::uint8_t engineState = 5;
    std::unique_ptr<EngineStatus> engine = std::make_unique<EngineStatus>();
    std::unique_ptr<DeviceStatus> device = std::make_unique<DeviceStatus>();
};

TEST_F(TrunkTrackerTest, TheFirstUpdateLoadsTheIdBanksMaskedAndSendsTheStoredSwitches) {
    Start(35);
    UserValue(kSection, "TrunkIDBank2", 0xFFFF);
    UserValue(kSection, "TrunkIDBank3", 0x0003);
    UserValue(kSection, "SquelchMode", 2);
    UserValue(kSection, "PriorityMode", 1);
    UserValue(kSection, "DataSkip", 1);
    EngineSim::ClearJournal();
    ASSERT_NE(Open(35), nullptr);
    EXPECT_EQ(view->m_idBanks[2], 0x37FF);
    EXPECT_EQ(view->m_modeColumn.GetIndicatorCaption(2, 0), "SCAN");
    EXPECT_EQ(view->m_modeColumn.GetIndicatorCaption(3, 0), "SRCH");
    // 50 IDs per bank: five groups a row.
    for (long j = 0; j < 10; ++j) {
        EXPECT_EQ(view->m_idMatrix.GetIndicatorActive(2, j) != FALSE, j < 5) << j;
        EXPECT_EQ(view->m_idMatrix.GetIndicatorActive(3, j) != FALSE, j < 2) << j;
    }
    std::vector<std::pair<std::uint8_t, std::uint8_t>> switches;
    for (const auto& call : EngineSim::Calls("scan_engine_command")) {
        if (call.code() >= rec::kEngineCmdPrioritySwitch &&
            call.code() <= rec::kEngineCmdDataSkipSwitch) {
            switches.emplace_back(call.code(), call.subCode());
        }
    }
    const std::vector<std::pair<std::uint8_t, std::uint8_t>> expected{{38, 2}, {37, 1}, {39, 1}};
    EXPECT_EQ(switches, expected);
    EXPECT_EQ(view->m_toneControl.GetPosition(), 2);
    // Bank 10 is styled as the later banks are.
    EXPECT_EQ(view->m_banks[8].GetXButtonStyle(), 7u);
    EXPECT_EQ(view->m_banks[9].GetXButtonStyle(), 4u);
}

TEST_F(TrunkTrackerTest, AFormWithoutToneControlNeitherReadsNorSendsTheSquelchMode) {
    Start(43);
    EngineSim::ClearJournal();
    ASSERT_NE(Open(43), nullptr);
    EXPECT_EQ(view->m_toneControl.m_hWnd, nullptr);
    EXPECT_TRUE(Commands(rec::kEngineCmdToneSwitch).empty());
    EXPECT_EQ(Profile("SquelchMode"), -7);
    EXPECT_EQ(Commands(rec::kEngineCmdPrioritySwitch).size(), 1u);
    EXPECT_EQ(Commands(rec::kEngineCmdDataSkipSwitch).size(), 1u);
    EXPECT_EQ(Profile("DataSkip"), 0);
}

TEST_F(TrunkTrackerTest, AReplayingLoggerGoesLiveBeforeAKeyABankASelectedVfoOrARecall) {
    ASSERT_NE(Open(63), nullptr);
    const std::function<void()> actions[] = {
        [this] { hb::afx::ClickButton(view->m_hWnd, static_cast<int>(IDC_KEY_SCAN)); },
        [this] { hb::afx::ClickButton(view->m_hWnd, static_cast<int>(IDC_BANK_1 + 2)); },
        [this] { view->SelectVfo(2, TRUE); },
        [this] {
            parm record;
            record.set(parm::kMemoryChannel, 12);
            view->RecallChannel(&record);
        },
    };
    for (const auto& action : actions) {
        CAudioLog* log = ReplayingLog();
        ASSERT_NE(log, nullptr);
        action();
        PumpUntilIdle();
        EXPECT_EQ(log->GetMode(), CAudioLog::kModeRecord);
    }
    const auto recalls = Commands(rec::kEngineCmdScannerKey);
    ASSERT_FALSE(recalls.empty());
    EXPECT_EQ(recalls.back().get(EngineCommandRecord::kSubCode), 13);
    EXPECT_EQ(recalls.back().get(EngineCommandRecord::kShort), 12);
}

TEST_F(TrunkTrackerTest, ABankClickStaysAsClickedUntilTheScannerConfirmsIt) {
    ASSERT_NE(Open(63), nullptr);
    device->set(DeviceStatus::kTrunkFlags, 0x3FF);
    device->set(DeviceStatus::kBankIndex, 1);
    Show();
    ASSERT_TRUE(view->m_banks[2].GetChecked());
    EngineSim::ClearJournal();
    hb::afx::ClickButton(view->m_hWnd, static_cast<int>(IDC_BANK_1 + 2));
    const auto masks = Commands(rec::kEngineCmdBankMask);
    ASSERT_EQ(masks.size(), 1u);
    EXPECT_EQ(masks[0].get(EngineCommandRecord::kFirst), 0x3FBu);
    EXPECT_FALSE(view->m_banks[2].GetChecked());

    // Still reported: the buttons keep the user's state.
    Show();
    EXPECT_FALSE(view->m_banks[2].GetChecked());
    EXPECT_EQ(view->m_bankPending, CRadioView::kOn);

    device->set(DeviceStatus::kTrunkFlags, 0x3FB);
    Show();
    EXPECT_EQ(view->m_bankPending, 0);
    EXPECT_FALSE(view->m_banks[2].GetChecked());
    // The buttons follow the radio again; the current bank has the current-bank colour.
    device->set(DeviceStatus::kTrunkFlags, 0x3FF);
    Show();
    EXPECT_TRUE(view->m_banks[2].GetChecked());
    const hb::tessary::NamedColors& colors = CScanApp::GetScanApp()->Colors();
    EXPECT_EQ(view->m_bankStrip.GetIndicatorColor(0, 1), colors.bankStripOn);
    EXPECT_EQ(view->m_bankStrip.GetIndicatorColor(0, 2), colors.bankStripOff);
    EXPECT_TRUE(view->m_bankStrip.GetIndicatorActive(0, 2));
}

TEST_F(TrunkTrackerTest, IdGroupsAndModeChangesFollowTheScannerWithTheirPendingColours) {
    ASSERT_NE(Open(63), nullptr);
    EngineSim::ClearJournal();
    ClickCell(view->m_idMatrix, 1, 3);
    auto groups = Commands(rec::kEngineCmdIdGroups);
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].get(EngineCommandRecord::kShort), 1);
    EXPECT_EQ(groups[0].get(EngineCommandRecord::kFirst), 0x8u);

    // Bit 12 clear: a scan request.
    ClickCell(view->m_modeColumn, 1, 0);
    auto modes = Commands(rec::kEngineCmdIdBankMode);
    ASSERT_EQ(modes.size(), 1u);
    EXPECT_EQ(modes[0].get(EngineCommandRecord::kSubCode), 0xFF);
    EXPECT_EQ(modes[0].get(EngineCommandRecord::kShort), 1);
    EXPECT_EQ(view->m_modeColumn.GetIndicatorCaption(1, 0), "Scan");
    EXPECT_EQ(view->m_modeColumn.GetIndicatorColor(1, 0), CTrunkTrackerView::kScanRequestedColor);

    // The scanner still changing: the requested colour stays.
    device->set(DeviceStatus::kIdBankWords, 1, 0x0800);
    Show();
    EXPECT_EQ(view->m_modeColumn.GetIndicatorColor(1, 0), CTrunkTrackerView::kScanRequestedColor);
    // A word without bit 14 changes neither the matrix nor the profile.
    device->set(DeviceStatus::kIdBankWords, 1, 0x3003);
    Show();
    EXPECT_EQ(view->m_modeColumn.GetIndicatorCaption(1, 0), "Scan");
    EXPECT_EQ(view->m_modeColumn.GetIndicatorColor(1, 0), CTrunkTrackerView::kScanColor);
    EXPECT_TRUE(view->m_idMatrix.GetIndicatorActive(1, 3));
    EXPECT_FALSE(view->m_idMatrix.GetIndicatorActive(1, 0));
    EXPECT_EQ(Profile("TrunkIDBank1"), -7);
    // With bit 14 it is written and shown.
    device->set(DeviceStatus::kIdBankWords, 1, 0x7003);
    Show();
    EXPECT_EQ(Profile("TrunkIDBank1"), 0x7003);
    EXPECT_TRUE(view->m_idMatrix.GetIndicatorActive(1, 0));
    EXPECT_FALSE(view->m_idMatrix.GetIndicatorActive(1, 3));
    EXPECT_EQ(view->m_idBanks[1] & 0x3FF, 0x003);

    // A second click asks for search.
    ClickCell(view->m_modeColumn, 1, 0);
    modes = Commands(rec::kEngineCmdIdBankMode);
    EXPECT_EQ(modes.back().get(EngineCommandRecord::kSubCode), 0);
    EXPECT_EQ(view->m_modeColumn.GetIndicatorColor(1, 0), CTrunkTrackerView::kSearchRequestedColor);
    device->set(DeviceStatus::kIdBankWords, 1, 0x4003);
    Show();
    EXPECT_EQ(view->m_modeColumn.GetIndicatorCaption(1, 0), "Srch");
    EXPECT_EQ(view->m_modeColumn.GetIndicatorColor(1, 0), CTrunkTrackerView::kSearchColor);
}

TEST_F(TrunkTrackerTest, TheStatusLineTagAndHoldLampFollowTheScanState) {
    ASSERT_NE(Open(63), nullptr);
    device->set(DeviceStatus::kCurrentChannel, 42);
    // state, running status, paused status, running tag, paused tag, hold lamp
    const std::tuple<int, const char*, const char*, const char*, const char*, bool> rows[] = {
        {1, "Scan Hold", "Scan Hold", "", "C042", true},
        {2, "Manual", "Manual", "MAN", "MAN", true},
        {3, "Searching...", "Search Pause", "", "SRCH", false},
        {4, "Search HOLD", "Search HOLD", "", "SRCH", true},
        {5, "Service Searching...", "Service Search Pause", "", "SRVC", false},
        {6, "Service Search HOLD", "Service Search HOLD", "", "SRVC", true},
        {7, "Manual", "Manual", "VFO", "VFO", true},
        {8, "Scanning...", "Scan Pause", "", "C042", false},
        {9, "Highway Scanning...", "Highway Scan Pause", "", "HWY", false},
        {10, "Highway Scan HOLD", "Highway Scan HOLD", "", "HWY", true},
        {11, "Highway Trunk Scanning...", "Highway Trunk Scan Pause", "", "HWY", false},
        {12, "Highway Trunk HOLD", "Highway Trunk HOLD", "", "HWY", true},
        {13, "Scanning...", "Scan Pause", "", "C042", false},
        {15, "Trunk ID Searching...", "Trunk ID Search Pause", "", "C042", false},
        {19, "Trunk ID Searching...", "Trunk ID Search Pause", "", "C042", false},
        {23, "Trunk ID Searching...", "Trunk ID Search Pause", "", "C042", false},
        {16, "Trunk ID Search HOLD", "Trunk ID Search HOLD", "", "C042", true},
        {20, "Trunk ID Search HOLD", "Trunk ID Search HOLD", "", "C042", true},
        {24, "Trunk ID Search HOLD", "Trunk ID Search HOLD", "", "C042", true},
        {17, "Trunk ID Scanning...", "Trunk ID Scan Pause", "", "C042", false},
        {21, "Trunk ID Scanning...", "Trunk ID Scan Pause", "", "C042", false},
        {25, "Trunk ID Scanning...", "Trunk ID Scan Pause", "", "C042", false},
        {18, "Trunk ID Scan HOLD", "Trunk ID Scan HOLD", "", "C042", true},
        {22, "Trunk ID Scan HOLD", "Trunk ID Scan HOLD", "", "C042", true},
        {26, "Trunk ID Scan HOLD", "Trunk ID Scan HOLD", "", "C042", true},
        {30, "Scanning...", "Scan Pause", "", "C042", false},
    };
    for (const auto& [state, running, paused, runningTag, pausedTag, hold] : rows) {
        device->set(DeviceStatus::kScanStateCode, static_cast<std::uint8_t>(state));
        for (const bool run : {true, false}) {
            engineState = run ? 2 : 5;
            Show();
            EXPECT_EQ(Caption(view->m_statusLine), run ? running : paused) << state << run;
            EXPECT_EQ(Caption(view->m_channelTag), run ? runningTag : pausedTag) << state << run;
            EXPECT_EQ(Lit(CTrunkTrackerView::kLampHold), hold) << state;
        }
    }
    // Channel 0 is channel 1000; no channel shows no tag; a trunked site shows its code.
    device->set(DeviceStatus::kScanStateCode, 1);
    device->set(DeviceStatus::kCurrentChannel, 0);
    Show();
    EXPECT_EQ(Caption(view->m_channelTag), "C1000");
    device->set(DeviceStatus::kCurrentChannel, DeviceStatus::kNoChannel);
    Show();
    EXPECT_EQ(Caption(view->m_channelTag), "");
    device->set(DeviceStatus::kTrunkFlags,
                DeviceStatus::kTrunkTrunking | DeviceStatus::kTrunkNotSearching);
    device->set(DeviceStatus::kSiteChar1, static_cast<std::uint8_t>('3' + 16));
    device->set(DeviceStatus::kSiteChar2, static_cast<std::uint8_t>('7'));
    Show();
    EXPECT_EQ(Caption(view->m_channelTag), "3-7");
    // Outside the digits the site shows '0', never a control character.
    device->set(DeviceStatus::kSiteChar1, static_cast<std::uint8_t>(' '));
    Show();
    EXPECT_EQ(Caption(view->m_channelTag), "0-7");
}

TEST_F(TrunkTrackerTest, TheIdDisplayShowsEachKindOfIdWithItsLamp) {
    ASSERT_NE(Open(63), nullptr);
    auto show = [this](std::uint8_t kind, std::uint32_t value, std::uint8_t size = 0,
                       std::uint8_t block = 0, std::uint8_t fleet = 0, std::uint8_t subfleet = 0) {
        UserId id;
        id.set(UserId::kKind, kind);
        id.set(UserId::kValue, value);
        id.set(UserId::kSizeCode, size);
        id.set(UserId::kBlock, block);
        id.set(UserId::kFleet, fleet);
        id.set(UserId::kSubfleet, subfleet);
        view->FormatTrunkId(id);
        return std::pair{view->m_idDisplay.GetValue(), view->m_idDisplay.GetPrecision()};
    };
    auto onlyLit = [this](int lamp) {
        for (int l = CTrunkTrackerView::kLampPl; l <= CTrunkTrackerView::kLampEd; ++l) {
            EXPECT_EQ(Lit(static_cast<CTrunkTrackerView::Lamp>(l)), l == lamp) << l;
        }
    };
    EXPECT_EQ(show(1, 0, 1, 2, 200, 5), std::pair(2072.1, 1L));
    onlyLit(CTrunkTrackerView::kLampM1);
    EXPECT_EQ(show(5, 0x13), std::pair(23.0, 0L));
    onlyLit(CTrunkTrackerView::kLampDpl);
    const int previous = format_motorola_style(2);
    EXPECT_EQ(show(2, 1600), std::pair(1600 * 0.0625 + 800000.0, 0L));
    onlyLit(CTrunkTrackerView::kLampM2);
    format_motorola_style(previous);
    // A size code of 0x1F is size 15: no layout, shown as a plain ID.
    EXPECT_EQ(show(1, 4321, 0x1F, 7, 255, 255), std::pair(4321.0, 0L));
    onlyLit(CTrunkTrackerView::kLampM2);
    EXPECT_EQ(show(4, 1000), std::pair(100.0, 1L));
    onlyLit(CTrunkTrackerView::kLampPl);
    EXPECT_EQ(show(3, (1u << 13) | (4u << 8) | 21u), std::pair(104021.0, 0L));
    onlyLit(CTrunkTrackerView::kLampLtr);
    EXPECT_EQ(show(7, 55), std::pair(0.0, 0L));
    onlyLit(-1);
}

TEST_F(TrunkTrackerTest, TheCurrentChannelIsFoundInItsBankAndForgottenWhenTheListChanges) {
    EXPECT_EQ(CTrunkTrackerView::BankIndexOf(100, 100), 0);
    EXPECT_EQ(CTrunkTrackerView::BankIndexOf(101, 100), 1);
    EXPECT_EQ(CTrunkTrackerView::BankIndexOf(0, 100), 9);
    EXPECT_EQ(CTrunkTrackerView::BankIndexOf(5, 0), -1);

    ASSERT_NE(Open(63), nullptr);
    // Type 63: 20 channels a bank; channel 21 is the first of the second bank.
    Group* group = TheGroup();
    ASSERT_NE(group, nullptr);
    ASSERT_GE(group->banks().size(), 2u);
    Bank& second = *group->banks()[1];
    second.setName("Fire");
    Chan& channel = *second.members()[0];
    parm record = channel.record();
    record.set(parm::kFrequency, 851'012'500);
    record.set(parm::kMemoryChannel, 21);
    channel.SetParm(record);
    channel.setName("Fire dispatch");
    device->set(DeviceStatus::kCurrentChannel, 21);
    device->set(DeviceStatus::kCurrentFrequency, 851'012'500);
    device->set(DeviceStatus::kCurrentLockOut, 0xFF);
    Show();
    EXPECT_EQ(view->CurrentChannel(), &channel);
    EXPECT_EQ(view->CurrentBank(), &second);
    EXPECT_EQ(Caption(view->m_textLine1), "Fire dispatch");
    EXPECT_EQ(Caption(view->m_textLine3), "Fire");
    // The channel took the scanner's lock-out, and the list is to be saved.
    EXPECT_EQ(channel.lockOut(), 0xFF);
    auto* doc = DYNAMIC_DOWNCAST(CRosterDoc, view->GetDocument());
    EXPECT_TRUE(doc->IsModified());
    doc->SetModifiedFlag(FALSE);

    // The scan list is replaced: the next status reads nothing of the old objects.
    doc->GetRoster()->entries().front()->releaseObject().reset();
    view->OnUpdate(nullptr, 0, nullptr);
    Show();
    EXPECT_EQ(view->CurrentChannel(), nullptr);
    EXPECT_EQ(Caption(view->m_textLine3), "");
}

TEST_F(TrunkTrackerTest, TheAudioLogKeepsTheNamesAndRecallingAnUnknownIdSendsNothing) {
    ASSERT_NE(Open(63), nullptr);
    auto notify = [this](const char* system, const char* group, const char* channel) {
        device->setText(DeviceStatus::kTextLines, 0, system);
        device->setText(DeviceStatus::kTextLines, 1, group);
        device->setText(DeviceStatus::kTextLines, 2, channel);
        dal record;
        view->NotifyAudioLog(&record, 8, 0, engine->data(), device->data());
        return std::tuple{record.text(dal::kName1), record.text(dal::kName2),
                          record.text(dal::kName3)};
    };
    EXPECT_EQ(notify("County", "Police", "Car 4"), std::tuple("County", "Police", "Car 4"));
    EXPECT_EQ(notify("", "", ""), std::tuple("County", "Police", "Car 4"));
    EXPECT_EQ(notify("", "Fire", ""), std::tuple("County", "Fire", "Car 4"));
    EXPECT_EQ(notify("State", "", ""), std::tuple("State", "", ""));
    // A name of more than 16 characters is cut at 16.
    EXPECT_EQ(std::get<0>(notify("A system with a long name", "", "")), "A system with a");

    EngineSim::ClearJournal();
    view->RecallTrunkId(987654);
    EXPECT_TRUE(Commands(rec::kEngineCmdScannerKey).empty());
}

TEST_F(TrunkTrackerTest, ASkippedSegmentReachesTheLoggerAsRecordedOnlyWithoutTheChannelFlag) {
    ASSERT_NE(Open(63), nullptr);
    // The rig's logger for the moment is a recorder, which hears what the rig passes on.
    CAudioLogClient recorder;
    CAudioLog* const own = std::exchange(view->m_rig->m_audio_log, &recorder);
    auto passed = [&](BYTE decision, BYTE channelFlag) {
        dal record;
        view->NotifyAudioLog(&record, decision, channelFlag, engine->data(), device->data());
        const auto calls = hb::tessary::AudioCallsOf(&recorder);
        return calls.empty() ? std::string() : calls.back();
    };
    EXPECT_EQ(passed(8, 0), "OnEngineStatus(rig, dal, status, 2)");
    EXPECT_EQ(passed(8, 1), "OnEngineStatus(rig, dal, status, 8)");
    EXPECT_EQ(passed(4, 0), "OnEngineStatus(rig, dal, status, 4)");
    view->m_rig->m_audio_log = own;
}

TEST_F(TrunkTrackerTest, FewerThanTenIdsABankShowNoMatrixCells) {
    Start(63);
    UserValue(kSection, "TrunkIDBank0", 0x03FF);
    // The rig owns its radio: one of nine IDs a bank takes the place of the type's own.
    CRig* rig = CRig::FindByName(kSection);
    ASSERT_NE(rig, nullptr);
    rec::RadioModel model = *rec::FindRadioModel(63);
    model.organisation.idsPerBank = 9;
    delete rig->m_radio;
    rig->m_radio = new Radio(model);
    ASSERT_NE(Open(63), nullptr);
    ASSERT_NE(view->m_idMatrix.m_hWnd, nullptr);
    device->set(DeviceStatus::kIdBankWords, 0, std::uint16_t{0x43FF});
    Show();
    for (long j = 0; j < view->m_idMatrix.GetColCount(); ++j) {
        EXPECT_FALSE(view->m_idMatrix.GetIndicatorActive(0, j)) << j;
    }
}

TEST_F(TrunkTrackerTest, HoldCarriesTheChannelOrTheBankByTheEngineStateAndElseOnlyBeeps) {
    ASSERT_NE(Open(63), nullptr);
    CRig* rig = view->m_rig;
    rig->m_device_status.set(DeviceStatus::kCurrentChannel, 21);
    rig->m_device_status.set(DeviceStatus::kBankIndex, 4);
    rig->m_device_status.set(DeviceStatus::kCurrentFrequency, 851'012'500);
    rig->m_device_status.set(rec::Within(DeviceStatus::kCurrentParm, parm::Channel::kTone), 0x1234);
    auto hold = [&](std::uint8_t state) {
        rig->m_engine_status.set(EngineStatus::kState, state);
        EngineSim::ClearJournal();
        view->SendMessage(WM_COMMAND, IDC_KEY_HOLD);
        return Commands(rec::kEngineCmdScannerKey);
    };
    auto sent = hold(5);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].get(EngineCommandRecord::kSubCode), 3);
    EXPECT_EQ(sent[0].get(EngineCommandRecord::kShort), 21);
    EXPECT_EQ(sent[0].get(EngineCommandRecord::kFirst), 0x1234u);
    EXPECT_EQ(sent[0].get(EngineCommandRecord::kSecond), 851'012'500u);
    sent = hold(27);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].get(EngineCommandRecord::kSubCode), 25);
    EXPECT_EQ(sent[0].get(EngineCommandRecord::kShort), 4);
    ExpectBeeps(1);
    EXPECT_TRUE(hold(1).empty());
}

TEST_F(TrunkTrackerTest, AttAndLockOutFlipTheCurrentChannelOrFollowTheRigsLastRecord) {
    ASSERT_NE(Open(63), nullptr);
    CRig* rig = view->m_rig;
    auto press = [&](UINT id) {
        EngineSim::ClearJournal();
        view->SendMessage(WM_COMMAND, id);
        const auto sent = Commands(rec::kEngineCmdScannerKey);
        EXPECT_EQ(sent.size(), 1u);
        return sent.empty() ? -1 : sent[0].get(EngineCommandRecord::kSubCode);
    };
    // No current channel: the lock-out byte of the last record decides "L/O", the attenuator
    // byte "Att".
    rig->m_parm.set(parm::kLockOut, 1);
    EXPECT_EQ(press(IDC_KEY_LOCK_OUT), 19);
    EXPECT_EQ(press(IDC_KEY_ATTENUATOR), 17);
    rig->m_parm.set(parm::kLockOut, 0);
    rig->m_parm.set(parm::Channel::kAttenuator, 1);
    EXPECT_EQ(press(IDC_KEY_LOCK_OUT), 8);
    EXPECT_EQ(press(IDC_KEY_ATTENUATOR), 18);

    // With the scanner on a channel of the list, the channel's own flags flip and its row is
    // redrawn in the scan-list view.
    Chan& channel = *TheGroup()->banks()[0]->members()[0];
    parm record = channel.record();
    record.set(parm::kMemoryChannel, 1);
    channel.SetParm(record);
    device->set(DeviceStatus::kCurrentChannel, 1);
    device->set(DeviceStatus::kCurrentFrequency, channel.frequency());
    Show();
    ASSERT_EQ(view->CurrentChannel(), &channel);
    auto* doc = DYNAMIC_DOWNCAST(CRosterDoc, view->GetDocument());
    doc->SetModifiedFlag(FALSE);
    CScanListView* list = view->m_frame->m_scanListView;
    ASSERT_NE(list, nullptr);
    CGrid* grid = list->GetGrid();
    ASSERT_NE(grid, nullptr);
    grid->SetSheetNumber(CGroupGrid::kChannelsSheet);
    const auto shown = [&](int column) { return grid->QuickGetText(column, 0).str(); };
    ASSERT_EQ(shown(CGroupGrid::kLockOutColumn), "0");
    EXPECT_EQ(press(IDC_KEY_LOCK_OUT), 8);
    EXPECT_NE(channel.lockOut(), 0);
    EXPECT_EQ(shown(CGroupGrid::kLockOutColumn), "1");
    EXPECT_EQ(press(IDC_KEY_LOCK_OUT), 19);
    EXPECT_EQ(channel.lockOut(), 0);
    EXPECT_EQ(shown(CGroupGrid::kLockOutColumn), "0");
    EXPECT_EQ(shown(CGroupGrid::kAttColumn), "0");
    EXPECT_EQ(press(IDC_KEY_ATTENUATOR), 17);
    EXPECT_NE(channel.record().get(parm::Channel::kAttenuator), 0);
    EXPECT_EQ(shown(CGroupGrid::kAttColumn), "1");
    EXPECT_TRUE(doc->IsModified());
    doc->SetModifiedFlag(FALSE);
}

TEST_F(TrunkTrackerTest, RecordTogglesTheLoggerResetNeedsTheEngineAndTheAtKeyShowsTheChannel) {
    ASSERT_NE(Open(63), nullptr);
    CAudioLog* log = ReplayingLog();
    ASSERT_NE(log, nullptr);
    // Replay goes live and stays there; live asks for replay.
    view->SendMessage(WM_COMMAND, IDC_KEY_RECORD);
    EXPECT_EQ(log->GetMode(), 1);
    EXPECT_EQ(hb::tessary::AudioCallsOf(log).back(), "SetMode(1)");
    view->SendMessage(WM_COMMAND, IDC_KEY_RECORD);
    EXPECT_EQ(hb::tessary::AudioCallsOf(log).back(), "SetMode(2)");
    const std::size_t calls = hb::tessary::AudioCallsOf(log).size();
    view->m_audioLog = nullptr;
    view->SendMessage(WM_COMMAND, IDC_KEY_RECORD);
    view->m_audioLog = log;
    EXPECT_EQ(hb::tessary::AudioCallsOf(log).size(), calls);
    log->m_mode = CAudioLog::kModePlay;

    EngineSim::ClearJournal();
    view->SendMessage(WM_COMMAND, IDC_KEY_RESET);
    EXPECT_EQ(Commands(rec::kEngineCmdReset).size(), 1u);
    EXPECT_EQ(log->GetMode(), 1);

    // "@" shows the current channel only when the rig's last channel is that one.
    Chan& channel = *TheGroup()->banks()[0]->members()[0];
    parm record = channel.record();
    record.set(parm::kMemoryChannel, 1);
    channel.SetParm(record);
    device->set(DeviceStatus::kCurrentChannel, 1);
    device->set(DeviceStatus::kCurrentFrequency, channel.frequency());
    Show();
    CGrid* grid = view->m_frame->m_scanListView->GetGrid();
    ASSERT_NE(grid, nullptr);
    grid->SetSheetNumber(CGroupGrid::kBanksSheet);
    view->m_rig->m_parm.set(parm::kMemoryChannel, 2);
    ExpectBeeps(1);
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SHOW_IN_SCAN_LIST, BN_CLICKED));
    EXPECT_EQ(grid->GetSheetNumber(), CGroupGrid::kBanksSheet);
    view->m_rig->m_parm.set(parm::kMemoryChannel, 1);
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SHOW_IN_SCAN_LIST, BN_CLICKED));
    EXPECT_EQ(grid->GetSheetNumber(), CGroupGrid::kChannelsSheet);
    EXPECT_EQ(grid->GetCurrentRow(), 0);
    EXPECT_TRUE(grid->IsSelected(0, 0));
}

} // namespace
} // namespace hb::radioview::test
