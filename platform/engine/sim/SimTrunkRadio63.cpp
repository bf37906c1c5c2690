#include "platform/engine/sim/SimTrunkRadio63.h"

#include "platform/engine/sim/SimRadios.h"
#include "platform/records/RadioModel.h"
#include "platform/records/TrunkChannelWords.h"

#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstdio>

namespace hb::engine::sim {

namespace {

using hb::records::TrunkSwitchLetter;

constexpr std::array<std::uint8_t, 8> kTypes{63, 64, 70, 71, 89, 90, 91, 92};

constexpr std::array<std::uint32_t, 7> kCode5Steps{5'000,  7'500,  10'000, 12'500,
                                                   25'000, 50'000, 100'000};
constexpr std::array<std::uint32_t, 8> kCode6Steps{5'000,  6'250,  7'500,  10'000,
                                                   12'500, 25'000, 50'000, 100'000};
constexpr std::array<SimTrunkModel63, 4> kModels{{
    {4, "KEY13", false, false, {}, false, 9, false, false},
    {5, "KEY07", false, true, kCode5Steps, true, 0, true, true},
    {6, "KEY13", true, true, kCode6Steps, true, 0, true, true},
    {7, "KEY13", true, false, {}, false, 9, false, false},
}};

constexpr std::string_view kNoEntry = "------";
constexpr std::size_t kFipsWidth = 6;
// Shown in place of a channel name that was never given: "RID" and two display graphics.
constexpr char kUnnamed[] = "RID\x8C      \x8D      ";

std::unique_ptr<SimRadio> Make(std::uint8_t type) {
    return std::make_unique<SimTrunkRadio63>(type);
}

[[maybe_unused]] const bool kRegistered = RegisterSimRadio(kTypes, &Make);

std::optional<unsigned> Number(std::string_view digits) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

// The arguments after the command word's blank.
std::string_view Rest(std::string_view arguments) {
    return arguments.starts_with(' ') ? arguments.substr(1) : arguments;
}

std::string Printed(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printed(const char* format, ...) {
    char text[128];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

const SimTrunkModel63& ModelOf(std::uint8_t type) {
    const hb::records::RadioModel* row = hb::records::FindRadioModel(type);
    const SimTrunkModel63* model = FindSimTrunkModel63(row ? row->trunkModel : 0);
    return model ? *model : kModels.front();
}

std::size_t ChannelCount(std::uint8_t type) {
    const hb::records::RadioModel* row = hb::records::FindRadioModel(type);
    return row ? row->organisation.channels : 0;
}

} // namespace

const SimTrunkModel63* FindSimTrunkModel63(std::uint8_t code) {
    const auto found = std::ranges::find(kModels, code, &SimTrunkModel63::code);
    return found == kModels.end() ? nullptr : &*found;
}

SimTrunkRadio63::SimTrunkRadio63(std::uint8_t type)
    : m_model(&ModelOf(type)), m_variant([type] {
          const hb::records::RadioModel* row = hb::records::FindRadioModel(type);
          return row ? row->modelVariant : std::uint8_t{0};
      }()),
      m_memory(ChannelCount(type)), m_menu(m_memory, *m_model) {
    DefineMemoryCommands();
    DefineChannelCommands();
    DefineBankCommands();
    DefineTextCommands();
    DefineGlobalCommands();
    ShowMenu();
}

ChannelSwitches::Switches SimTrunkRadio63::SwitchesOf(std::uint16_t channel) const {
    if (channel == 0 || channel > m_memory.channels.size()) {
        return {};
    }
    const SimTrunkChannel63& kept = m_memory.channels[channel - 1];
    return {static_cast<std::uint8_t>(kept.lockOut ? 1 : 0),
            static_cast<std::uint8_t>(kept.attenuator ? 1 : 0)};
}

void SimTrunkRadio63::SetSwitches(std::uint16_t channel, Switches switches) {
    if (channel == 0 || channel > m_memory.channels.size()) {
        return;
    }
    SimTrunkChannel63& kept = m_memory.channels[channel - 1];
    kept.lockOut = switches.lockOut != 0;
    kept.attenuator = switches.attenuator != 0;
}

void SimTrunkRadio63::Key(std::string_view key) {
    m_menu.Press(key);
    ShowMenu();
}

void SimTrunkRadio63::ShowMenu() {
    const auto lines = m_menu.Display();
    for (std::size_t line = 0; line < lines.size(); ++line) {
        SetDisplayLine(line, lines[line]);
    }
}

SimTrunkChannel63* SimTrunkRadio63::Channel(std::string_view digits) {
    const auto number = Number(digits.substr(0, 3));
    if (!number || digits.size() < 3) {
        return nullptr;
    }
    // Three digits name memories up to 999; 000 is memory 1000.
    const unsigned memory = *number == 0 ? 1000 : *number;
    if (memory > m_memory.channels.size()) {
        return nullptr;
    }
    m_current = memory;
    return &m_memory.channels[memory - 1];
}

SimTrunkBank63* SimTrunkRadio63::BankOf(std::string_view arguments) {
    const std::string_view rest = Rest(arguments);
    return Bank(rest.empty() ? '\0' : rest[0]);
}

SimTrunkChannel63* SimTrunkRadio63::Current() {
    return m_current >= 1 && m_current <= m_memory.channels.size()
               ? &m_memory.channels[m_current - 1]
               : nullptr;
}

SimTrunkBank63* SimTrunkRadio63::Bank(char letter) {
    const auto index = static_cast<std::size_t>(letter - 'A');
    return letter >= 'A' && index < m_memory.banks.size() ? &m_memory.banks[index] : nullptr;
}

SimTrunkId63* SimTrunkRadio63::Id(SimTrunkBank63& bank, std::string_view slot) {
    if (slot.size() < 2 || slot[0] < 'A' || slot[0] > 'J' || slot[1] < '0' || slot[1] > '9') {
        return nullptr;
    }
    // "A1" is the first slot, "A0" the tenth.
    const auto index = static_cast<std::size_t>(slot[0] - 'A') * 10 +
                       static_cast<std::size_t>(slot[1] - '0' + 9) % 10;
    return &bank.ids[index];
}

std::string ChannelLine63(unsigned number, const SimTrunkChannel63& channel) {
    std::string delay = channel.delay;
    std::erase(delay, ' ');
    return Printed("MA%03u%c%08u LO%c AT%c AR%c ST%s RM%s DL%s CS%03u%s BA%c", number % 1000,
                   channel.trunk ? 'T' : ' ', channel.frequency, TrunkSwitchLetter(channel.lockOut),
                   TrunkSwitchLetter(channel.attenuator), TrunkSwitchLetter(channel.marker),
                   channel.step.c_str(), channel.mode.c_str(), delay.c_str(), channel.tone,
                   channel.toneSuffix ? "L" : "", TrunkSwitchLetter(channel.bankAssign));
}

void SimTrunkRadio63::DefineMemoryCommands() {
    Define("AC", [this](std::string_view) -> Reply {
        m_memory = SimTrunkMemory63(m_memory.channels.size());
        m_menu.Close();
        ShowMenu();
        m_current = 1;
        return Accepted();
    });
    Define("MA", [this](std::string_view arguments) -> Reply {
        const SimTrunkChannel63* channel = Channel(arguments);
        if (!channel) {
            return std::nullopt;
        }
        return ChannelLine63(m_current, *channel);
    });
    // "PM005T08510125": the memory, "T" for a trunk frequency, the frequency in 100 Hz.
    Define("PM", [this](std::string_view arguments) -> Reply {
        SimTrunkChannel63* channel = Channel(arguments);
        const auto frequency =
            arguments.size() >= 12 ? Number(arguments.substr(4, 8)) : std::nullopt;
        if (!channel || !frequency) {
            return std::nullopt;
        }
        channel->frequency = *frequency;
        channel->trunk = arguments[3] == 'T';
        return Accepted();
    });
}

void SimTrunkRadio63::DefineSwitch(std::string word, bool SimTrunkChannel63::*field) {
    for (const char state : {'N', 'F'}) {
        Define(word + state, [this, field, state](std::string_view) -> Reply {
            SimTrunkChannel63* channel = Current();
            if (!channel) {
                return std::nullopt;
            }
            channel->*field = state == 'N';
            return Accepted();
        });
    }
}

void SimTrunkRadio63::DefineChannelCommands() {
    DefineSwitch("LO", &SimTrunkChannel63::lockOut);
    DefineSwitch("AT", &SimTrunkChannel63::attenuator);
    if (m_model->optionMenus) {
        DefineSwitch("AR", &SimTrunkChannel63::marker);
    }
    // A text kept as given, and answered after the word: "ST 12.5K", "RM NFM".
    const auto defineWord = [this](std::string word, std::string SimTrunkChannel63::*field) {
        Define(word, [this, word, field](std::string_view arguments) -> Reply {
            SimTrunkChannel63* channel = Current();
            if (!channel) {
                return std::nullopt;
            }
            if (arguments.empty()) {
                return word + " " + channel->*field;
            }
            channel->*field = Rest(arguments);
            return Accepted();
        });
    };
    defineWord("ST", &SimTrunkChannel63::step);
    defineWord("RM", &SimTrunkChannel63::mode);
    Define("DLF", [this](std::string_view) -> Reply {
        SimTrunkChannel63* channel = Current();
        if (!channel) {
            return std::nullopt;
        }
        channel->delay = "F";
        return Accepted();
    });
    Define("DLN", [this](std::string_view arguments) -> Reply {
        SimTrunkChannel63* channel = Current();
        if (!channel) {
            return std::nullopt;
        }
        channel->delay = "N" + std::string(arguments);
        return Accepted();
    });
    Define("DL", [this](std::string_view) -> Reply {
        const SimTrunkChannel63* channel = Current();
        return channel ? Reply("DL" + channel->delay) : std::nullopt;
    });
    Define("CS", [this](std::string_view arguments) -> Reply {
        SimTrunkChannel63* channel = Current();
        if (!channel) {
            return std::nullopt;
        }
        if (arguments.empty()) {
            return Printed("CS%03u%s", channel->tone, channel->toneSuffix ? "L" : "");
        }
        const auto position = Number(arguments.substr(0, 3));
        if (!position) {
            return std::nullopt;
        }
        channel->tone = *position;
        channel->toneSuffix = arguments.substr(3) == "L";
        return Accepted();
    });
}

void SimTrunkRadio63::DefineBankLetters(std::string word, std::string_view letters,
                                        char SimTrunkBank63::*field) {
    for (const char letter : letters) {
        Define(word + letter, [this, field, letter](std::string_view arguments) -> Reply {
            SimTrunkBank63* bank = BankOf(arguments);
            if (!bank) {
                return std::nullopt;
            }
            bank->*field = letter;
            return Accepted();
        });
    }
    Define(word, [this, word, field](std::string_view arguments) -> Reply {
        const std::string_view rest = Rest(arguments);
        const SimTrunkBank63* bank = BankOf(arguments);
        if (!bank) {
            return std::nullopt;
        }
        return word + bank->*field + " " + rest[0];
    });
}

void SimTrunkRadio63::DefineBankCommands() {
    DefineBankLetters("IR", "FNY", &SimTrunkBank63::ir);
    DefineBankLetters("EA", "NF", &SimTrunkBank63::ea);
    for (const char state : {'N', 'F'}) {
        Define(std::string("TB") + state, [this, state](std::string_view arguments) -> Reply {
            SimTrunkBank63* bank = BankOf(arguments);
            if (!bank) {
                return std::nullopt;
            }
            bank->trunking = state == 'N';
            return Accepted();
        });
    }
    Define("TB", [this](std::string_view arguments) -> Reply {
        const std::string_view rest = Rest(arguments);
        const SimTrunkBank63* bank = BankOf(arguments);
        if (!bank) {
            return std::nullopt;
        }
        return Printed("TB %c %u", rest[0], bank->trunking ? bank->trunkCode : 0);
    });
    // "TR A 1", or a band-plan line "TR A 4 08510125 0125 380 1".
    Define("TR", [this](std::string_view arguments) -> Reply {
        const std::string_view rest = Rest(arguments);
        SimTrunkBank63* bank = BankOf(arguments);
        const auto code = rest.size() >= 3 ? Number(rest.substr(2, 1)) : std::nullopt;
        if (!bank || !code) {
            return std::nullopt;
        }
        // The command sets Type I with 1 and plain Type II with 2; their codes are the other way.
        bank->trunkCode = *code == 1 ? 2 : *code == 2 ? 1 : *code;
        if (rest.size() >= 23) {
            const auto base = Number(rest.substr(4, 8));
            const auto spacing = Number(rest.substr(13, 4));
            const auto offset = Number(rest.substr(18, 3));
            const auto plan = Number(rest.substr(22, 1));
            if (!base || !spacing || !offset || !plan || *plan < 1 || *plan > bank->plans.size()) {
                return std::nullopt;
            }
            bank->plans[*plan - 1] = {*base, *spacing, *offset};
        }
        return Accepted();
    });
    // "FB A 0 12" stores block 0's size code, "FB A 0" answers it.
    Define("FB", [this](std::string_view arguments) -> Reply {
        const std::string_view rest = Rest(arguments);
        SimTrunkBank63* bank = BankOf(arguments);
        const auto block = rest.size() >= 3 ? Number(rest.substr(2, 1)) : std::nullopt;
        if (!bank || !block || *block >= bank->fleetMap.size()) {
            return std::nullopt;
        }
        if (rest.size() <= 4) {
            return Printed("FB %c %u %02u", rest[0], *block, bank->fleetMap[*block]);
        }
        const auto size = Number(rest.substr(4));
        if (!size) {
            return std::nullopt;
        }
        bank->fleetMap[*block] = *size;
        return Accepted();
    });
    Define("TCN", [this](std::string_view arguments) -> Reply {
        const std::string_view rest = Rest(arguments);
        SimTrunkBank63* bank = BankOf(arguments);
        const auto value = rest.size() > 3 ? Number(rest.substr(3)) : std::nullopt;
        if (!bank || !value || rest[2] != 'P') {
            return std::nullopt;
        }
        bank->tc = *value;
        return Accepted();
    });
    Define("TCF", [this](std::string_view arguments) -> Reply {
        SimTrunkBank63* bank = BankOf(arguments);
        if (!bank) {
            return std::nullopt;
        }
        bank->tc = 0;
        return Accepted();
    });
    // "TCN A P 3": the value's digit at position 8.
    Define("TC", [this](std::string_view arguments) -> Reply {
        const std::string_view rest = Rest(arguments);
        const SimTrunkBank63* bank = BankOf(arguments);
        if (!bank) {
            return std::nullopt;
        }
        return bank->tc ? Printed("TCN %c P %u", rest[0], bank->tc) : Printed("TCF %c", rest[0]);
    });
    // "PC A101" sets the priority channel, "PC A" answers it.
    Define("PC", [this](std::string_view arguments) -> Reply {
        const std::string_view rest = Rest(arguments);
        SimTrunkBank63* bank = BankOf(arguments);
        if (!bank) {
            return std::nullopt;
        }
        if (rest.size() == 1) {
            return Printed("PC %c %03u", rest[0], bank->priority);
        }
        const auto channel = Number(rest.substr(1));
        if (!channel) {
            return std::nullopt;
        }
        bank->priority = *channel;
        return Accepted();
    });
    if (m_model->bandPlansByCommand) {
        Define("BC", [this](std::string_view arguments) -> Reply {
            const std::string_view rest = Rest(arguments);
            const SimTrunkBank63* bank = BankOf(arguments);
            const auto plan = rest.size() >= 2 ? Number(rest.substr(1, 1)) : std::nullopt;
            if (!bank || !plan || *plan < 1 || *plan > bank->plans.size()) {
                return std::nullopt;
            }
            const SimTrunkPlan63& kept = bank->plans[*plan - 1];
            return Printed("BC %c%u %08u %04u %03u", rest[0], *plan, kept.base, kept.spacing,
                           kept.offset);
        });
    }
}

void SimTrunkRadio63::DefineTextCommands() {
    // "TA C 005 name", "TA B A name", "TA S A name", "TA I A A1 tag" and "TA L A B tag" give a
    // name; without it they ask for it.
    Define("TA", [this](std::string_view arguments) -> Reply {
        const std::string_view rest = Rest(arguments);
        const std::string_view key = rest.substr(0, std::min<std::size_t>(rest.size(), 2));
        std::string* name = nullptr;
        std::size_t nameAt = 0;
        bool channel = false;
        if (key == "C ") {
            SimTrunkChannel63* memory = Channel(rest.substr(2));
            name = memory ? &memory->name : nullptr;
            nameAt = 6;
            channel = true;
        } else if (key == "B " || key == "S ") {
            const char letter = rest.size() > 2 ? rest[2] : '\0';
            const auto index = static_cast<std::size_t>(letter - 'A');
            if (key == "B ") {
                SimTrunkBank63* bank = Bank(letter);
                name = bank ? &bank->name : nullptr;
            } else if (letter >= 'A' && index < m_memory.ranges.size()) {
                name = &m_memory.ranges[index].name;
            }
            nameAt = 4;
        } else if (key == "I ") {
            SimTrunkBank63* bank = Bank(rest.size() > 2 ? rest[2] : '\0');
            SimTrunkId63* id = bank && rest.size() >= 6 ? Id(*bank, rest.substr(4, 2)) : nullptr;
            name = id ? &id->tag : nullptr;
            nameAt = 7;
        } else if (key == "L ") {
            SimTrunkBank63* bank = Bank(rest.size() > 2 ? rest[2] : '\0');
            const auto entry = rest.size() > 4 ? static_cast<std::size_t>(rest[4] - 'A') : 99;
            name = bank && entry < bank->listTags.size() ? &bank->listTags[entry] : nullptr;
            nameAt = 6;
        }
        if (!name) {
            return std::nullopt;
        }
        if (rest.size() >= nameAt) {
            *name = TrunkName(rest.substr(nameAt));
            return Accepted();
        }
        const bool unnamed = name->find_first_not_of(' ') == std::string::npos;
        return "TA " + std::string(rest) + " " +
               (channel && unnamed ? std::string(kUnnamed) : TrunkName(*name));
    });
    // "TG A A1 012345" gives the slot its ID, "TG A A1" asks for it.
    Define("TG", [this](std::string_view arguments) -> Reply {
        const std::string_view rest = Rest(arguments);
        SimTrunkBank63* bank = BankOf(arguments);
        SimTrunkId63* id = bank && rest.size() >= 4 ? Id(*bank, rest.substr(2, 2)) : nullptr;
        if (!id) {
            return std::nullopt;
        }
        if (rest.size() > 5) {
            id->text = rest.substr(5);
            return Accepted();
        }
        return "TG " + std::string(rest) + " " +
               (id->text.empty() ? std::string(kNoEntry) : id->text);
    });
    // "BAN C 005" and "BAN I A A1" switch a channel or an ID; "BA C 005" asks, answered with the
    // switch at 9 and the trunk mark at 11; "BA I A A1" with the switch at 10.
    const auto bankAssign = [this](std::string_view rest) -> bool* {
        if (rest.starts_with("C ")) {
            SimTrunkChannel63* channel = Channel(rest.substr(2));
            return channel ? &channel->bankAssign : nullptr;
        }
        SimTrunkBank63* bank = rest.starts_with("I ") && rest.size() >= 6 ? Bank(rest[2]) : nullptr;
        SimTrunkId63* id = bank ? Id(*bank, rest.substr(4, 2)) : nullptr;
        return id ? &id->bankAssign : nullptr;
    };
    for (const char state : {'N', 'F'}) {
        Define(std::string("BA") + state, [bankAssign, state](std::string_view arguments) -> Reply {
            bool* on = bankAssign(Rest(arguments));
            if (!on) {
                return std::nullopt;
            }
            *on = state == 'N';
            return Accepted();
        });
    }
    Define("BA", [this, bankAssign](std::string_view arguments) -> Reply {
        const std::string_view rest = Rest(arguments);
        const bool* on = bankAssign(rest);
        if (!on) {
            return std::nullopt;
        }
        std::string reply = "BA " + std::string(rest) + " " + TrunkSwitchLetter(*on);
        if (rest.starts_with("C ")) {
            reply += Current()->trunk ? " T" : " C";
        }
        return reply;
    });
}

void SimTrunkRadio63::DefineLetters(std::string word, std::string_view letters,
                                    char SimTrunkMemory63::*field) {
    for (const char letter : letters) {
        Define(word + letter, [this, field, letter](std::string_view) -> Reply {
            m_memory.*field = letter;
            return Accepted();
        });
    }
    Define(word, [this, word, field](std::string_view) -> Reply { return word + m_memory.*field; });
}

void SimTrunkRadio63::DefineGlobalCommands() {
    DefineLetters("LT", "NDF", &SimTrunkMemory63::lt);
    DefineLetters("LM", "NF", &SimTrunkMemory63::lm);
    DefineLetters("BP", "NF", &SimTrunkMemory63::bp);
    DefineLetters("EL", "NF", &SimTrunkMemory63::el);
    DefineLetters("DS", "NF", &SimTrunkMemory63::ds);
    DefineLetters("CT", "FNS", &SimTrunkMemory63::ct);
    // "LL01500000 A" sets range A's lower limit in 100 Hz, "LL A" answers it; "LU" the upper.
    for (const bool lower : {true, false}) {
        const std::string word = lower ? "LL" : "LU";
        Define(word, [this, word, lower](std::string_view arguments) -> Reply {
            const char letter = arguments.empty() ? '\0' : arguments.back();
            const auto index = static_cast<std::size_t>(letter - 'A');
            if (letter < 'A' || index >= m_memory.ranges.size()) {
                return std::nullopt;
            }
            SimTrunkRange63& range = m_memory.ranges[index];
            std::uint32_t& limit = lower ? range.lower : range.upper;
            if (arguments.starts_with(' ')) {
                return Printed("%s%08u %c", word.c_str(), limit, letter);
            }
            const auto value = Number(arguments.substr(0, 8));
            if (!value) {
                return std::nullopt;
            }
            limit = *value;
            return Accepted();
        });
    }
    if (m_variant == 0) {
        // "FP 01 012345" fills FIPS slot 1, "FP 01" answers "FIPS 01 012345".
        Define("FP", [this](std::string_view arguments) -> Reply {
            const std::string_view rest = Rest(arguments);
            const auto slot = Number(rest.substr(0, 2));
            if (!slot || *slot < 1 || *slot > m_memory.fips.size()) {
                return std::nullopt;
            }
            std::string& code = m_memory.fips[*slot - 1];
            if (rest.size() > 3) {
                code = rest.substr(3, kFipsWidth);
                return Accepted();
            }
            return Printed("FIPS %02u %s", *slot,
                           code.empty() ? std::string(kNoEntry).c_str() : code.c_str());
        });
    }
    // "LCD1" to "LCD4": a line of the display.
    Define("LCD", [this](std::string_view arguments) -> Reply {
        const auto line = Number(arguments);
        if (!line || *line < 1 || *line > Display().size()) {
            return std::nullopt;
        }
        return Printed("LCD%u %s", *line, Display()[*line - 1].c_str());
    });
}

} // namespace hb::engine::sim
