// Writes the sample group and scan list of each radio the sample description lists, in the
// scanning-file format, for the build to place beside the program:
//
//   hb_sample_lists <sample settings> <description> <folder>
//
// The sample settings give each radio's type; the description (samples/scan-lists.ini) gives its
// channels. Any fault in either stops the run with the reason and a failure status, so that the
// build never ships a half-made sample.
#include "platform/records/ModeNames.h"
#include "platform/records/TextWidths.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/store/PrivateProfile.h"

#include <charconv>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using hb::records::Parm;

constexpr DWORD kTextSize = 4096;

std::string Read(const std::string& path, const char* section, const char* key) {
    std::string text(kTextSize, '\0');
    text.resize(GetPrivateProfileString(section, key, "", text.data(), kTextSize, path.c_str()));
    return text;
}

std::vector<std::string> SectionNames(const std::string& path) {
    std::vector<std::string> names;
    const std::string list = Read(path, nullptr, nullptr);
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = list.find('\0', start);
        names.push_back(list.substr(start, end - start));
        start = end == std::string::npos ? list.size() : end + 1;
    }
    return names;
}

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::uint32_t FrequencyOf(const std::string& text, const Radio& radio) {
    std::uint32_t hz = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), hz);
    if (error != std::errc{} || end != text.data() + text.size() || hz == 0) {
        throw std::runtime_error("\"" + text + "\" is no frequency in Hz");
    }
    if (radio.CheckCoverage(hz) != 0) {
        throw std::runtime_error(text + " Hz is outside the radio's coverage");
    }
    return hz;
}

std::uint8_t ModeOf(const std::string& text, const Radio& radio) {
    for (std::size_t code = 0; code < hb::records::kModeNames.size(); ++code) {
        if (hb::records::kModeNames[code] == text) {
            if (!radio.SupportsMode(static_cast<std::uint8_t>(code))) {
                break;
            }
            return static_cast<std::uint8_t>(code);
        }
    }
    throw std::runtime_error("the radio has no mode \"" + text + "\"");
}

// "frequency, mode, name"
void AddChannel(Bank& bank, const Radio& radio, const std::string& text) {
    const std::size_t first = text.find(',');
    const std::size_t second = text.find(',', first == std::string::npos ? first : first + 1);
    if (second == std::string::npos) {
        throw std::runtime_error("\"" + text + "\" is not \"frequency, mode, name\"");
    }
    const std::string name = Trim(text.substr(second + 1));
    if (name.empty() || name.size() > hb::records::kParmNameWidth) {
        throw std::runtime_error("the name \"" + name + "\" is empty or longer than " +
                                 std::to_string(hb::records::kParmNameWidth) + " characters");
    }
    Chan& channel = bank.addMember(std::make_unique<Chan>());
    channel.reset(&radio);
    Parm record = channel.record();
    record.set(Parm::kFrequency, FrequencyOf(Trim(text.substr(0, first)), radio));
    record.set(Parm::kMode, ModeOf(Trim(text.substr(first + 1, second - first - 1)), radio));
    // A filter the radio does not have and no bandwidth: the check gives the mode its own.
    record.set(Parm::kFilter, static_cast<std::uint8_t>(radio.filterCount()));
    record.set(Parm::kBandwidth, 0);
    radio.CheckRecord(record);
    record.setText(Parm::kName, name);
    channel.SetParm(record);
}

std::unique_ptr<Group> MakeGroup(const Radio& radio, const std::string& description,
                                 const std::string& radioName) {
    auto group = std::make_unique<Group>();
    group->setName(Read(description, radioName.c_str(), "Group"));
    if (group->name().empty()) {
        throw std::runtime_error("the group has no name");
    }
    auto bank = std::make_unique<Bank>();
    bank->number = radio.organisation().firstBank;
    for (unsigned number = 1;; ++number) {
        const std::string key = "Channel#" + std::to_string(number);
        const std::string text = Read(description, radioName.c_str(), key.c_str());
        if (text.empty()) {
            break;
        }
        try {
            AddChannel(*bank, radio, text);
        } catch (const std::runtime_error& error) {
            throw std::runtime_error(key + ": " + error.what());
        }
    }
    if (bank->members().empty()) {
        throw std::runtime_error("the group has no channels");
    }
    if (bank->members().size() > radio.organisation().channelsPerBank) {
        throw std::runtime_error("a bank of the radio holds at most " +
                                 std::to_string(radio.organisation().channelsPerBank) +
                                 " channels");
    }
    group->addBank(std::move(bank));
    radio.ConformGroup(*group);
    radio.ConformGroupChannels(*group);
    return group;
}

void Save(const std::string& path, Object& object) {
    File file(path, &object);
    if (!file.save()) {
        throw std::runtime_error(file.error());
    }
}

void WriteRadio(const std::string& settings, const std::string& description,
                const std::string& folder, const std::string& radioName) {
    const int type = GetPrivateProfileInt(radioName.c_str(), "Type", -1, settings.c_str());
    const std::unique_ptr<Radio> radio =
        type >= 0 && type <= 0xFF ? Radio::CreateRadio(static_cast<BYTE>(type)) : nullptr;
    if (!radio) {
        throw std::runtime_error("the sample settings give it no known radio type");
    }
    const std::unique_ptr<Group> group = MakeGroup(*radio, description, radioName);
    const std::string groupName = radioName + ".swg";
    Save(folder + "/" + groupName, *group);

    // One entry, the group, by its bare name: it is found in the documents folder.
    Roster list;
    RosterEntry& entry = *list.entries().front();
    entry.active = RosterEntry::kOn;
    entry.tag = group->ObjectTypeTag();
    entry.setFileName(groupName);
    Save(folder + "/" + radioName + ".sws", list);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: hb_sample_lists <sample settings> <description> <folder>\n";
        return 2;
    }
    const std::string settings = std::filesystem::absolute(argv[1]).string();
    const std::string description = std::filesystem::absolute(argv[2]).string();
    const std::string folder = std::filesystem::absolute(argv[3]).string();
    const std::vector<std::string> radios = SectionNames(description);
    if (radios.empty()) {
        std::cerr << "hb_sample_lists: " << description << " describes no radio\n";
        return 1;
    }
    for (const std::string& radio : radios) {
        try {
            WriteRadio(settings, description, folder, radio);
        } catch (const std::runtime_error& error) {
            std::cerr << "hb_sample_lists: " << description << ", radio \"" << radio
                      << "\": " << error.what() << "\n";
            return 1;
        }
    }
    return 0;
}
