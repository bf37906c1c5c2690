#include "platform/engine/sim/SimRadio45.h"

#include "platform/afx/NumberText.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/records/RadioModel.h"
#include "platform/records/TrunkChannelWords.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace hb::engine::sim {

namespace {

using hb::afx::ParseNumber;
using hb::records::TrunkSwitchLetter;

constexpr std::array<std::uint8_t, 2> kTypes{45, 51};
constexpr std::size_t kMemoryDigits = 3;
constexpr unsigned kMemories = 1000;
constexpr std::size_t kFipsWidth = 6;
constexpr std::string_view kEmpty = "------";
// Shown in place of a memory name that was never given: "RID" and two display graphics.
constexpr std::string_view kUnnamed = "RID\x8C      \x8D      ";
// The trunk-type commands of a UHF and a VHF Type II bank carry its band values.
constexpr unsigned kCommandUhf = 4;
constexpr unsigned kCommandVhf = 5;
constexpr std::size_t kLtItem = 1;
constexpr std::string_view kLtLetters = "NDF";

std::unique_ptr<SimRadio> Make(std::uint8_t type) {
    return std::make_unique<SimRadio45>(type);
}

[[maybe_unused]] const bool kRegistered = RegisterSimRadio(kTypes, &Make);

char Letter(std::string_view word) {
    return word.size() == 1 ? word[0] : '\0';
}

} // namespace

SimRadio45::SimRadio45(std::uint8_t type) {
    DefineChannelCommands();
    DefineBankCommands();
    DefineNameCommands();
    DefineGlobalCommands();
    const hb::records::RadioModel* model = hb::records::FindRadioModel(type);
    if (model && model->modelVariant == 0) {
        // "FP 01 012345" fills a slot, "FP 01" asks for it.
        Define("FP", [this](std::string_view arguments) -> Reply {
            const auto words = Words(arguments);
            const auto slot = words.empty() ? std::nullopt : ParseNumber<unsigned>(words[0]);
            if (!slot || *slot < 1 || *slot > m_memory.fips.size() || words.size() > 2) {
                return std::nullopt;
            }
            std::string& code = m_memory.fips[*slot - 1];
            if (words.size() == 2) {
                code = words[1].substr(0, kFipsWidth);
                return Accepted();
            }
            return "FIPS " + std::string(words[0]) + " " +
                   (code.empty() ? std::string(kEmpty) : code);
        });
    }
}

SimTrunkChannel63* SimRadio45::Select(std::string_view digits) {
    const auto number =
        digits.size() == kMemoryDigits ? ParseNumber<unsigned>(digits) : std::nullopt;
    if (!number) {
        return nullptr;
    }
    m_selected = *number == 0 ? kMemories : *number;
    return Selected();
}

SimTrunkChannel63* SimRadio45::Selected() {
    return m_selected >= 1 && m_selected <= m_memory.channels.size()
               ? &m_memory.channels[m_selected - 1]
               : nullptr;
}

SimBank45* SimRadio45::Bank(char letter) {
    const auto index = static_cast<std::size_t>(letter - 'A');
    return letter >= 'A' && index < m_memory.banks.size() ? &m_memory.banks[index] : nullptr;
}

SimRange45* SimRadio45::Range(char letter) {
    const auto index = static_cast<std::size_t>(letter - 'A');
    return letter >= 'A' && index < m_memory.ranges.size() ? &m_memory.ranges[index] : nullptr;
}

SimTrunkId63* SimRadio45::Id(SimBank45& bank, std::string_view slot) {
    if (slot.size() != 2 || slot[0] < 'A' || slot[1] < '0' || slot[1] > '9') {
        return nullptr;
    }
    // "A1" is the first slot, "A0" the tenth.
    const auto index = static_cast<std::size_t>(slot[0] - 'A') * 10 +
                       static_cast<std::size_t>(slot[1] - '0' + 9) % 10;
    return index < bank.ids.size() ? &bank.ids[index] : nullptr;
}

void SimRadio45::DefineChannelCommands() {
    Define("MA", [this](std::string_view arguments) -> Reply {
        const SimTrunkChannel63* channel = Select(arguments);
        return channel ? Reply(ChannelLine63(m_selected, *channel)) : std::nullopt;
    });
    // "PM005T08510125": the memory, "T" for a trunk frequency, the frequency.
    Define("PM", [this](std::string_view arguments) -> Reply {
        SimTrunkChannel63* channel = Select(arguments.substr(0, kMemoryDigits));
        const auto frequency = arguments.size() == kMemoryDigits + 9
                                   ? ParseNumber<std::uint32_t>(arguments.substr(4))
                                   : std::nullopt;
        if (!channel || !frequency) {
            return std::nullopt;
        }
        channel->frequency = *frequency;
        channel->trunk = arguments[kMemoryDigits] == 'T';
        return Accepted();
    });
    using Flag = bool SimTrunkChannel63::*;
    for (const auto& row : {std::pair<std::string, Flag>{"LO", &SimTrunkChannel63::lockOut},
                            {"AT", &SimTrunkChannel63::attenuator},
                            {"AR", &SimTrunkChannel63::marker}}) {
        const Flag flag = row.second;
        for (const bool on : {true, false}) {
            Define(row.first + TrunkSwitchLetter(on),
                   [this, flag, on](std::string_view arguments) -> Reply {
                       SimTrunkChannel63* channel = Selected();
                       if (!channel || !arguments.empty()) {
                           return std::nullopt;
                       }
                       channel->*flag = on;
                       return Accepted();
                   });
        }
    }
    // "DLN +1" keeps "N +1"; "DL" answers "DLN +1".
    for (const bool on : {true, false}) {
        Define(std::string("DL") + TrunkSwitchLetter(on),
               [this, on](std::string_view arguments) -> Reply {
                   SimTrunkChannel63* channel = Selected();
                   if (!channel || (!on && !arguments.empty())) {
                       return std::nullopt;
                   }
                   channel->delay = TrunkSwitchLetter(on) + std::string(arguments);
                   return Accepted();
               });
    }
    Define("DL", [this](std::string_view arguments) -> Reply {
        const SimTrunkChannel63* channel = Selected();
        return channel && arguments.empty() ? Reply("DL" + channel->delay) : std::nullopt;
    });
    // "RM NFM" and "ST 12.5K" keep the word; "RM" and "ST" ask for it.
    using Word = std::string SimTrunkChannel63::*;
    for (const auto& row : {std::pair<std::string, Word>{"RM", &SimTrunkChannel63::mode},
                            {"ST", &SimTrunkChannel63::step}}) {
        const std::string command = row.first;
        const Word word = row.second;
        Define(command, [this, command, word](std::string_view arguments) -> Reply {
            SimTrunkChannel63* channel = Selected();
            if (!channel || (!arguments.empty() && !arguments.starts_with(' '))) {
                return std::nullopt;
            }
            if (arguments.empty()) {
                return command + " " + channel->*word;
            }
            channel->*word = arguments.substr(1);
            return Accepted();
        });
    }
    Define("CS", [this](std::string_view arguments) -> Reply {
        SimTrunkChannel63* channel = Selected();
        if (!channel) {
            return std::nullopt;
        }
        if (arguments.empty()) {
            char reply[16];
            std::snprintf(reply, sizeof reply, "CS%03u%s", channel->tone,
                          channel->toneSuffix ? "L" : "");
            return reply;
        }
        const auto position = ParseNumber<unsigned>(arguments.substr(0, 3));
        if (!position || (arguments.size() > 3 && arguments.substr(3) != "L")) {
            return std::nullopt;
        }
        channel->tone = *position;
        channel->toneSuffix = arguments.size() > 3;
        return Accepted();
    });
}

void SimRadio45::DefineBankCommands() {
    // "TR A 1", or "TR A 4 04060000 025000 380" with the band values.
    Define("TR", [this](std::string_view arguments) -> Reply {
        const auto words = Words(arguments);
        SimBank45* bank = words.size() >= 2 ? Bank(Letter(words[0])) : nullptr;
        const auto command = bank ? ParseNumber<unsigned>(words[1]) : std::nullopt;
        const bool banded = command == kCommandUhf || command == kCommandVhf;
        if (!command || words.size() != (banded ? 5U : 2U)) {
            return std::nullopt;
        }
        if (banded) {
            const auto base = ParseNumber<std::uint32_t>(words[2]);
            const auto spacing = ParseNumber<std::uint32_t>(words[3]);
            const auto offset = ParseNumber<unsigned>(words[4]);
            if (!base || !spacing || !offset) {
                return std::nullopt;
            }
            bank->base = *base;
            bank->spacing = *spacing;
            bank->offset = *offset;
        }
        // The command sets Type I with 1 and plain Type II with 2; their codes are the other way.
        bank->trunkCode = *command == 1 ? 2 : *command == 2 ? 1 : *command;
        return Accepted();
    });
    Define("TBF", [this](std::string_view arguments) -> Reply {
        const auto words = Words(arguments);
        SimBank45* bank = words.size() == 1 ? Bank(Letter(words[0])) : nullptr;
        if (!bank) {
            return std::nullopt;
        }
        bank->trunkCode = 0;
        return Accepted();
    });
    Define("TB", [this](std::string_view arguments) -> Reply {
        const auto words = Words(arguments);
        const SimBank45* bank = words.size() == 1 ? Bank(Letter(words[0])) : nullptr;
        return bank ? Reply("TB " + std::string(words[0]) + " " + std::to_string(bank->trunkCode))
                    : std::nullopt;
    });
    // "FB A 0 12" keeps block 0's size code, "FB A 0" asks for it.
    Define("FB", [this](std::string_view arguments) -> Reply {
        const auto words = Words(arguments);
        SimBank45* bank = words.size() >= 2 ? Bank(Letter(words[0])) : nullptr;
        const auto block = bank ? ParseNumber<std::size_t>(words[1]) : std::nullopt;
        if (!block || *block >= bank->fleetMap.size() || words.size() > 3) {
            return std::nullopt;
        }
        if (words.size() == 3) {
            const auto size = ParseNumber<unsigned>(words[2]);
            if (!size) {
                return std::nullopt;
            }
            bank->fleetMap[*block] = *size;
            return Accepted();
        }
        char reply[24];
        std::snprintf(reply, sizeof reply, "FB %c %zu %02u", words[0][0], *block,
                      bank->fleetMap[*block]);
        return reply;
    });
    // "PC A101" gives bank A its priority channel, "PC A" asks: "PC A 101".
    Define("PC", [this](std::string_view arguments) -> Reply {
        const auto words = Words(arguments);
        SimBank45* bank = words.size() == 1 && !words[0].empty() ? Bank(words[0][0]) : nullptr;
        if (!bank) {
            return std::nullopt;
        }
        if (words[0].size() == 1) {
            char reply[16];
            std::snprintf(reply, sizeof reply, "PC %c %03u", words[0][0], bank->priority);
            return reply;
        }
        const auto memory = words[0].size() == 1 + kMemoryDigits
                                ? ParseNumber<unsigned>(words[0].substr(1))
                                : std::nullopt;
        if (!memory) {
            return std::nullopt;
        }
        bank->priority = *memory == 0 ? kMemories : *memory;
        return Accepted();
    });
}

void SimRadio45::DefineNameCommands() {
    // "TA C 005 name", "TA B A name", "TA S A name", "TA I A A1 name" and "TA L A B name" give a
    // name or tag; without one they ask for it.
    Define("TA", [this](std::string_view arguments) -> Reply {
        const auto words = Words(arguments);
        std::string* name = nullptr;
        std::size_t named = 2;
        bool memory = false;
        if (words.size() >= 2 && words[0] == "C") {
            SimTrunkChannel63* channel = Select(words[1]);
            name = channel ? &channel->name : nullptr;
            memory = true;
        } else if (words.size() >= 2 && words[0] == "B") {
            SimBank45* bank = Bank(Letter(words[1]));
            name = bank ? &bank->name : nullptr;
        } else if (words.size() >= 2 && words[0] == "S") {
            SimRange45* range = Range(Letter(words[1]));
            name = range ? &range->name : nullptr;
        } else if (words.size() >= 3 && (words[0] == "I" || words[0] == "L")) {
            SimBank45* bank = Bank(Letter(words[1]));
            named = 3;
            if (bank && words[0] == "I") {
                SimTrunkId63* id = Id(*bank, words[2]);
                name = id ? &id->tag : nullptr;
            } else if (const auto entry = static_cast<std::size_t>(Letter(words[2]) - 'A');
                       bank && entry < bank->listTags.size()) {
                name = &bank->listTags[entry];
            }
        }
        if (!name) {
            return std::nullopt;
        }
        // The name follows the words that say whose it is, and a blank.
        const std::size_t nameAt =
            static_cast<std::size_t>(words[named - 1].data() - arguments.data()) +
            words[named - 1].size() + 1;
        if (nameAt <= arguments.size()) {
            *name = TrunkName(arguments.substr(nameAt));
            return Accepted();
        }
        const bool unnamed = name->find_first_not_of(' ') == std::string::npos;
        return "TA" + std::string(arguments) + " " +
               (memory && unnamed ? std::string(kUnnamed) : TrunkName(*name));
    });
    // "TG A A1 012345" gives the slot its ID, "TG A A1" asks for it.
    Define("TG", [this](std::string_view arguments) -> Reply {
        const auto words = Words(arguments);
        SimBank45* bank = words.size() >= 2 ? Bank(Letter(words[0])) : nullptr;
        SimTrunkId63* id = bank ? Id(*bank, words[1]) : nullptr;
        if (!id || words.size() > 3) {
            return std::nullopt;
        }
        if (words.size() == 3) {
            id->text = words[2];
            return Accepted();
        }
        return "TG" + std::string(arguments) + " " +
               (id->text.empty() ? std::string(kEmpty) : id->text);
    });
    // "BAN C 005" and "BAN I A A1" switch a memory or an ID; "BA C 005" asks, answered with the
    // switch at 9 and the trunk mark at 11, "BA I A A1" with the switch at 10.
    const auto bankAssign = [this](const std::vector<std::string_view>& words) -> bool* {
        if (words.size() == 2 && words[0] == "C") {
            SimTrunkChannel63* channel = Select(words[1]);
            return channel ? &channel->bankAssign : nullptr;
        }
        SimBank45* bank = words.size() == 3 && words[0] == "I" ? Bank(Letter(words[1])) : nullptr;
        SimTrunkId63* id = bank ? Id(*bank, words[2]) : nullptr;
        return id ? &id->bankAssign : nullptr;
    };
    for (const bool on : {true, false}) {
        Define(std::string("BA") + TrunkSwitchLetter(on),
               [bankAssign, on](std::string_view arguments) -> Reply {
                   bool* kept = bankAssign(Words(arguments));
                   if (!kept) {
                       return std::nullopt;
                   }
                   *kept = on;
                   return Accepted();
               });
    }
    Define("BA", [this, bankAssign](std::string_view arguments) -> Reply {
        const auto words = Words(arguments);
        const bool* kept = bankAssign(words);
        if (!kept) {
            return std::nullopt;
        }
        std::string reply = "BA" + std::string(arguments) + " " + TrunkSwitchLetter(*kept);
        if (words[0] == "C") {
            reply += Selected()->trunk ? " T" : " C";
        }
        return reply;
    });
}

void SimRadio45::DefineGlobalCommands() {
    Define("AC", [this](std::string_view arguments) -> Reply {
        if (!arguments.empty()) {
            return std::nullopt;
        }
        m_memory = SimMemory45();
        m_menu.Close();
        m_selected = 0;
        return Accepted();
    });
    for (std::size_t value = 0; value < kLtLetters.size(); ++value) {
        Define(std::string("LT") + kLtLetters[value], [this, value](std::string_view) -> Reply {
            m_memory.globalItems[kLtItem] = static_cast<unsigned>(value + 1);
            return Accepted();
        });
    }
    // "LL01500000 A" gives range A its lower limit, "LL A" asks for it; "LU" the upper.
    for (const bool lower : {true, false}) {
        const std::string word = lower ? "LL" : "LU";
        Define(word, [this, word, lower](std::string_view arguments) -> Reply {
            const auto words = Words(arguments);
            SimRange45* range = words.empty() ? nullptr : Range(Letter(words.back()));
            if (!range || words.size() > 2) {
                return std::nullopt;
            }
            std::uint32_t& limit = lower ? range->lower : range->upper;
            if (words.size() == 1) {
                char reply[24];
                std::snprintf(reply, sizeof reply, "%s%08u %c", word.c_str(), limit,
                              words.back()[0]);
                return reply;
            }
            const auto value = ParseNumber<std::uint32_t>(words[0]);
            if (!value) {
                return std::nullopt;
            }
            limit = *value;
            return Accepted();
        });
    }
    Define("LCD", [this](std::string_view arguments) -> Reply {
        const auto words = Words(arguments);
        if (words.size() != 1 ||
            (words[0] != "LINE1" && words[0] != "LINE2" && words[0] != "FRQ")) {
            return std::nullopt;
        }
        return m_menu.Line(words[0]);
    });
}

} // namespace hb::engine::sim
