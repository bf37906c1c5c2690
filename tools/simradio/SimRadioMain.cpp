// simradio TYPE [--baud N]: serves a simulated radio of the type on a pseudo-terminal, paced like
// a wire at the baud rate (default 9600), prints the terminal's path and runs until it is
// interrupted or terminated.

#include "platform/engine/device/LinkSettings.h"
#include "platform/engine/sim/SimRadioHost.h"
#include "platform/engine/sim/SimRadios.h"

#include <signal.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

bool Number(std::string_view text, unsigned& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

int Usage() {
    std::fprintf(stderr, "usage: simradio TYPE [--baud N]\n");
    return 2;
}

sigset_t EndSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

} // namespace

int main(int argc, char** argv) {
    unsigned type = 0;
    unsigned baud = hb::engine::kDefaultBaud;
    if (argc != 2 && argc != 4) {
        return Usage();
    }
    if (!Number(argv[1], type) || type > 0xFF ||
        (argc == 4 && (std::strcmp(argv[2], "--baud") != 0 || !Number(argv[3], baud) ||
                       !hb::engine::IsStandardBaud(baud)))) {
        return Usage();
    }
    // Blocked before the host's thread starts, so that only the wait below takes them.
    const sigset_t signals = EndSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    auto host = hb::engine::sim::SimRadioHost::Start(
        hb::engine::sim::MakeRadio(static_cast<std::uint8_t>(type)), {baud, true});
    if (!host) {
        std::fprintf(stderr, "simradio: no pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    std::printf("%s\n", host->SlavePath().c_str());
    std::fflush(stdout);
    int signal = 0;
    sigwait(&signals, &signal);
    return 0;
}
