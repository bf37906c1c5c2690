#include "DeviceLinkTest.h"
#include "platform/engine/sim/SimMemoryRadio.h"
#include "platform/engine/sim/SimRadioHost.h"
#include "platform/win/core/ExternalWait.h"
#include "platform/win/core/MessageLoop.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace hb::engine {
namespace {

namespace rec = hb::records;

// A memory radio served on a pseudo-terminal, and the engine's radio "Radio" on its slave path.
class SerialLinkTest : public DeviceLinkTest {
protected:
    SerialLinkTest() {
        host = sim::SimRadioHost::Start(std::make_unique<sim::SimMemoryRadio>(74), {});
        if (!host) {
            ADD_FAILURE() << "no pseudo-terminal";
            return;
        }
        Configure("");
    }

    void Configure(const std::string& more) {
        Radios("[Radio]\nType=74\nPort=" + host->SlavePath() + "\n" + more);
    }

    void SilenceMemoryReads() {
        host->WithRadio([](sim::SimRadio& radio) {
            radio.FailOn("MR", sim::Fault::Silent);
            return 0;
        });
    }

    // Pumps until the device is idle, as the transfer's wait does.
    static void WaitIdle(std::uint16_t device) {
        hb::win::RunNestedLoop([device] { return Busy(device); });
    }

    std::unique_ptr<sim::SimRadioHost> host;
};

TEST_F(SerialLinkTest, AMemoryGoesToTheRadioAcrossThePortAndComesBack) {
    ASSERT_TRUE(host);
    const std::uint16_t device = Open();
    const parm written = Memory(127, 462'562'500, "Harbour Master");
    EXPECT_EQ(scan_device_mem_write(device, &written), 0);
    WaitIdle(device);
    EXPECT_EQ(Reply(device), "OK");
    const parm asking = Asking(127);
    EXPECT_EQ(scan_device_mem_read(device, &asking), 0);
    EXPECT_TRUE(Busy(device));
    WaitIdle(device);
    EXPECT_EQ(Current(device), written);
    EXPECT_EQ("/dev/" + Read(device).text(DeviceStatus::kPortName), host->SlavePath());
    host->WithRadio([](sim::SimRadio& radio) {
        EXPECT_EQ(radio.Journal().size(), 2u);
        return 0;
    });
    PumpUntilIdle();
    EXPECT_GE(Posts(), 4u);
    EXPECT_EQ(scan_close_device(device), 0); // joins the device thread
}

TEST_F(SerialLinkTest, ASilentRadioRunsOutItsLimitOnTheClock) {
    ASSERT_TRUE(host);
    hb::win::SetExternalWaitLimit(50);
    SilenceMemoryReads();
    const std::uint16_t device = Open();
    const parm asking = Asking(3);
    EXPECT_EQ(scan_device_mem_read(device, &asking), 0);
    const std::int64_t start = hb::win::NowMs();
    WaitIdle(device);
    EXPECT_EQ(hb::win::NowMs() - start, 1000);
    EXPECT_FALSE(ReplyPresent(device));
    EXPECT_EQ(Current(device).get(parm::kMode), 0x10);
    EXPECT_FALSE(hb::win::ExternalWaitHeld());
}

TEST_F(SerialLinkTest, ThePortIsRawEightNoneOneAtTheConfiguredRate) {
    ASSERT_TRUE(host);
    for (const auto& [baud, speed] : {std::pair{"", B9600}, std::pair{"Baud=19200\n", B19200}}) {
        Configure(baud);
        // Opened first: once the engine holds the port, no one else may open it.
        const int probe = ::open(host->SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(probe, 0);
        const std::uint16_t device = Open();
        termios tio{};
        ASSERT_EQ(::tcgetattr(probe, &tio), 0);
        ::close(probe);
        EXPECT_EQ(::cfgetospeed(&tio), speed);
        EXPECT_EQ(::cfgetispeed(&tio), speed);
        EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
        EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
        EXPECT_NE(tio.c_cflag & CLOCAL, 0u);
        EXPECT_NE(tio.c_cflag & CREAD, 0u);
        EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | IXANY | ICRNL), 0u);
        EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
        EXPECT_EQ(tio.c_oflag & OPOST, 0u);
        EXPECT_EQ(tio.c_cc[VMIN], 0);
        EXPECT_EQ(tio.c_cc[VTIME], 0);
        EXPECT_EQ(scan_close_device(device), 0);
    }
}

TEST_F(SerialLinkTest, APortThatCannotBeUsedSaysWhy) {
    ASSERT_TRUE(host);
    const std::uint16_t device = Open();
    EXPECT_EQ(scan_open_device("Radio", m_window.hwnd(), 0), rec::kStatusPortInUse);
    EXPECT_EQ(scan_close_device(device), 0);

    Configure("Baud=12345\n");
    EXPECT_EQ(scan_open_device("Radio", m_window.hwnd(), 0), rec::kStatusNotSupported);
    Radios("[Radio]\nType=74\nPort=/dev/does-not-exist\n");
    EXPECT_EQ(scan_open_device("Radio", m_window.hwnd(), 0), rec::kStatusNoSuchPort);
    Radios("[Radio]\nType=74\nPort=/dev/null\n"); // not a terminal
    EXPECT_EQ(scan_open_device("Radio", m_window.hwnd(), 0), rec::kStatusNotSupported);
    EXPECT_EQ(EngineSim::DeviceCount(), 0u);
}

TEST_F(SerialLinkTest, AnEngineOnASerialPortIsNotSupported) {
    ASSERT_TRUE(host);
    EXPECT_EQ(Create(m_window.hwnd(), "Radio"), rec::kStatusNotSupported);
    EXPECT_EQ(EngineSim::DeviceCount(), 0u);
}

TEST_F(SerialLinkTest, AHangUpLosesTheLinkForTheExchangeAndEveryLaterRequest) {
    ASSERT_TRUE(host);
    SilenceMemoryReads();
    const std::uint16_t device = Open();
    const parm asking = Asking(3);
    EXPECT_EQ(scan_device_mem_read(device, &asking), 0);
    PumpUntilIdle();
    const std::size_t posts = Posts();
    host->Close();
    WaitIdle(device);
    DeviceStatus status;
    EXPECT_EQ(scan_device_status(device, status.data()), rec::kStatusLinkLost);
    EXPECT_EQ(status.get(DeviceStatus::kBusy), 0);
    PumpUntilIdle();
    EXPECT_EQ(Posts(), posts + 1);
    EXPECT_EQ(scan_device_mem_read(device, &asking), rec::kStatusLinkLost);
    EXPECT_EQ(scan_device_raw_command(device, "PU\r"), rec::kStatusLinkLost);
    const std::uint32_t volume = 1;
    EXPECT_EQ(scan_device_set_volume(device, &volume), rec::kStatusLinkLost);
    EXPECT_EQ(scan_close_device(device), 0);
}

TEST_F(SerialLinkTest, RequestsTheSerialRadioDoesNotTakeAnswerNotSupported) {
    ASSERT_TRUE(host);
    const std::uint16_t device = Open();
    parm record;
    EXPECT_EQ(scan_device_vfo_fast_write(device, &record), rec::kStatusNotSupported);
    EXPECT_EQ(scan_device_mem_to_vfo(device, &record), rec::kStatusNotSupported);
    // A serial radio cannot sweep.
    EXPECT_EQ(scan_spectrum(device, &record), rec::kStatusNotSupported);
    EXPECT_EQ(scan_close_device(device), 0);
}

} // namespace
} // namespace hb::engine
