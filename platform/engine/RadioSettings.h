#pragma once
// A radio's section of the settings file, as the engine reads it. The section is named by the
// radio name handed to create and open:
//   Type  = the radio or tone reader model (low 8 bits count)
//   Port  = "SIM" for the simulated receiver, or a serial device path such as /dev/ttyUSB0
//   Rate  = channels scanned per second, 1 to 1000 (default 40)
//   Seed  = the seed of the simulated band activity (default 1)
//   Busy  = frequencies in Hz with simulated activity, separated by commas or blanks; without
//           the key, about one channel in eight is busy, chosen by the seed
//   Dtmf  = the frequencies whose transmissions send DTMF characters, as Busy; without the key,
//           about one busy frequency in four, chosen by the seed
//   Faults = seconds from the end of one simulated fault of the link to the next (default 0:
//           none)
//   FaultKinds = the faults, taken in turn (default "bad,reset,check,restart"): a garbled reply,
//           a reset of the radio, a 3 s loss of the link and a 10 s loss of the link

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hb::engine {

// The settings file the engine reads radios from: the path last given to scan_config_check or
// scan_config_init (tests may set it). Empty until then.
const std::string& SettingsFile();
void SetSettingsFile(std::string path);

// Names of radios and sections hold at most 19 characters.
inline constexpr unsigned kNameSize = 20;

// The value of `key` in `section`, cut to size - 1 characters; empty when there is none.
std::string ReadSetting(const std::string& path, const char* section, const char* key,
                        unsigned size = kNameSize);

enum class FaultKind { BadReply, Reset, ShortLoss, LongLoss };

struct RadioSection {
    std::string name;
    int type = 0;
    std::string port;
    unsigned rate = 40;
    std::uint64_t seed = 1;
    std::optional<std::vector<std::uint32_t>> busy;
    std::optional<std::vector<std::uint32_t>> dtmf;
    // The talkgroup IDs a simulated trunk tracker hears on its trunked channels.
    std::optional<std::vector<std::uint32_t>> talkgroups;
    std::uint32_t faultSeconds = 0;
    std::vector<FaultKind> faultKinds;
};

RadioSection ReadRadioSection(const std::string& path, const std::string& name);
// The frequencies in Hz of a list separated by commas or blanks, in the order given; zeros and
// what is not a number are left out.
std::vector<std::uint32_t> FrequencyList(std::string_view text);

// Types of the model tables, by their low 8 bits: a radio the program drives, a tone reader.
bool IsKnownRadioType(int type);
bool IsKnownDecoderType(int type);
bool IsSimulatedPort(const std::string& port);
bool IsSerialPort(const std::string& port);

// The section of the tone reader connected to the radio `radioName`, when one is: reader k of
// "Vela*Quin"/"ToneReadersInstalled" whose "Connections"/"Reader#k" names the radio's key in
// "Radios", with the reader's section in "ToneReaders"/"Reader#k".
std::optional<std::string> ToneReaderOf(const std::string& path, const std::string& radioName);

} // namespace hb::engine
