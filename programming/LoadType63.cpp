// The trunk-tracking scanners of types 63 to 92, what both directions share: the model the radio
// reports, the commands that open and close a transfer, the menu excursions and the reading of the
// radio's display.
#include "platform/engine/EngineApi.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Scheduler.h"
#include "programming/FamilyMembers.h"
#include "programming/Loader.h"
#include "programming/RadioSettingsRecord.h"
#include "programming/TransferCursor.h"
#include "programming/TrunkCommandCodec63.h"

#include <algorithm>
#include <array>

namespace {

using hb::records::DeviceStatus;
using hb::records::Parm;

constexpr std::uint32_t kMessageNotSupported = 10;
constexpr LPCSTR kSettingsSection = "Settings";
constexpr LPCSTR kDefaultTypeEntry = "DefaultRadioType";
constexpr int kDefaultType = 63;

constexpr std::array<LPCSTR, 8> kOpeningCommands{"KEY01\r", "KEY07\r", "MA001\r", "DMF\r",
                                                 "IDF\r",   "QUF\r",   "CDF\r",   "MUN\r"};
constexpr LPCSTR kClosingToRadio = "IDN\rQUN\rCDN\rMUA\rKEY01\r";
constexpr LPCSTR kClosingFromRadio = "KEY01\rIDN\rQUN\rCDN\rMUA\r";

// The display search presses the key, looks at lines 4, 2 and 3, and pauses from its 27th pass;
// its 52nd pass reports that the text never showed.
constexpr LPCSTR kStepKey = "KEY07\r";
constexpr std::array<std::size_t, 3> kSearchedLines{4, 2, 3};
constexpr int kFirstPausedPass = 27;
constexpr int kLastPass = 52;
constexpr DWORD kSearchPauseMs = 50;
constexpr std::size_t kDisplayLines = 4;

enum Ref63 : int {
    kRefOpening = 6301,
    kRefClosing = 6302,
};

bool Highlighted(const std::string& line) {
    return line.size() > DeviceStatus::kHighlightColumn &&
           line[DeviceStatus::kHighlightColumn] == '*';
}

std::string LineCommand(std::size_t line) {
    return "LCD" + std::to_string(line) + "\r";
}

} // namespace

void CLoader::UploadType63(TransferCursor& cursor) {
    UploadType63(m_root, &m_progress);
    cursor.radio = m_radio.get();
}

void CLoader::DownloadType63(TransferCursor& cursor) {
    DownloadType63(m_root, &m_progress);
    cursor.radio = m_radio.get();
}

bool CLoader::TakeTrunkModel63(Object* root) {
    m_trunk_model =
        TrunkCommandCodec::FindTrunkModel63(m_device_status.get(DeviceStatus::kTrunkModel));
    if (!m_trunk_model) {
        m_spare_text.clear();
        scan_message(m_owner ? m_owner->m_hWnd : HWND{}, kMessageNotSupported);
        return false;
    }
    m_model_variant = m_device_status.get(DeviceStatus::kModelVariant);
    m_spare_text = m_trunk_model->exitKey;
    const std::uint8_t type = m_trunk_model->Type(m_model_variant);
    if (auto* group = dynamic_cast<Group*>(root)) {
        group->setRadioType(type);
    }
    // The memories are those of the model the radio is, not those of the group's former type.
    if (!m_radio || m_radio->RadioTypeCode() != type) {
        if (auto detected = Radio::CreateRadio(type)) {
            m_radio = std::move(detected);
        }
    }
    CScanApp* app = CScanApp::GetScanApp();
    if (app && app->GetProfileIntA(kSettingsSection, kDefaultTypeEntry, kDefaultType) != type) {
        app->WriteProfileInt(kSettingsSection, kDefaultTypeEntry, type);
    }
    return true;
}

void CLoader::SendOpeningCommands63(CLoadProgressDlg* dialog) {
    for (const LPCSTR command : kOpeningCommands) {
        SendCommandsChecked(kRefOpening, command, dialog);
    }
}

int CLoader::SendClosingCommands63(bool reading, CLoadProgressDlg* dialog) {
    return SendCommandList(kRefClosing, reading ? kClosingFromRadio : kClosingToRadio, dialog);
}

int CLoader::WaitForDisplayText(LPCSTR text, int ref, CLoadProgressDlg* dialog) {
    const std::string_view wanted = text ? text : "";
    if (DialogStopped(dialog)) {
        return 1;
    }
    for (int pass = 1;; ++pass) {
        if (SendCommandsChecked(ref, kStepKey, dialog) == 0) {
            if (pass >= kFirstPausedPass) {
                Sleep(kSearchPauseMs);
            }
            if (pass >= kLastPass) {
                ReportTransferError(kSourcePath, ref);
                return 1;
            }
            // The first highlighted line of those looked at decides.
            for (const std::size_t line : kSearchedLines) {
                if (SendCommandsChecked(ref, LineCommand(line), dialog) != 0) {
                    break;
                }
                const std::string shown = DisplayLine(line);
                if (Highlighted(shown)) {
                    if (shown.starts_with(wanted)) {
                        return 0;
                    }
                    break;
                }
            }
        }
        if (DialogStopped(dialog)) {
            return 1;
        }
    }
}

int CLoader::ReadDisplay(LPCSTR keys, int ref, CLoadProgressDlg* dialog) {
    if (keys && *keys && SendCommandsChecked(ref, keys, dialog) != 0) {
        return -1;
    }
    if (DialogStopped(dialog)) {
        return -1;
    }
    for (std::size_t line = 1; line <= kDisplayLines; ++line) {
        if (SendCommandsChecked(ref, LineCommand(line), dialog) != 0) {
            return -1;
        }
    }
    for (std::size_t line = 1; line <= kDisplayLines; ++line) {
        if (Highlighted(DisplayLine(line))) {
            return static_cast<int>((line - 1) * DeviceStatus::kDisplayLines.kWidth);
        }
    }
    return kNoHighlight;
}

int CLoader::OpenMenu63(const std::string& keys, LPCSTR searchText, int ref,
                        CLoadProgressDlg* dialog) {
    if (SendCommandsChecked(ref, keys, dialog) != 0) {
        return 1;
    }
    return searchText ? WaitForDisplayText(searchText, ref, dialog) : 0;
}

int CLoader::OpenTrunkOption63(const Bank& bank, LPCSTR searchText, int ref,
                               CLoadProgressDlg* dialog) {
    namespace codec = TrunkCommandCodec;
    if (m_trunk_model->trunkOptionsBySearch) {
        return OpenMenu63(codec::BankMenuKeys(bank.number), searchText, ref, dialog);
    }
    return OpenMenu63(codec::BankMenuKeys(bank.number, codec::kBankItemTrunkOptions), nullptr, ref,
                      dialog);
}

int CLoader::SendAndLeave63(const std::string& keys, int ref, CLoadProgressDlg* dialog) {
    return SendCommandsChecked(ref, keys + m_spare_text + "\r", dialog);
}

std::optional<char> CLoader::ReadPositionAndLeave63(LPCSTR readKeys, int ref,
                                                    CLoadProgressDlg* dialog) {
    const int offset = ReadDisplay(readKeys, ref, dialog);
    if (offset < 0 || offset >= kNoHighlight) {
        return std::nullopt;
    }
    const std::string line =
        DisplayLine(static_cast<std::size_t>(offset) / DeviceStatus::kDisplayLines.kWidth + 1);
    if (SendAndLeave63("", ref, dialog) != 0) {
        return std::nullopt;
    }
    return line.empty() ? '\0' : line.front();
}

int CLoader::WalkBanks63(Group& group, const std::function<int(Bank&)>& step) {
    const auto& organisation = m_radio->organisation();
    // The settings record keeps ten banks; the family's radios have no more.
    const std::size_t count =
        std::min<std::size_t>(organisation.banks, RadioSettingsRecord::kBanks);
    for (std::size_t n = 0; n < group.banks().size() && n < count; ++n) {
        Bank& bank = *group.banks()[n];
        bank.number = static_cast<std::uint16_t>(organisation.firstBank + n);
        if (m_bank_dialog.BankChosen(n) && step(bank) != 0) {
            return 1;
        }
    }
    return 0;
}

int CLoader::WalkSearchRanges63(Group& group, const std::function<int(Chan&)>& step) {
    const auto& organisation = m_radio->organisation();
    std::size_t m = 0;
    for (const auto& extra : group.extras()) {
        if (m >= organisation.ranges) {
            break;
        }
        if (extra->kind() != Object::Kind::SearchRange &&
            extra->kind() != Object::Kind::StandaloneChannel) {
            continue;
        }
        SetMemoryNumber(*extra, static_cast<std::uint16_t>(organisation.firstBank + m++));
        if (step(*extra) != 0) {
            return 1;
        }
    }
    return 0;
}

int CLoader::WalkChannels63(Bank& bank, const std::function<int(Chan&)>& step) {
    const auto& organisation = m_radio->organisation();
    const unsigned first = FirstMemoryOfBank(*m_radio, bank.number);
    for (std::size_t n = 0; n < bank.members().size() && n < organisation.channelsPerBank; ++n) {
        Chan& channel = *bank.members()[n];
        SetMemoryNumber(channel, static_cast<std::uint16_t>(first + n));
        if (step(channel) != 0) {
            return 1;
        }
    }
    return 0;
}

int CLoader::WalkUserIds63(const Bank& bank,
                           const std::function<int(UserIdEntry&, unsigned)>& step) {
    const auto& organisation = m_radio->organisation();
    for (std::size_t i = 0; i < bank.userIds().size() && i < organisation.idsPerBank; ++i) {
        if (step(*bank.userIds()[i], static_cast<unsigned>(i)) != 0) {
            return 1;
        }
    }
    return 0;
}

std::string CLoader::DisplayLine(std::size_t line) const {
    return m_device_status.text(DeviceStatus::kDisplayLines, line - 1);
}

Parm CLoader::ReplyRecord() const {
    return m_device_status.get(DeviceStatus::kCurrentParm);
}

std::string CLoader::ReplyName() const {
    std::string name = ReplyRecord().text(Parm::kName);
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

bool CLoader::StorableFrequency(std::uint32_t hz) const {
    return hz == 0 || m_radio->CheckCoverage(hz) == 0;
}
