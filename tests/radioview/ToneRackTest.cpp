#include "app/rig/Rig.h"
#include "platform/afx/CMiniFrameWnd.h"
#include "platform/engine/EngineApi.h"
#include "platform/engine/EngineSim.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/DtmfRecord.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/PrivateMessages.h"
#include "platform/records/ToneReport.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/model/Chan.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Roster.h"
#include "platform/tessary/model/RosterEntry.h"
#include "radioview/ChannelRack.h"
#include "radioview/ToneDecoderRack.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace hb::radioview::test {
namespace {

using hb::engine::EngineSim;
using hb::records::DeviceStatus;
using hb::records::EngineStatus;
using hb::records::ToneReport;
using hb::records::UserId;

class ToneRackTest : public hb::app::test::RadioWindowTest {
protected:
    // The receiver with a reader of the type beside it, and its window open and running.
    CChannelRack* OpenWithReader(int type) {
        Radios(std::string(hb::app::test::kReceiverOnly) +
                   "[Vela*Quin]\nToneReadersInstalled=1\n[Connections]\nReader#1=Radio#1\n"
                   "[ToneReaders]\nReader#1=Tones\n[Tones]\nPort=SIM\nType=" +
                   std::to_string(type) + "\n",
               {{"Receiver", 42}});
        frame = OpenWindow();
        PumpUntilIdle();
        return frame ? frame->TonePanel() : nullptr;
    }
    static DtmfRecord Digits(const char* text) {
        DtmfRecord record;
        record.setText(DtmfRecord::kText, text);
        return record;
    }
    static UserId Id(std::uint8_t kind) {
        UserId id;
        id.set(UserId::kValue, 1000);
        id.set(UserId::kKind, kind);
        return id;
    }
    // The lamp's caption, or "off".
    static std::string Lamp(CChannelRack& rack) {
        return rack.m_toneLamp.GetActive() ? std::string(rack.m_toneLamp.GetCaption()) : "off";
    }
    void Show(CChannelRack& rack, std::uint8_t state, const UserId& id, bool squelchOpen) {
        engine.set(EngineStatus::kState, state);
        engine.set(EngineStatus::kCurrentId, id);
        device.set(DeviceStatus::kSquelchOpen, squelchOpen ? 1 : 0);
        rack.UpdateStatus(engine.data(), device.data());
    }
    static std::vector<hb::engine::EngineCall> ToneReports() {
        std::vector<hb::engine::EngineCall> reports;
        for (const auto& call : EngineSim::Calls("scan_api_call")) {
            if (call.value == hb::records::kApiCallToneReport) {
                reports.push_back(call);
            }
        }
        return reports;
    }

    CRadioFrame* frame = nullptr;
    EngineStatus engine;
    DeviceStatus device;
};

TEST_F(ToneRackTest, AChannelRackNamesItsReaderAndKeepsTheNewestSixteenDigits) {
    CChannelRack* rack = OpenWithReader(12);
    ASSERT_NE(rack, nullptr);
    EXPECT_STREQ(rack->m_readerName.GetCaption(), "Tone Reader 12");
    ASSERT_TRUE(rack->m_decodedText.GetSafeHwnd());
    rack->AppendDecodedText(Digits("1234567890").data());
    rack->AppendDecodedText(Digits("ABCDEFGHIJ").data());
    EXPECT_STREQ(rack->m_decodedText.GetCaption(), "567890ABCDEFGHIJ");

    // A full field has no NUL: the bytes after it are not read.
    std::array<BYTE, DtmfRecord::kSize + 8> buffer{};
    buffer.fill('#');
    const DtmfRecord full = Digits("0123456789ABCDEF");
    std::memcpy(buffer.data(), full.data(), DtmfRecord::kSize);
    rack->AppendDecodedText(buffer.data());
    EXPECT_STREQ(rack->m_decodedText.GetCaption(), "0123456789ABCDEF");
}

TEST_F(ToneRackTest, ReadersWithoutDigitsHaveNoDigitLine) {
    CChannelRack* rack = OpenWithReader(25);
    ASSERT_NE(rack, nullptr);
    EXPECT_FALSE(rack->m_decodedText.GetSafeHwnd());
    EXPECT_FALSE(::GetDlgItem(rack->m_hWnd, IDC_DECODER_TEXT));
    rack->AppendDecodedText(Digits("12").data());
    EXPECT_TRUE(rack->m_readerName.GetSafeHwnd());
}

TEST_F(ToneRackTest, TheLampNamesTheToneWhileTheSquelchIsOpenOnAChannel) {
    CChannelRack* rack = OpenWithReader(12);
    ASSERT_NE(rack, nullptr);
    Show(*rack, 5, Id(hb::records::kIdKindCtcss), true);
    EXPECT_EQ(Lamp(*rack), "PL");
    EXPECT_STRNE(rack->m_idDisplay.GetText(), "--------------");
    Show(*rack, 5, Id(hb::records::kIdKindCtcss), false);
    EXPECT_EQ(Lamp(*rack), "off");
    EXPECT_STRNE(rack->m_idDisplay.GetText(), "--------------");

    const std::pair<std::uint8_t, const char*> kinds[] = {
        {1, "MOT"}, {2, "MOT"}, {3, "LTR"}, {5, "DPL"}, {11, "PPT"}, {6, "off"}, {9, "off"}};
    for (const auto& [kind, caption] : kinds) {
        Show(*rack, 27, Id(kind), true);
        EXPECT_EQ(Lamp(*rack), caption) << int(kind);
    }

    // Stopped: no ID and no lamp, whatever the engine still holds.
    Show(*rack, 1, Id(hb::records::kIdKindCtcss), true);
    EXPECT_EQ(Lamp(*rack), "off");
    EXPECT_STREQ(rack->m_idDisplay.GetText(), "--------------");
}

TEST_F(ToneRackTest, ASoundDecoderNeedsALogger) {
    auto* rack = dynamic_cast<CToneDecoderRack*>(OpenWithReader(72));
    ASSERT_NE(rack, nullptr);
    EXPECT_EQ(rack->AudioLog(), frame->m_rig->GetAudioLog());
    EXPECT_FALSE(rack->m_decodedText.GetSafeHwnd());
    EXPECT_STREQ(rack->m_readerName.GetCaption(), "Sound Tone Decoder 72");
    CAudioLog* log = frame->m_rig->GetAudioLog();
    EXPECT_EQ(log->m_fastDecoder, static_cast<CWaveToneDecoder*>(rack));
    // Gone while the radio still has its logger: the logger lets it go.
    rack->DestroyWindow();
    EXPECT_EQ(log->m_fastDecoder, nullptr);
}

TEST_F(ToneRackTest, TheDecoderReportsToTheEngineOfTheWindowThatRunsTheRadio) {
    auto* rack = dynamic_cast<CToneDecoderRack*>(OpenWithReader(72));
    ASSERT_NE(rack, nullptr);
    CRig* rig = frame->m_rig;
    ASSERT_NE(rig->m_tone_device, 0);

    rack->HearDigits("123");
    rack->HearTone(Id(hb::records::kIdKindDcs));
    AdvanceAndPump(CRadioRack::kTimerMs);
    auto reports = ToneReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].handle, rig->m_tone_device);
    EXPECT_EQ(reports[0].window, rack->m_hWnd);
    EXPECT_EQ(reports[0].text, "123");
    EngineStatus status;
    rig->EngineStatus(status.data());
    EXPECT_EQ(status.get(EngineStatus::kCurrentId).get(UserId::kKind), hb::records::kIdKindDcs);

    // Nothing heard, nothing sent; a tone above the radio's limit is not heard.
    AdvanceAndPump(CRadioRack::kTimerMs);
    rig->m_radio->setToneDecoderLimit(0);
    rack->HearTone(Id(hb::records::kIdKindCtcss));
    AdvanceAndPump(CRadioRack::kTimerMs);
    EXPECT_EQ(ToneReports().size(), 1u);

    // A permanent rig keeps its engine to itself.
    rig->m_permanent = 1;
    rack->HearDigits("9");
    AdvanceAndPump(CRadioRack::kTimerMs);
    EXPECT_EQ(ToneReports().size(), 1u);
    rig->m_permanent = 0;

    // While another window has the radio, its decoder is not this window's to report to.
    ASSERT_EQ(rig->AttachView(ID_TOOLS_SPECTRUM_ANALYZER, &Main()), 0);
    rack->HearDigits("8");
    AdvanceAndPump(CRadioRack::kTimerMs);
    EXPECT_EQ(ToneReports().size(), 1u);
    rig->DetachView(&Main());
    rack->HearDigits("7");
    AdvanceAndPump(CRadioRack::kTimerMs);
    EXPECT_EQ(ToneReports().size(), 2u);
}

TEST_F(ToneRackTest, TheReportNamesTheChannelTheEngineStandsOn) {
    auto* rack = dynamic_cast<CToneDecoderRack*>(OpenWithReader(72));
    ASSERT_NE(rack, nullptr);
    CRig* rig = frame->m_rig;
    auto* document = DYNAMIC_DOWNCAST(CRosterDoc, frame->GetActiveDocument());
    ASSERT_TRUE(document && document->GetRoster());
    const Chan* channel = nullptr;
    document->GetRoster()->entries()[0]->object()->forEachScannable([&](Chan& chan) {
        if (!channel && !chan.name().empty()) {
            channel = &chan;
        }
    });
    ASSERT_NE(channel, nullptr);
    std::array<std::uint8_t, 4> handle{};
    for (std::size_t n = 0; n < handle.size(); ++n) {
        handle[n] = static_cast<std::uint8_t>(channel->handle() >> (8 * n));
    }
    EngineSim::PatchStatus(rig->m_engine, EngineStatus::kCurrentObject.kOffset, handle);
    ASSERT_NE(rack->ChannelText(), nullptr);
    EXPECT_EQ(std::string(rack->ChannelText()), channel->name());

    // Only the window that runs the radio names its channels.
    ASSERT_EQ(rig->AttachView(ID_TOOLS_SPECTRUM_ANALYZER, &Main()), 0);
    EXPECT_EQ(rack->ChannelText(), nullptr);
    rig->DetachView(&Main());
    rig->m_permanent = 1;
    EXPECT_EQ(rack->ChannelText(), nullptr);
    rig->m_permanent = 0;
}

TEST_F(ToneRackTest, AFloatingPanelNamesAnUntitledFrameAfterItsReader) {
    CChannelRack* rack = OpenWithReader(12);
    ASSERT_NE(rack, nullptr);
    const auto caption = [](const CWnd& window) {
        CString text;
        window.GetWindowText(text);
        return text.str();
    };
    auto* holder = new CMiniFrameWnd;
    ASSERT_TRUE(holder->Create(nullptr, "", WS_CAPTION, CRect(10, 10, 200, 80)));
    ::SetParent(rack->m_hWnd, holder->m_hWnd);
    ASSERT_TRUE(rack->IsFloating());
    AdvanceAndPump(CRadioRack::kTimerMs);
    EXPECT_EQ(caption(*holder), "Tone Reader 12");
    holder->SetWindowText("Tones");
    AdvanceAndPump(CRadioRack::kTimerMs);
    EXPECT_EQ(caption(*holder), "Tones");
    ::SetParent(rack->m_hWnd, frame->m_hWnd);
    EXPECT_FALSE(rack->IsFloating());
    holder->DestroyWindow();
}

TEST_F(ToneRackTest, TheLibrarysSettingMessageClearsTheDecoderAndKeepsBothValues) {
    auto* rack = dynamic_cast<CToneDecoderRack*>(OpenWithReader(73));
    ASSERT_NE(rack, nullptr);
    rack->HearDigits("55");
    EXPECT_EQ(rack->SendMessage(WM_TONE_DECODER_SETTING, 0x1234, 0x00ABCDEF), 0);
    EXPECT_EQ(rack->m_decodeValue, 0x00ABCDEFu);
    EXPECT_EQ(rack->m_decodeMode, 0x34);
    AdvanceAndPump(CRadioRack::kTimerMs);
    EXPECT_TRUE(ToneReports().empty());
}

TEST_F(ToneRackTest, ClosingWindowsWithToneRacksLeavesNothingBehind) {
    ASSERT_NE(OpenWithReader(72), nullptr);
    auto* rack = dynamic_cast<CToneDecoderRack*>(frame->TonePanel());
    ASSERT_NE(rack, nullptr);
    rack->HearDigits("7");
    frame->SendMessage(WM_CLOSE);
    PumpUntilIdle();
    AdvanceAndPump(1000);
    NewApp();
    ASSERT_NE(OpenWithReader(12), nullptr);
    frame->SendMessage(WM_CLOSE);
    PumpUntilIdle();
    AdvanceAndPump(1000);
    EXPECT_EQ(RadioWindow(), nullptr);
}

TEST(ToneReportTest, AReportForADeviceNoEngineOwnsFails) {
    ToneReport report;
    EXPECT_NE(scan_api_call(hb::records::kApiCallToneReport, 0, 0, report.data(), 0), 0);
    EXPECT_NE(scan_api_call(hb::records::kApiCallToneReport, 999, 0, report.data(), 0), 0);
}

} // namespace
} // namespace hb::radioview::test
