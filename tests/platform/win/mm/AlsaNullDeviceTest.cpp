#include "platform/testkit/PlatformTest.h"
#include "platform/win/mm/Devices.h"
#include "tests/platform/win/mm/WaveTestSupport.h"

#include <chrono>
#include <cstdlib>

namespace hb::win::mm::test {
namespace {

using hb::testkit::TestWindow;

// alsa-lib's "null" device, added by name as one more card: it takes and gives sound at once, so
// the device thread's messages arrive without a sound card.
class AlsaNullDeviceTest : public hb::testkit::PlatformTest {
protected:
    AlsaNullDeviceTest() {
        setenv("HB_ALSA_PCMS", "null", 1);
        UseBackend(Backend::Alsa);
        hb::win::UseRealClock();
        // Wakes the loop now and then, so that a device that stays silent ends the wait.
        SetTimer(window.hwnd(), 1, 50);
    }
    ~AlsaNullDeviceTest() override { unsetenv("HB_ALSA_PCMS"); }

    UINT NullDevice(const std::vector<DeviceInfo>& devices) const {
        return devices.empty() || devices.back().name != "null"
                   ? WAVE_MAPPER
                   : static_cast<UINT>(devices.size() - 1);
    }

    // Runs the loop until `count` messages of the kind have come or five seconds have passed.
    void WaitFor(UINT message, std::size_t count) {
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        hb::win::RunNestedLoop([&] {
            return window.Count(message) < count && std::chrono::steady_clock::now() < give_up;
        });
    }

    TestWindow window{{}};
    WAVEFORMATEX format = VoiceFormat();
};

TEST_F(AlsaNullDeviceTest, BuffersArePlayedThroughTheDeviceThreadInOrder) {
    const UINT device = NullDevice(PlaybackDevices());
    ASSERT_NE(device, WAVE_MAPPER) << "HB_ALSA_PCMS adds the null device as the last one";
    HWAVEOUT out = 0;
    const MMRESULT opened =
        waveOutOpen(&out, device, &format, window.hwnd().id(), 0, CALLBACK_WINDOW);
    if (opened != MMSYSERR_NOERROR) {
        GTEST_SKIP() << "alsa-lib's null device cannot be opened here (result " << opened << ")";
    }
    Buffer first(1600, 1), second(1600, 2), third(1600, 3);
    for (Buffer* buffer : {&first, &second, &third}) {
        ASSERT_EQ(waveOutWrite(out, &buffer->header, sizeof(WAVEHDR)), MMSYSERR_NOERROR);
    }
    WaitFor(MM_WOM_DONE, 3);
    ASSERT_EQ(waveOutClose(out), MMSYSERR_NOERROR);
    WaitFor(MM_WOM_CLOSE, 1);
    EXPECT_EQ(WaveMessages(window), (std::vector<UINT>{MM_WOM_OPEN, MM_WOM_DONE, MM_WOM_DONE,
                                                       MM_WOM_DONE, MM_WOM_CLOSE}));
    std::vector<LPARAM> done;
    for (const MSG& msg : window.Messages()) {
        if (msg.message == MM_WOM_DONE) {
            done.push_back(msg.lParam);
        }
    }
    EXPECT_EQ(done, (std::vector<LPARAM>{reinterpret_cast<LPARAM>(&first.header),
                                         reinterpret_cast<LPARAM>(&second.header),
                                         reinterpret_cast<LPARAM>(&third.header)}));
}

TEST_F(AlsaNullDeviceTest, BuffersAreRecordedThroughTheDeviceThreadInOrder) {
    const UINT device = NullDevice(CaptureDevices());
    ASSERT_NE(device, WAVE_MAPPER);
    HWAVEIN in = 0;
    const MMRESULT opened =
        waveInOpen(&in, device, &format, window.hwnd().id(), 0, CALLBACK_WINDOW);
    if (opened != MMSYSERR_NOERROR) {
        GTEST_SKIP() << "alsa-lib's null device cannot be opened here (result " << opened << ")";
    }
    Buffer first(1600), second(1600);
    waveInAddBuffer(in, &first.header, sizeof(WAVEHDR));
    waveInAddBuffer(in, &second.header, sizeof(WAVEHDR));
    ASSERT_EQ(waveInStart(in), MMSYSERR_NOERROR);
    WaitFor(MM_WIM_DATA, 2);
    ASSERT_EQ(waveInReset(in), MMSYSERR_NOERROR);
    ASSERT_EQ(waveInClose(in), MMSYSERR_NOERROR);
    WaitFor(MM_WIM_CLOSE, 1);
    EXPECT_EQ(WaveMessages(window),
              (std::vector<UINT>{MM_WIM_OPEN, MM_WIM_DATA, MM_WIM_DATA, MM_WIM_CLOSE}));
    EXPECT_EQ(first.header.dwBytesRecorded, 1600u);
    EXPECT_EQ(second.header.dwBytesRecorded, 1600u);
}

} // namespace
} // namespace hb::win::mm::test
