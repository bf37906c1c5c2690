#include "DeviceLinkTest.h"
#include "platform/win/core/MessageLoop.h"

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace hb::engine {
namespace {

// `simradio TYPE` started as a program of its own, as a person would start it.
class SimRadioToolTest : public DeviceLinkTest {
protected:
    ~SimRadioToolTest() override {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
    }

    // The path the tool prints; empty when it prints none within ten seconds.
    std::string Start(const char* type) {
        int out[2];
        if (::pipe(out) != 0) {
            return {};
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        char program[] = HB_SIMRADIO_PATH;
        std::string typeText = type;
        char* argv[] = {program, typeText.data(), nullptr};
        const int spawned = ::posix_spawn(&m_pid, program, &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        std::string line;
        char c = 0;
        pollfd in{out[0], POLLIN, 0};
        while (spawned == 0 && ::poll(&in, 1, 10'000) > 0 && ::read(out[0], &c, 1) == 1 &&
               c != '\n') {
            line += c;
        }
        ::close(out[0]);
        return line;
    }

    pid_t m_pid = -1;
};

TEST_F(SimRadioToolTest, PrintsAPathOnWhichTheEngineWritesAndReadsBackAMemory) {
    const std::string path = Start("74");
    ASSERT_TRUE(path.starts_with("/dev/")) << path;
    Radios("[Radio]\nType=74\nPort=" + path + "\n");
    const std::uint16_t device = Open();
    const parm written = Memory(12, 146'520'000, "Calling");
    EXPECT_EQ(scan_device_mem_write(device, &written), 0);
    hb::win::RunNestedLoop([device] { return Busy(device); });
    EXPECT_EQ(Reply(device), "OK");
    const parm asking = Asking(12);
    EXPECT_EQ(scan_device_mem_read(device, &asking), 0);
    hb::win::RunNestedLoop([device] { return Busy(device); });
    EXPECT_EQ(Current(device), written);
    EXPECT_EQ(scan_close_device(device), 0);
}

} // namespace
} // namespace hb::engine
