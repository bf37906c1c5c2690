// The rig's scan list file: the default list made from the sample files, and the checks that a
// list suits the radio before a radio window opens on it.
#include "app/rig/Rig.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/sys/Files.h"

#include <filesystem>
#include <memory>
#include <span>

namespace {

using Kind = Object::Kind;

constexpr LPCSTR kScanListFileEntry = "ScanListFile";
constexpr LPCSTR kScanListExtension = ".sws";

// The HF radios' sample, the VHF one's, then the scanners' in the order their list takes them.
constexpr LPCSTR kSampleLists[] = {"HFSample.swg", "VHFSample.swg", "Police.swg",   "Fire.swg",
                                   "Medical.swg",  "GMRS.swg",      "Maritime.swg", "PDUHF.swr",
                                   "Aviation.swr", "Baggage.swr",   "Railroad.swr"};
const std::span<const LPCSTR> kHfSamples = std::span(kSampleLists).subspan(0, 1);
const std::span<const LPCSTR> kVhfSamples = std::span(kSampleLists).subspan(1, 1);
const std::span<const LPCSTR> kScannerSamples = std::span(kSampleLists).subspan(2);

bool FileExists(const CString& path) {
    return GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES;
}

LPCSTR ReportLabel(Kind kind) {
    switch (kind) {
    case Kind::Group:
        return "\tGroup:\t\t";
    case Kind::StandaloneChannel:
        return "\tChannel:\t";
    case Kind::SearchRange:
        return "\tRange:\t\t";
    default:
        return "";
    }
}

} // namespace

std::span<const LPCSTR> CRig::SampleLists() {
    return kSampleLists;
}

int CRig::CreateDefaultScanList(CString* report) {
    CScanApp& app = App();
    std::span<const LPCSTR> samples = kScannerSamples;
    if (m_radio->features() & Radio::kFeatureHf) {
        samples = kHfSamples;
    } else if (m_view_type == 1) {
        samples = kVhfSamples;
    }
    if (report) {
        report->Empty();
    }

    Roster list;
    std::size_t next = 0;
    for (const auto& entry : list.entries()) {
        if (next == samples.size()) {
            break;
        }
        if (entry->tag != static_cast<std::uint32_t>(Kind::ScanListEntry)) {
            continue;
        }
        const CString sample = samples[next++];
        CString samplePath = sample;
        app.MakeDocPath(samplePath);
        if (!FileExists(samplePath)) {
            continue;
        }
        entry->active = RosterEntry::kOn;
        entry->setFileName(samplePath.str());
        list.Load(0);
        Object* const object = entry->object();
        if (!object) {
            continue;
        }
        if (object->kind() == Kind::Group) {
            auto& group = static_cast<Group&>(*object);
            group.setRadioType(static_cast<std::uint8_t>(m_radio->RadioTypeCode()));
            m_radio->ConformGroup(group);
            m_radio->ConformGroupChannels(group);
        } else if (object->kind() == Kind::SearchRange) {
            m_radio->ConformRange(static_cast<Range&>(*object));
        }
        // The copy for this radio goes beside the sample, under the radio's name.
        const CString copy = m_section + "_" + sample;
        CString copyPath = copy;
        app.MakeDocPath(copyPath);
        entry->setFileName(copyPath.str());
        object->setFileName(copyPath.str());
        if (report) {
            *report += ReportLabel(object->kind());
            *report += copy + "\n";
        }
    }
    list.Unload();

    const CString listName = m_section + kScanListExtension;
    CString listPath = listName;
    app.MakeDocPath(listPath);
    File(listPath.str(), &list).save();
    if (report) {
        *report += "\tScan list:\t" + listName + "\n";
    }
    app.WriteProfileStringA(m_section, kScanListFileEntry, listPath);
    return 0;
}

int CRig::LoadScanList(unsigned command, CString* path) {
    if (path->IsEmpty()) {
        if (command != kCommandScanListFiles) {
            return 1;
        }
        *path = App().GetProfileStringA(m_section, kScanListFileEntry, m_name + kScanListExtension);
    }
    App().MakeDocPath(*path);
    return OpenScanListFile(command, path) == 0 ? 0 : 1;
}

unsigned CRig::OpenScanListFile(unsigned, CString* path) {
    if (!FileExists(*path)) {
        return kScanListMissing;
    }
    File file(path->str());
    // The check only reads: nothing it loads is written back, whatever the outcome.
    file.abandon();
    Object* const root = file.root();
    if (!root) {
        std::error_code error;
        return std::filesystem::file_size(file.path(), error) == 0 ? kScanListNoObject
                                                                   : kScanListUnreadable;
    }
    if (root->kind() != Kind::ScanList) {
        return kScanListNotScanList;
    }
    auto& list = static_cast<Roster&>(*root);
    list.Load(0);

    if (!m_trunk) {
        return list.IsEmpty() ? kScanListEmpty : 0;
    }
    const auto& entries = list.entries();
    const RosterEntry* first = entries.empty() ? nullptr : entries.front().get();
    if (!first || !first->isActive() || !first->object() ||
        first->object()->ObjectTypeTag() != first->tag) {
        return kScanListFirstEntryUnusable;
    }
    if (first->IsEmpty()) {
        return kScanListFirstEntryEmpty;
    }
    const Object& object = *first->object();
    const bool systems = (m_radio->caps1() & Radio::kTrunkSystemList) != 0;
    if (object.kind() != (systems ? Kind::TrunkSystem : Kind::Group)) {
        return systems ? kScanListNotTrunkSystem : kScanListNotGroup;
    }
    if (!m_radio->AcceptsRadioType(static_cast<const Group&>(object).radioType())) {
        return systems ? kScanListTrunkSystemType : kScanListGroupType;
    }
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (entries[i]->isActive()) {
            return kScanListSeveralEntries;
        }
    }
    return 0;
}
