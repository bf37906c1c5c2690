#include "platform/testkit/PlatformTest.h"
#include "platform/win/mm/Devices.h"
#include "platform/win/mm/SimAudio.h"
#include "tests/platform/win/mm/WaveTestSupport.h"

#include <cstdint>
#include <cstring>

namespace hb::win::mm::test {
namespace {

using hb::testkit::TestWindow;

class SimulatedWaveTest : public hb::testkit::PlatformTest {
protected:
    SimulatedWaveTest() {
        sim::AddCard({"Front", {"Line In"}, {"Speakers", "Headphones"}});
        sim::AddCard({"Radio", {"Receiver 1", "Receiver 2"}, {}});
    }

    DWORD_PTR Callback() const { return window.hwnd().id(); }

    // The headers the DONE and DATA messages handed back, in order.
    std::vector<WAVEHDR*> Returned() const {
        std::vector<WAVEHDR*> headers;
        for (const MSG& msg : window.Messages()) {
            if (msg.message == MM_WOM_DONE || msg.message == MM_WIM_DATA) {
                headers.push_back(reinterpret_cast<WAVEHDR*>(msg.lParam));
            }
        }
        return headers;
    }

    TestWindow window{{}};
    WAVEFORMATEX format = VoiceFormat();
};

TEST_F(SimulatedWaveTest, TheDeclaredCardsGiveTheDeviceNumbers) {
    EXPECT_EQ(waveInGetNumDevs(), 3u);
    EXPECT_EQ(waveOutGetNumDevs(), 2u);
    const auto capture = CaptureDevices();
    EXPECT_EQ(capture[2].name, "Receiver 2");
    EXPECT_EQ(capture[2].card, 1u);
    EXPECT_EQ(capture[2].device, 1u);
    EXPECT_EQ(PlaybackDevices()[1].name, "Headphones");
    EXPECT_EQ(CurrentBackend(), Backend::Simulated);
}

TEST_F(SimulatedWaveTest, CaptureFillsEachBufferAtTheRateFromTheSource) {
    sim::SetSource(1, {1000, 0.5});
    HWAVEIN in = 0;
    ASSERT_EQ(waveInOpen(&in, 1, &format, Callback(), 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    Buffer first(1600), second(1600);
    ASSERT_EQ(waveInAddBuffer(in, &first.header, sizeof(WAVEHDR)), MMSYSERR_NOERROR);
    ASSERT_EQ(waveInAddBuffer(in, &second.header, sizeof(WAVEHDR)), MMSYSERR_NOERROR);
    AdvanceAndPump(500);
    EXPECT_EQ(WaveMessages(window), std::vector<UINT>{MM_WIM_OPEN}) << "nothing before the start";

    ASSERT_EQ(waveInStart(in), MMSYSERR_NOERROR);
    AdvanceAndPump(99);
    EXPECT_EQ(window.Count(MM_WIM_DATA), 0u);
    AdvanceAndPump(1);
    ASSERT_EQ(Returned(), std::vector<WAVEHDR*>{&first.header});
    EXPECT_EQ(first.header.dwBytesRecorded, 1600u);
    EXPECT_EQ(first.header.dwFlags & (WHDR_DONE | WHDR_INQUEUE), WHDR_DONE);
    std::int16_t samples[4];
    std::memcpy(samples, first.data.data(), sizeof samples);
    // A 1 kHz tone at 8 kHz: a peak every eighth sample, half of full scale.
    EXPECT_EQ(samples[0], 0);
    EXPECT_EQ(samples[2], 16384);
    AdvanceAndPump(100);
    EXPECT_EQ(Returned(), (std::vector<WAVEHDR*>{&first.header, &second.header}));

    EXPECT_EQ(waveInClose(in), MMSYSERR_NOERROR);
    PumpUntilIdle();
    EXPECT_EQ(WaveMessages(window),
              (std::vector<UINT>{MM_WIM_OPEN, MM_WIM_DATA, MM_WIM_DATA, MM_WIM_CLOSE}));
    EXPECT_EQ(waveInStart(in), MMSYSERR_INVALHANDLE);
}

TEST_F(SimulatedWaveTest, StopHandsBackWhatThePartBufferHoldsAndResetTheRest) {
    HWAVEIN in = 0;
    ASSERT_EQ(waveInOpen(&in, 0, &format, Callback(), 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    Buffer first(1600, 'x'), second(1600, 'x');
    waveInAddBuffer(in, &first.header, sizeof(WAVEHDR));
    waveInAddBuffer(in, &second.header, sizeof(WAVEHDR));
    waveInStart(in);
    AdvanceAndPump(50);
    ASSERT_EQ(waveInStop(in), MMSYSERR_NOERROR);
    PumpUntilIdle();
    ASSERT_EQ(Returned(), std::vector<WAVEHDR*>{&first.header});
    EXPECT_EQ(first.header.dwBytesRecorded, 800u);
    EXPECT_EQ(first.data[799], 0) << "silence";
    EXPECT_EQ(first.data[800], 'x');

    EXPECT_EQ(waveInClose(in), WAVERR_STILLPLAYING);
    ASSERT_EQ(waveInReset(in), MMSYSERR_NOERROR);
    PumpUntilIdle();
    EXPECT_EQ(Returned().back(), &second.header);
    EXPECT_EQ(second.header.dwBytesRecorded, 0u);
    EXPECT_EQ(waveInClose(in), MMSYSERR_NOERROR);
}

TEST_F(SimulatedWaveTest, PlaybackTakesBuffersAtTheRateHoldsWhilePausedAndKeepsWhatItPlayed) {
    HWAVEOUT out = 0;
    ASSERT_EQ(waveOutOpen(&out, WAVE_MAPPER, &format, Callback(), 0, CALLBACK_WINDOW),
              MMSYSERR_NOERROR);
    Buffer first(1600, 'a'), second(800, 'b');
    waveOutWrite(out, &first.header, sizeof(WAVEHDR));
    waveOutWrite(out, &second.header, sizeof(WAVEHDR));
    AdvanceAndPump(50);
    MMTIME time;
    ASSERT_EQ(waveOutGetPosition(out, &time, sizeof time), MMSYSERR_NOERROR);
    EXPECT_EQ(time.cb, 800u);

    ASSERT_EQ(waveOutPause(out), MMSYSERR_NOERROR);
    AdvanceAndPump(1000);
    waveOutGetPosition(out, &time, sizeof time);
    EXPECT_EQ(time.cb, 800u);
    EXPECT_EQ(window.Count(MM_WOM_DONE), 0u);

    ASSERT_EQ(waveOutRestart(out), MMSYSERR_NOERROR);
    AdvanceAndPump(49);
    EXPECT_EQ(window.Count(MM_WOM_DONE), 0u);
    AdvanceAndPump(1);
    EXPECT_EQ(Returned(), std::vector<WAVEHDR*>{&first.header});
    AdvanceAndPump(50);
    EXPECT_EQ(Returned().size(), 2u);
    std::vector<std::uint8_t> expected(1600, 'a');
    expected.insert(expected.end(), 800, 'b');
    EXPECT_EQ(sim::Played(0), expected);
    waveOutGetPosition(out, &time, sizeof time);
    EXPECT_EQ(time.cb, 2400u);

    waveOutReset(out);
    waveOutGetPosition(out, &time, sizeof time);
    EXPECT_EQ(time.cb, 0u);
    EXPECT_EQ(waveOutClose(out), MMSYSERR_NOERROR);
    PumpUntilIdle();
    EXPECT_EQ(WaveMessages(window),
              (std::vector<UINT>{MM_WOM_OPEN, MM_WOM_DONE, MM_WOM_DONE, MM_WOM_CLOSE}));
}

TEST_F(SimulatedWaveTest, ResetDuringPlayGivesEveryBufferBackAndKeepsOnlyWhatWasPlayed) {
    HWAVEOUT out = 0;
    ASSERT_EQ(waveOutOpen(&out, 1, &format, Callback(), 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    Buffer first(1600, 'a'), second(1600, 'b');
    waveOutWrite(out, &first.header, sizeof(WAVEHDR));
    waveOutWrite(out, &second.header, sizeof(WAVEHDR));
    AdvanceAndPump(25);
    waveOutReset(out);
    PumpUntilIdle();
    EXPECT_EQ(Returned(), (std::vector<WAVEHDR*>{&first.header, &second.header}));
    EXPECT_EQ(sim::Played(1).size(), 400u);
    EXPECT_TRUE(sim::Played(0).empty());
    waveOutClose(out);
}

TEST_F(SimulatedWaveTest, OpenFailuresAndBadArgumentsAreRefused) {
    HWAVEOUT out = 0;
    sim::FailNextOpen(MMSYSERR_ALLOCATED);
    EXPECT_EQ(waveOutOpen(&out, 0, &format, Callback(), 0, CALLBACK_WINDOW), MMSYSERR_ALLOCATED);
    EXPECT_EQ(waveOutOpen(&out, 2, &format, Callback(), 0, CALLBACK_WINDOW), MMSYSERR_BADDEVICEID);
    WAVEFORMATEX odd = format;
    odd.wBitsPerSample = 12;
    EXPECT_EQ(waveOutOpen(&out, 0, &odd, Callback(), 0, CALLBACK_WINDOW), WAVERR_BADFORMAT);
    EXPECT_EQ(waveOutOpen(&out, 0, &format, Callback(), 0, 0x7), MMSYSERR_INVALFLAG);
    ASSERT_EQ(waveOutOpen(&out, 0, &format, Callback(), 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    EXPECT_EQ(waveInStart(out), MMSYSERR_INVALHANDLE) << "a playback handle is no capture handle";
    WAVEHDR empty;
    EXPECT_EQ(waveOutWrite(out, &empty, sizeof empty), MMSYSERR_INVALPARAM);
    EXPECT_EQ(waveOutClose(out), MMSYSERR_NOERROR);
    EXPECT_EQ(waveOutClose(out), MMSYSERR_INVALHANDLE);
}

TEST_F(SimulatedWaveTest, WithoutASoundCardNothingOpens) {
    hb::win::mm::ResetForTests();
    HWAVEOUT out = 0;
    EXPECT_EQ(waveOutGetNumDevs(), 0u);
    EXPECT_EQ(waveOutOpen(&out, WAVE_MAPPER, &format, Callback(), 0, CALLBACK_WINDOW),
              MMSYSERR_NODRIVER);
    UseBackend(Backend::None);
    EXPECT_EQ(waveInGetNumDevs(), 0u);
    EXPECT_EQ(waveInOpen(&out, 0, &format, Callback(), 0, CALLBACK_WINDOW), MMSYSERR_NODRIVER);
    EXPECT_TRUE(WaveMessages(window).empty());
}

} // namespace
} // namespace hb::win::mm::test
