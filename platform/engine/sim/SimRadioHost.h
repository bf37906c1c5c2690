#pragma once
// Serves a simulated radio on the master side of a pseudo-terminal, on a thread of its own, so
// that the engine reaches it as a radio on a serial port named by the slave's path. Paced, it
// answers no sooner than the command's and the reply's bytes would have passed on a wire at the
// baud rate (for benchmarks and people); unpaced, at once (for tests).

#include "platform/engine/sim/SimRadio.h"

#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace hb::engine::sim {

class SimRadioHost {
public:
    struct Options {
        unsigned baud = 9600;
        bool paced = false;
    };

    // Null when no pseudo-terminal can be had.
    static std::unique_ptr<SimRadioHost> Start(std::unique_ptr<SimRadio> radio, Options options);
    ~SimRadioHost();
    SimRadioHost(const SimRadioHost&) = delete;
    SimRadioHost& operator=(const SimRadioHost&) = delete;

    const std::string& SlavePath() const { return m_slavePath; }
    // Runs `work` with the radio while the host's thread keeps off it.
    template <class Work>
    auto WithRadio(Work work) {
        std::lock_guard lock(m_radioMutex);
        return work(*m_radio);
    }
    // Ends the thread and closes the pseudo-terminal: the engine's side sees a hang-up.
    void Close();

private:
    SimRadioHost(std::unique_ptr<SimRadio> radio, Options options, int master, int slave,
                 std::string slavePath);
    void Run();
    void Answer(const std::string& line);

    std::unique_ptr<SimRadio> m_radio;
    std::mutex m_radioMutex;
    Options m_options;
    int m_master;
    int m_slave;
    int m_wake;
    std::string m_slavePath;
    std::thread m_thread;
};

} // namespace hb::engine::sim
