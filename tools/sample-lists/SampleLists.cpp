// Writes the sample group and scan list of each radio the sample description lists, and the
// sample groups and search ranges a new radio's default scan list is made from, in the
// scanning-file format, for the build to place beside the program:
//
//   hb_sample_lists <sample settings> <description> <folder>
//
// The sample settings give each radio's type; the description (samples/scan-lists.ini) gives the
// channels and ranges. Any fault in either stops the run with the reason and a failure status, so
// that the build never ships a half-made sample.
#include "platform/records/ModeNames.h"
#include "platform/records/TextWidths.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"
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

// The `count` comma-separated fields of `text`, trimmed; the last one takes the rest.
std::vector<std::string> Fields(const std::string& text, std::size_t count, const char* format) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (; fields.size() + 1 < count; ++start) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string::npos) {
            throw std::runtime_error("\"" + text + "\" is not \"" + format + "\"");
        }
        fields.push_back(Trim(text.substr(start, comma - start)));
        start = comma;
    }
    fields.push_back(Trim(text.substr(start)));
    return fields;
}

std::uint32_t HzOf(const std::string& text) {
    std::uint32_t hz = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), hz);
    if (error != std::errc{} || end != text.data() + text.size() || hz == 0) {
        throw std::runtime_error("\"" + text + "\" is no frequency in Hz");
    }
    return hz;
}

std::uint32_t FrequencyOf(const std::string& text, const Radio& radio) {
    const std::uint32_t hz = HzOf(text);
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

const std::string& NameOf(const std::string& name) {
    if (name.empty() || name.size() > hb::records::kParmNameWidth) {
        throw std::runtime_error("the name \"" + name + "\" is empty or longer than " +
                                 std::to_string(hb::records::kParmNameWidth) + " characters");
    }
    return name;
}

// A record of the radio's defaults in `mode`; the check gives the mode its own filter and
// bandwidth, as none is set.
Parm ModeRecord(const Chan& channel, const Radio& radio, const std::string& mode) {
    Parm record = channel.record();
    record.set(Parm::kMode, ModeOf(mode, radio));
    record.set(Parm::kFilter, static_cast<std::uint8_t>(radio.filterCount()));
    record.set(Parm::kBandwidth, 0);
    return record;
}

// "frequency, mode, name"; a trunk kind other than 0 makes the channel a trunked one.
void AddChannel(Bank& bank, const Radio& radio, const std::string& text, std::uint8_t trunkKind) {
    const std::vector<std::string> fields = Fields(text, 3, "frequency, mode, name");
    const std::string& name = NameOf(fields[2]);
    Chan& channel = bank.addMember(std::make_unique<Chan>());
    channel.reset(&radio);
    Parm record = ModeRecord(channel, radio, fields[1]);
    record.set(Parm::kFrequency, FrequencyOf(fields[0], radio));
    radio.CheckRecord(record);
    if (trunkKind != 0) {
        record.set(Parm::Channel::kTrunkWord, Parm::Channel::kTrunkFrequency);
        record.set(Parm::Channel::kTrunkKind, trunkKind);
    }
    record.setText(Parm::kName, name);
    channel.SetParm(record);
    // The panels show the object's own name beside the record's.
    channel.setName(name);
}

// "value, tag": a talkgroup of the bank's ID list.
void AddTalkgroup(Bank& bank, const std::string& text, std::uint8_t kind) {
    const std::vector<std::string> fields = Fields(text, 2, "value, tag");
    const std::string& tag = NameOf(fields[1]);
    UserIdEntry& entry = bank.addUserId(std::make_unique<UserIdEntry>());
    entry.id().set(hb::records::UserId::kValue, HzOf(fields[0]));
    entry.id().set(hb::records::UserId::kKind, kind);
    entry.setTag(tag);
    entry.setName(tag);
}

// "lower, upper, step, mode, name"; the radio must search it as written.
std::unique_ptr<Range> MakeRange(const Radio& radio, const std::string& text) {
    const std::vector<std::string> fields = Fields(text, 5, "lower, upper, step, mode, name");
    const std::string& name = NameOf(fields[4]);
    const std::uint32_t lower = FrequencyOf(fields[0], radio);
    const std::uint32_t upper = FrequencyOf(fields[1], radio);
    const std::uint32_t step = HzOf(fields[2]);
    if (lower >= upper) {
        throw std::runtime_error("the lower limit is not below the upper one");
    }
    auto range = std::make_unique<Range>();
    range->reset(&radio);
    Parm record = ModeRecord(*range, radio, fields[3]);
    record.set(Parm::kFrequency, lower);
    record.set(Parm::kStart, lower);
    record.set(Parm::kEnd, upper);
    record.set(Parm::kStep, step);
    radio.CheckRecord(record);
    record.setText(Parm::kName, name);
    range->SetParm(record);
    radio.ConformRange(*range);
    if (range->lower() != lower || range->upper() != upper || range->step() != step) {
        throw std::runtime_error("the radio does not search \"" + text + "\" as written");
    }
    return range;
}

std::unique_ptr<Group> MakeGroup(const Radio& radio, const std::string& description,
                                 const std::string& section) {
    auto group = std::make_unique<Group>();
    group->setName(Read(description, section.c_str(), "Group"));
    if (group->name().empty()) {
        throw std::runtime_error("the group has no name");
    }
    auto bank = std::make_unique<Bank>();
    bank->number = radio.organisation().firstBank;
    bank->setName(Read(description, section.c_str(), "Bank"));
    const std::string trunk = Read(description, section.c_str(), "Trunk");
    const auto trunkKind = static_cast<std::uint8_t>(trunk.empty() ? 0 : HzOf(trunk));
    for (unsigned number = 1;; ++number) {
        const std::string key = "ID#" + std::to_string(number);
        const std::string text = Read(description, section.c_str(), key.c_str());
        if (text.empty() || trunkKind == 0) {
            break;
        }
        try {
            AddTalkgroup(*bank, text, trunkKind);
        } catch (const std::runtime_error& error) {
            throw std::runtime_error(key + ": " + error.what());
        }
    }
    for (unsigned number = 1;; ++number) {
        const std::string key = "Channel#" + std::to_string(number);
        const std::string text = Read(description, section.c_str(), key.c_str());
        if (text.empty()) {
            break;
        }
        try {
            AddChannel(*bank, radio, text, trunkKind);
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

std::unique_ptr<Radio> RadioNamed(const std::string& settings, const std::string& radioName) {
    const int type = GetPrivateProfileInt(radioName.c_str(), "Type", -1, settings.c_str());
    std::unique_ptr<Radio> radio =
        type >= 0 && type <= 0xFF ? Radio::CreateRadio(static_cast<BYTE>(type)) : nullptr;
    if (!radio) {
        throw std::runtime_error("the sample settings give \"" + radioName +
                                 "\" no known radio type");
    }
    return radio;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A sample group (".swg") or search range (".swr") file, checked against the sample radio its
// "Radio" names.
void WriteSampleFile(const std::string& settings, const std::string& description,
                     const std::string& folder, const std::string& fileName) {
    const std::unique_ptr<Radio> radio =
        RadioNamed(settings, Read(description, fileName.c_str(), "Radio"));
    if (EndsWith(fileName, ".swg")) {
        Save(folder + "/" + fileName, *MakeGroup(*radio, description, fileName));
        return;
    }
    const std::string range = Read(description, fileName.c_str(), "Range");
    if (range.empty()) {
        throw std::runtime_error("no Range is given");
    }
    Save(folder + "/" + fileName, *MakeRange(*radio, range));
}

void WriteRadio(const std::string& settings, const std::string& description,
                const std::string& folder, const std::string& radioName) {
    const std::unique_ptr<Radio> radio = RadioNamed(settings, radioName);
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
    const std::vector<std::string> sections = SectionNames(description);
    if (sections.empty()) {
        std::cerr << "hb_sample_lists: " << description << " describes no radio\n";
        return 1;
    }
    for (const std::string& section : sections) {
        try {
            if (EndsWith(section, ".swg") || EndsWith(section, ".swr")) {
                WriteSampleFile(settings, description, folder, section);
            } else {
                WriteRadio(settings, description, folder, section);
            }
        } catch (const std::runtime_error& error) {
            std::cerr << "hb_sample_lists: " << description << ", \"" << section
                      << "\": " << error.what() << "\n";
            return 1;
        }
    }
    return 0;
}
