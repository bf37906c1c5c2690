#include "platform/tessary/audio/AudioLog.h"

#include "platform/afx/CComboBox.h"
#include "platform/afx/CFileDialog.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/AudioLogSettings.h"
#include "platform/tessary/audio/Mixer.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TempFolder.h"
#include "platform/testkit/TestWindow.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/mm/SimAudio.h"
#include "platform/win/store/Folders.h"
#include "platform/win/sys/Paths.h"
#include "tests/platform/tessary/audio/RecordingFileReader.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace hb::tessary::test {
namespace {

namespace sim = hb::win::mm::sim;
using hb::testkit::TestWindow;

// A logger whose update calls are kept, in order.
class WatchedLog : public CAudioLog {
public:
    using CAudioLog::CAudioLog;
    void UpdateStatus() override { updates.push_back("status " + std::to_string(m_state)); }
    void UpdateInfo(const dal* record, const char*) override {
        updates.push_back("info " + (record ? record->text(dal::kName1) : std::string("-")));
    }
    void UpdateTime(std::uint32_t, int n) override {
        updates.push_back("time " + std::to_string(n));
    }
    void UpdateSegment(const char* file, const wlseg* segment, std::uint32_t n) override {
        if (!segment) {
            updates.push_back("segment " + std::string(file) + " null " + std::to_string(n));
            return;
        }
        updates.push_back("segment " + std::to_string(n));
    }
    void UpdateIndicators(int kind, int value) override {
        updates.push_back("indicator " + std::to_string(kind) + "=" + std::to_string(value));
    }

    std::vector<std::string> updates;
};

class AudioLogTest : public hb::testkit::PlatformTest {
protected:
    static constexpr const char* kSection = "Rx1_AudioRecorder";

    // Records one segment on each channel in turn, a few ticks each.
    void RecordChannels(const std::vector<std::uint32_t>& frequencies) {
        log.SetMode(CAudioLog::kModeRecord);
        for (const std::uint32_t frequency : frequencies) {
            const dal record = ChannelRecord("Ch", frequency);
            log.ProcessRequest(2, &record, 0);
            Ticks(2);
        }
        log.ProcessRequest(1, nullptr, 0);
        log.SetMode(CAudioLog::kModeOff);
    }

    AudioLogTest() {
        for (const UINT message : {MM_WIM_DATA, MM_WOM_DONE, MM_WIM_CLOSE, MM_WOM_CLOSE}) {
            window.On(message, [this, message](WPARAM w, LPARAM l) {
                switch (message) {
                case MM_WIM_DATA:
                    return log.ProcessWIMData(w, l);
                case MM_WOM_DONE:
                    return log.ProcessWOMDone(w, l);
                case MM_WIM_CLOSE:
                    return log.ProcessWIMClose(w, l);
                default:
                    return log.ProcessWOMClose(w, l);
                }
            });
        }
        window.Create();
        owner.Attach(window.hwnd());
        log.m_owner = &owner;
    }
    ~AudioLogTest() override { owner.Detach(); }

    void DeclareCard() {
        sim::AddCard({"Radio", {"Receiver"}, {"Speaker"}});
        sim::SetSource(0, {1000, 0.5});
        log.SetInputLine(CMixer::LineOf(0, 0));
        log.SetMonitorLine(-4);
    }

    void UseFile() {
        app.WriteProfileStringA(kSection, "RecordingFile", path.c_str());
        log.SetRole(1);
    }

    // Starts recording a segment of the "Fire" channel into the file.
    void RecordFire() {
        DeclareCard();
        UseFile();
        ASSERT_TRUE(log.Create(&owner, 0));
        log.SetMode(CAudioLog::kModeRecord);
        const dal fire = ChannelRecord("Fire", 155'010'000);
        log.ProcessRequest(2, &fire, 0);
    }

    // The owner's 100 ms timer, as the logger windows run it.
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            AdvanceAndPump(100);
            log.OnTimerTick();
        }
    }

    CScanApp app{"Halbridge Pro"};
    TestWindow window;
    CWnd owner;
    WatchedLog log{kSection, "Rx1"};
    hb::testkit::TempFolder folder;
    std::string path = folder.File("RX1_AUDIO.SWQ");
};

TEST_F(AudioLogTest, WithoutASoundCardCreateFailsAndTheLoggerStaysClosed) {
    EXPECT_FALSE(log.Create(&owner, 0));
    EXPECT_EQ(log.m_waveIn, 0u);
    EXPECT_EQ(log.m_waveOut, 0u);
}

TEST_F(AudioLogTest, ChannelRequestsRecordSegmentsThatReadBackByTheFileLayout) {
    DeclareCard();
    UseFile();
    ASSERT_EQ(log.m_file.m_state, CAudioFile::kFileOpen);
    ASSERT_TRUE(log.Create(&owner, 0));
    ASSERT_EQ(log.SetMode(CAudioLog::kModeRecord), 0);
    EXPECT_TRUE(log.m_recording);
    EXPECT_EQ(log.m_state, CAudioLog::kStateActive);
    log.updates.clear();

    const dal fire = ChannelRecord("Fire", 155'010'000);
    log.ProcessRequest(2, &fire, 0);
    EXPECT_EQ(log.m_state, CAudioLog::kStateSegment);
    EXPECT_EQ(log.m_runState, CAudioLog::kRecording);
    ASSERT_NE(log.m_openSegment, nullptr);
    EXPECT_EQ((std::vector<std::string>{log.updates.begin(), log.updates.begin() + 4}),
              (std::vector<std::string>{"status 5", "time 1", "segment 1", "info Fire"}));
    Ticks(3);
    dal newId = fire;
    newId.set(dal::kLevel, 40);
    newId.setText(dal::kName1, "Fire Ground");
    log.ProcessRequest(4, &newId, 0);
    Ticks(2);
    log.ProcessRequest(1, nullptr, 0);
    EXPECT_EQ(log.m_state, CAudioLog::kStateActive);
    EXPECT_EQ(log.m_openSegment, nullptr);
    Ticks(2);
    const dal police = ChannelRecord("Police", 460'125'000);
    log.ProcessRequest(8, &police, 0);
    Ticks(1);
    log.ProcessRequest(1, nullptr, 0);

    const auto segments = ReadRecordingFile(path);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0].header.get(wlseg::kSegmentNumber), 1u);
    EXPECT_EQ(segments[1].header.get(wlseg::kSegmentNumber), 2u);
    const dal first = segments[0].header.get(wlseg::kDal);
    EXPECT_EQ(first.text(dal::kName1), "Fire Ground");
    EXPECT_EQ(first.get(dal::kLevel), 40);
    EXPECT_EQ(first.get(dal::kState), 2) << "the state byte takes the request's code";
    EXPECT_EQ(segments[1].header.get(wlseg::kDal).get(dal::kState), 8);
    // Five ticks of a tenth of a second each, less the buffers still on their way.
    EXPECT_GE(segments[0].header.get(wlseg::kPayloadLength), 3u * 1600);
    EXPECT_LE(segments[0].header.get(wlseg::kPayloadLength), 5u * 1600);
    EXPECT_GT(log.m_level, 40);
    EXPECT_FALSE(sim::Played(0).empty()) << "the input is monitored";
}

TEST_F(AudioLogTest, RecordingStoppedAndStartedAgainAtOnceKeepsToTheRate) {
    DeclareCard();
    UseFile();
    ASSERT_TRUE(log.Create(&owner, 0));
    log.SetMode(CAudioLog::kModeRecord);
    Ticks(2);
    // The buffers the stop gives back are still on their way when recording starts again.
    log.SetMode(CAudioLog::kModeOff);
    log.SetMode(CAudioLog::kModeRecord);
    const dal fire = ChannelRecord("Fire", 155'010'000);
    log.ProcessRequest(2, &fire, 0);
    Ticks(5);
    log.ProcessRequest(1, nullptr, 0);
    const std::uint32_t recorded = ReadRecordingFile(path).at(0).header.get(wlseg::kPayloadLength);
    EXPECT_GE(recorded, 3u * 1600);
    EXPECT_LE(recorded, 5u * 1600);
}

TEST_F(AudioLogTest, AMutedLoggerMonitorsNothingButStillRecords) {
    DeclareCard();
    UseFile();
    ASSERT_TRUE(log.Create(&owner, 0));
    log.SetMode(CAudioLog::kModeRecord);
    log.Mute(1);
    const dal fire = ChannelRecord("Fire", 155'010'000);
    log.ProcessRequest(2, &fire, 0);
    Ticks(3);
    EXPECT_TRUE(sim::Played(0).empty());
    EXPECT_GT(ReadRecordingFile(path).at(0).header.get(wlseg::kPayloadLength), 0u);
}

TEST_F(AudioLogTest, PlayNeedsAFileAndPlaysItsSegmentsOnTheOutput) {
    DeclareCard();
    ASSERT_TRUE(log.Create(&owner, 0));
    EXPECT_EQ(log.SetMode(CAudioLog::kModePlay), -1);
    EXPECT_EQ(log.m_mode, CAudioLog::kModeOff);

    UseFile();
    log.SetMode(CAudioLog::kModeRecord);
    const dal fire = ChannelRecord("Fire", 155'010'000);
    log.ProcessRequest(2, &fire, 0);
    Ticks(4);
    log.ProcessRequest(1, nullptr, 0);
    log.SetMode(CAudioLog::kModeOff);
    const std::size_t monitored = sim::Played(0).size();
    const std::uint32_t recorded = ReadRecordingFile(path).at(0).header.get(wlseg::kPayloadLength);

    ASSERT_EQ(log.SetMode(CAudioLog::kModePlay), 0);
    EXPECT_EQ(log.m_playState, CAudioLog::kPlayStarting);
    Ticks(1);
    EXPECT_EQ(log.m_playState, CAudioLog::kPlayPlaying);
    Ticks(9);
    EXPECT_EQ(sim::Played(0).size() - monitored, recorded) << "the whole segment was played";
    EXPECT_EQ(log.m_playState, CAudioLog::kPlayFileEnd);
    EXPECT_EQ(log.m_state, CAudioLog::kStateStopped);
}

TEST_F(AudioLogTest, AHeldOutputResumesAtTheTickWherePlayingReturns) {
    ASSERT_NO_FATAL_FAILURE(RecordFire());
    Ticks(10);
    log.SetMode(CAudioLog::kModeOff);
    ASSERT_EQ(log.SetMode(CAudioLog::kModePlay), 0);
    Ticks(1);

    // What the position slider does while it is dragged.
    log.m_playState = CAudioLog::kPlayHeld;
    waveOutPause(log.m_waveOut);
    const std::size_t held = sim::Played(0).size();
    Ticks(5);
    EXPECT_EQ(sim::Played(0).size(), held);
    log.m_playState = CAudioLog::kPlayPlaying;
    Ticks(2);
    EXPECT_GT(sim::Played(0).size(), held);
}

TEST_F(AudioLogTest, ASecondCreateReleasesTheFirstDevicesAndOpensThemAgain) {
    DeclareCard();
    ASSERT_TRUE(log.Create(&owner, 0));
    const HWAVEIN firstIn = log.m_waveIn;
    ASSERT_NE(firstIn, 0u);
    ASSERT_TRUE(log.Create(&owner, 0));
    EXPECT_NE(log.m_waveIn, firstIn);
    PumpUntilIdle();
    EXPECT_EQ(window.Count(MM_WIM_CLOSE), 1u);
    EXPECT_EQ(window.Count(MM_WIM_OPEN), 2u);
    EXPECT_EQ(window.Count(MM_WOM_CLOSE), 1u);

    sim::FailNextOpen(MMSYSERR_ALLOCATED);
    EXPECT_FALSE(log.Create(&owner, 0));
    EXPECT_EQ(log.m_waveIn, 0u);
    EXPECT_EQ(log.m_waveOut, 0u);
}

TEST_F(AudioLogTest, LowDiskSpaceStopsTheRecordingWithReason2) {
    DeclareCard();
    UseFile();
    app.WriteProfileInt(kSection, "MinDiskSpace", 0x7FFFFFFF);
    ASSERT_TRUE(log.Create(&owner, 0));
    log.SetMode(CAudioLog::kModeRecord);
    const dal fire = ChannelRecord("Fire", 155'010'000);
    log.ProcessRequest(2, &fire, 0);
    Ticks(1);
    EXPECT_TRUE(log.m_diskSpaceStop);
    EXPECT_EQ(log.m_stopReason, CAudioLog::kStopDiskSpace);
    EXPECT_EQ(log.m_openSegment, nullptr);
    log.ProcessRequest(2, &fire, 0);
    EXPECT_EQ(ReadRecordingFile(path).size(), 1u) << "no new segment while stopped";
}

TEST_F(AudioLogTest, TheFileButtonTakesTheChosenFileAndKeepsItInTheSection) {
    DeclareCard();
    UseFile();
    const std::string chosen = folder.File("BASE.SWQ");
    hb::afx::SetFileDialogHook([&](const hb::afx::FileDialogRequest&) { return chosen; });
    log.OnFileButton();
    EXPECT_EQ(log.m_file.m_name, chosen);
    EXPECT_EQ(log.m_file.m_state, CAudioFile::kFileOpen);
    EXPECT_EQ(app.GetProfileStringA(kSection, "RecordingFile", "").str(), chosen);

    hb::afx::SetFileDialogHook([](const hb::afx::FileDialogRequest&) { return std::nullopt; });
    log.OnFileButton();
    EXPECT_EQ(log.m_file.m_name, chosen) << "cancel keeps the file";
}

TEST_F(AudioLogTest, AnAutomaticFileIsMadeWhenRecordingBegins) {
    DeclareCard();
    UseFile();
    ASSERT_TRUE(log.Create(&owner, 0));
    log.SetMode(CAudioLog::kModeRecord);
    log.OnAutoFileButton();
    EXPECT_EQ(log.m_file.m_state, CAudioFile::kNewFilePending);
    EXPECT_EQ(log.updates.back(), "indicator 4=2");
    Ticks(3);
    const dal fire = ChannelRecord("Fire", 155'010'000);
    log.ProcessRequest(2, &fire, 0);
    Ticks(2);
    const std::string made =
        hb::win::PathJoin(hb::win::DocumentsFolder(), "Rx1_20260101_000000.SWQ");
    EXPECT_EQ(hb::win::NativePath(log.m_file.m_name), made);
    EXPECT_EQ(log.m_file.m_state, CAudioFile::kFileOpen);
    EXPECT_EQ(ReadRecordingFile(made).size(), 1u);
}

TEST_F(AudioLogTest, EraseAndZeroizeAskFirstThenEmptyTheFile) {
    DeclareCard();
    UseFile();
    ASSERT_TRUE(log.Create(&owner, 0));
    RecordChannels({155'010'000});
    ExpectBox("Erase every recording in RX1_AUDIO.SWQ?", IDCANCEL);
    log.OnFileErase();
    EXPECT_EQ(ReadRecordingFile(path).size(), 1u);

    log.updates.clear();
    ExpectBox("Erase every recording in RX1_AUDIO.SWQ?", IDOK);
    log.OnFileErase();
    EXPECT_TRUE(ReadRecordingFile(path).empty());
    EXPECT_EQ(log.m_file.m_state, CAudioFile::kFileOpen);
    EXPECT_EQ(log.updates.front(), "segment " + path + " null 0");

    RecordChannels({155'010'000});
    log.updates.clear();
    ExpectBox("with zeros", IDOK);
    log.OnFileZeroize();
    EXPECT_TRUE(ReadRecordingFile(path).empty());
    EXPECT_EQ(log.updates.front(), "segment " + path + " null 4294967295");
}

TEST_F(AudioLogTest, TheStoredVoiceInversionComesBackWithTheRole) {
    log.SetRole(1);
    EXPECT_DOUBLE_EQ(log.m_invertFrequency, 0) << "nothing stored, nothing changes";
    EXPECT_TRUE(std::ranges::none_of(log.updates, [](const std::string& update) {
        return update.starts_with("indicator 10") || update.starts_with("indicator 11");
    }));
    app.WriteProfileInt(kSection, "InvertFreq", 3496);
    app.WriteProfileInt(kSection, "InvertMode", 2);
    log.updates.clear();
    log.SetRole(1);
    EXPECT_DOUBLE_EQ(log.m_invertFrequency, 3496);
    EXPECT_EQ(log.m_invertMode, 2);
    EXPECT_EQ((std::vector<std::string>{log.updates.begin(), log.updates.begin() + 2}),
              (std::vector<std::string>{"indicator 10=3496", "indicator 11=2"}));
}

TEST_F(AudioLogTest, AnEraseThatCannotWriteTheFileSaysSoAndReportsNoEmptyFile) {
    DeclareCard();
    UseFile();
    ASSERT_TRUE(log.Create(&owner, 0));
    RecordChannels({155'010'000});
    log.updates.clear();
    std::vector<std::string> boxes;
    // While the question is asked the file gives way to a folder of its name, which no one can
    // write, not even the superuser.
    hb::win::SetMessageBoxHandler([&](const hb::win::BoxRequest& box) {
        boxes.push_back(box.text);
        if (boxes.size() == 1) {
            std::filesystem::remove(hb::win::NativePath(path));
            std::filesystem::create_directory(hb::win::NativePath(path));
        }
        return IDOK;
    });
    log.OnFileZeroize();
    hb::win::SetMessageBoxHandler(nullptr);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], "The recording file RX1_AUDIO.SWQ could not be overwritten and erased.");
    EXPECT_TRUE(std::ranges::none_of(
        log.updates, [](const std::string& update) { return update.starts_with("segment"); }));
}

TEST_F(AudioLogTest, ChainPlaysOnlyTheChainedChannelAndSkipLeavesTheSegment) {
    DeclareCard();
    UseFile();
    ASSERT_TRUE(log.Create(&owner, 0));
    RecordChannels({155'010'000, 460'125'000, 155'010'000, 460'125'000});
    log.OnGotoSegment(1, 0);
    log.OnClickChain();
    EXPECT_TRUE(log.m_chain);
    EXPECT_EQ(log.ChainMatch(), 0);
    log.OnGotoSegment(2, 0);
    EXPECT_NE(log.ChainMatch(), 0) << "the second segment is off the chained channel";

    log.updates.clear();
    log.OnGotoSegment(1, 1);
    Ticks(30);
    std::vector<std::string> started;
    for (const std::string& update : log.updates) {
        if (update.starts_with("time ")) {
            started.push_back(update);
        }
    }
    EXPECT_EQ(started, (std::vector<std::string>{"time 1", "time 3"}));
    EXPECT_EQ(log.m_playState, CAudioLog::kPlayFileEnd);

    log.OnClickChain();
    log.OnGotoSegment(1, 1);
    log.updates.clear();
    log.OnClickSkip();
    Ticks(1);
    EXPECT_EQ(log.updates.front(), "indicator 0=1");
    EXPECT_EQ(std::ranges::count(log.updates, std::string("time 2")), 1)
        << "the skip leaves the segment being heard for the next";
}

TEST_F(AudioLogTest, PlayStatesFollowStartSeekSkipAndTheHeardSegmentIsShown) {
    DeclareCard();
    UseFile();
    ASSERT_TRUE(log.Create(&owner, 0));
    RecordChannels({155'010'000, 460'125'000, 155'010'000});

    log.updates.clear();
    ASSERT_EQ(log.SetMode(CAudioLog::kModePlay), 0);
    EXPECT_EQ(log.m_playState, CAudioLog::kPlayStarting);
    Ticks(1);
    EXPECT_EQ(log.m_playState, CAudioLog::kPlayPlaying);
    log.OnForwardButton();
    EXPECT_EQ(log.m_playState, CAudioLog::kPlayStarting) << "seeking";
    Ticks(1);
    EXPECT_EQ(log.m_playState, CAudioLog::kPlayPlaying);

    log.OnClickSkip();
    Ticks(1);
    EXPECT_EQ(log.m_file.m_currentRecord, 3u);
    // The last segment is read out: the output plays what it holds, then play ends.
    EXPECT_EQ(log.m_playState, CAudioLog::kPlaySegmentEnd);
    Ticks(10);
    EXPECT_EQ(log.m_playState, CAudioLog::kPlayFileEnd);

    // Each segment's time is shown once, when it starts.
    std::vector<std::string> times;
    for (const std::string& update : log.updates) {
        if (update.starts_with("time ")) {
            times.push_back(update);
        }
    }
    EXPECT_EQ(times, (std::vector<std::string>{"time 1", "time 2", "time 3"}));
}

TEST_F(AudioLogTest, TheTimeOfASegmentReadAheadIsShownOnlyWhenItIsHeard) {
    DeclareCard();
    UseFile();
    ASSERT_TRUE(log.Create(&owner, 0));
    // Segments shorter than the output's read-ahead.
    log.SetMode(CAudioLog::kModeRecord);
    for (const char* name : {"One", "Two"}) {
        const dal record = ChannelRecord(name, 155'010'000);
        log.ProcessRequest(2, &record, 0);
        Ticks(2);
    }
    log.ProcessRequest(1, nullptr, 0);
    log.SetMode(CAudioLog::kModeOff);

    log.updates.clear();
    ASSERT_EQ(log.SetMode(CAudioLog::kModePlay), 0);
    EXPECT_EQ(std::ranges::count(log.updates, std::string("info Two")), 0)
        << "the second segment is queued but not heard yet";
    Ticks(20);
    EXPECT_EQ(std::ranges::count(log.updates, std::string("info Two")), 1);
}

TEST_F(AudioLogTest, ChannelInputIsBlockedWhileDisabledOrInTheSettingsDialog) {
    log.Disable();
    EXPECT_NE(log.m_blockChannelInput, 0);
    log.Enable();
    EXPECT_EQ(log.m_blockChannelInput, 0);

    BYTE during = 0;
    hb::afx::SetModalScript("CAudioLogSettings", [&](CDialog& dialog) {
        during = log.m_blockChannelInput;
        hb::afx::ClickButton(dialog, IDCANCEL);
    });
    log.Settings();
    EXPECT_NE(during, 0);
    EXPECT_EQ(log.m_blockChannelInput, 0);
}

TEST_F(AudioLogTest, ANewChannelEndsTheSegmentOfAnotherFrequencyOnly) {
    ASSERT_NO_FATAL_FAILURE(RecordFire());
    ASSERT_NE(log.m_openSegment, nullptr);
    log.AnticipateNewChannel(155'010'000);
    EXPECT_NE(log.m_openSegment, nullptr);
    log.AnticipateNewChannel(460'125'000);
    EXPECT_EQ(log.m_openSegment, nullptr);
    EXPECT_EQ(log.m_state, CAudioLog::kStateActive);
}

// The loudest sample of 16-bit audio.
int Peak(const std::vector<std::uint8_t>& audio, std::size_t from) {
    int peak = 0;
    for (std::size_t i = from; i + 1 < audio.size(); i += 2) {
        peak = std::max(peak,
                        std::abs(int{static_cast<std::int16_t>(audio[i] | (audio[i + 1] << 8))}));
    }
    return peak;
}

TEST_F(AudioLogTest, TheInversionFrequencyIsMixedIntoTheMonitoredAudio) {
    DeclareCard();
    ASSERT_TRUE(log.Create(&owner, 0));
    log.SetMode(CAudioLog::kModeRecord);
    Ticks(2);
    EXPECT_NEAR(Peak(sim::Played(0), 0), 16384, 2) << "the plain 1 kHz tone at half scale";

    // A 1 kHz tone mixed with a 1 kHz carrier becomes 2 kHz at half the level.
    log.m_invertMode = 1;
    log.m_invertFrequency = 1000;
    log.DSPInvertSetup();
    const std::size_t before = sim::Played(0).size();
    Ticks(3);
    EXPECT_NEAR(Peak(sim::Played(0), before + 3200), 8192, 2);

    log.m_invertMode = 0;
    log.DSPInvertSetup();
    const std::size_t plain = sim::Played(0).size();
    Ticks(3);
    EXPECT_NEAR(Peak(sim::Played(0), plain + 3200), 16384, 2);
}

TEST_F(AudioLogTest, TheGainControlRaisesQuietAudioAtMostEightfold) {
    DeclareCard();
    sim::SetSource(0, {1000, 0.05});
    UseFile();
    ASSERT_TRUE(log.Create(&owner, 0));
    log.m_autoGain = TRUE;
    log.SetMode(CAudioLog::kModeRecord);
    const dal fire = ChannelRecord("Fire", 155'010'000);
    log.ProcessRequest(2, &fire, 0);
    Ticks(3);
    log.ProcessRequest(1, nullptr, 0);
    const std::string bytes = hb::testkit::ReadFileBytes(path);
    const std::size_t audio = ReadRecordingFile(path).at(0).offset + wlseg::kSize;
    EXPECT_NEAR(Peak({bytes.begin() + static_cast<std::ptrdiff_t>(audio), bytes.end()}, 0),
                8 * 1638, 8);
}

TEST_F(AudioLogTest, TheSettingsDialogKeepsWhatTheUserSetsInTheSection) {
    std::string shownSpace;
    hb::afx::SetModalScript("CAudioLogSettings", [&shownSpace](CDialog& dialog) {
        CString text;
        dialog.GetDlgItemText(CAudioLogSettings::IDC_MIN_DISK_SPACE, text);
        shownSpace = text.str();
        dialog.SetDlgItemText(CAudioLogSettings::IDC_MIN_DISK_SPACE, "500");
        dialog.CheckDlgButton(CAudioLogSettings::IDC_AUTO_GAIN, BST_CHECKED);
        hb::afx::ClickButton(dialog, IDOK);
    });
    log.Settings();
    EXPECT_EQ(shownSpace, "20");
    EXPECT_EQ(app.GetProfileIntA(kSection, "MinDiskSpace", 0), 500);
    EXPECT_EQ(app.GetProfileIntA(kSection, "AutoGain", 0), 1);
    EXPECT_TRUE(log.m_autoGain);

    hb::afx::SetModalScript("CAudioLogSettings", [](CDialog& dialog) {
        dialog.SetDlgItemText(CAudioLogSettings::IDC_MIN_DISK_SPACE, "7");
        hb::afx::ClickButton(dialog, IDCANCEL);
    });
    log.Settings();
    EXPECT_EQ(app.GetProfileIntA(kSection, "MinDiskSpace", 0), 500) << "cancel keeps the settings";
}

TEST_F(AudioLogTest, MutePeersMutesEveryOtherLogger) {
    WatchedLog other{"Rx2_AudioRecorder", "Rx2"};
    log.Mute(1);
    log.MutePeers();
    EXPECT_FALSE(log.m_muted);
    EXPECT_TRUE(other.m_muted);
    EXPECT_EQ(other.updates.back(), "indicator 1=1");
    EXPECT_EQ(CAudioLog::al_list.size(), 2u);
}

TEST_F(AudioLogTest, ATonePanelAttachesItsDecoderAndTheLoggerForgetsItWithoutCallingIt) {
    // Any call on this stand-in would read beyond one byte and fail under the sanitizer.
    auto* decoder = reinterpret_cast<CWaveToneDecoder*>(new char[1]);
    {
        WatchedLog other{"Rx2_AudioRecorder", "Rx2"};
        other.DSPAttachFastDecoder(decoder);
        EXPECT_EQ(other.m_fastDecoder, decoder);
        other.DSPAttachFastDecoder(nullptr);
        EXPECT_EQ(other.m_fastDecoder, nullptr);
        other.DSPAttachFastDecoder(decoder);
        EXPECT_EQ(
            AudioCallsOf(&other),
            (std::vector<std::string>{"DSPAttachFastDecoder(decoder)", "DSPAttachFastDecoder(null)",
                                      "DSPAttachFastDecoder(decoder)"}));
    }
    delete[] reinterpret_cast<char*>(decoder);
}

TEST_F(AudioLogTest, VolumeKeepsWithinItsRangeAndTheMuteFlagFollowsMute) {
    log.Volume(150);
    EXPECT_DOUBLE_EQ(log.m_volume, 1.0);
    EXPECT_EQ(log.updates.back(), "indicator 9=100");
    log.Volume(-5);
    EXPECT_DOUBLE_EQ(log.m_volume, 0.0);
    log.Volume(40);
    EXPECT_DOUBLE_EQ(log.m_volume, 0.4);
    log.Mute(1);
    EXPECT_TRUE(log.m_muted);
    log.Mute(0);
    EXPECT_FALSE(log.m_muted);
    EXPECT_EQ(log.updates.back(), "indicator 1=0");
}

TEST_F(AudioLogTest, TheMixerListsTheCardsSourcesAndOutputs) {
    sim::AddCard({"Front", {"Line In"}, {"Speakers"}});
    sim::AddCard({"Radio", {"Receiver 1", "Receiver 2"}, {}});
    CMixer::BuildAudioDeviceList(1);
    ASSERT_EQ(CMixer::m_mix_list.size(), 3u);
    EXPECT_EQ(CMixer::m_mix_list[2].name, "Receiver 2");
    EXPECT_EQ(CMixer::m_mix_list[2].line, 0x01000001);
    EXPECT_EQ(CMixer::m_mix_list[2].mixer, 1u);
    EXPECT_EQ(CMixer::MapInputToOutput(0x00000000), 0x00000000);
    EXPECT_EQ(CMixer::MapInputToOutput(0x01000001), -1) << "the radio card plays nothing";
    CMixer::SetSourceInUse(0x01000000, 1);
    EXPECT_FALSE(CMixer::m_mix_list[0].inUse);
    EXPECT_TRUE(CMixer::m_mix_list[1].inUse);
    EXPECT_TRUE(CMixer::m_mix_list[2].inUse) << "the whole card is marked";

    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 100, 100), &owner, 5));
    CMixer::EnumerateOutputs(&combo, "Speakers");
    ASSERT_EQ(combo.GetCount(), 2);
    CString text;
    combo.GetLBText(0, text);
    EXPECT_EQ(text.str(), "Default Output");
    EXPECT_EQ(static_cast<std::int32_t>(combo.GetItemData(0)), -4);
    EXPECT_EQ(combo.GetCurSel(), 1);
}

} // namespace
} // namespace hb::tessary::test
