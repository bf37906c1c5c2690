#include "platform/tessary/grid/GroupGrid.h"

#include "platform/records/ModeNames.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/TimeFunctions.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <string>

IMPLEMENT_DYNAMIC(CGroupGrid, CGrid)

namespace {

using hb::records::Parm;
using Kind = Object::Kind;

struct Heading {
    const char* text;
    int width;
    UINT alignment;
};

constexpr Heading kBankHeadings[] = {
    {"Bank", 50, DT_CENTER}, {"Name", 200, DT_LEFT}, {"Channels", 80, DT_RIGHT}};
constexpr Heading kChannelHeadings[] = {
    {"Bank", 45, DT_CENTER},   {"Ch", 40, DT_RIGHT},   {"Frequency", 95, DT_RIGHT},
    {"Mode", 65, DT_LEFT},     {"Step", 60, DT_RIGHT}, {"Tone", 55, DT_RIGHT},
    {"Delay", 50, DT_RIGHT},   {"Att", 35, DT_CENTER}, {"L/O", 35, DT_CENTER},
    {"Name", 140, DT_LEFT},    {"Hits", 50, DT_RIGHT}, {"Air Time", 70, DT_RIGHT},
    {"Last Hit", 125, DT_LEFT}};
static_assert(std::size(kChannelHeadings) == CGroupGrid::kChannelColumns);

std::string Trimmed(std::string text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string FrequencyText(std::uint32_t hz) {
    return hz == 0 ? "" : Trimmed(format_freq(hz));
}

std::string StepText(std::uint32_t hz) {
    char text[32];
    std::snprintf(text, sizeof text, "%u.%03u", hz / 1000, hz % 1000);
    return hz == 0 ? "" : text;
}

std::string AirTimeText(std::uint64_t ms) {
    const std::uint64_t seconds = ms / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%llu:%02llu:%02llu",
                  static_cast<unsigned long long>(seconds / 3600),
                  static_cast<unsigned long long>(seconds / 60 % 60),
                  static_cast<unsigned long long>(seconds % 60));
    return text;
}

std::string LastHitText(std::int64_t seconds) {
    std::tm local{};
    if (seconds == 0 || !SafeLocalTime(seconds, &local)) {
        return "";
    }
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

void SetHeadings(CUGCtrl& grid, std::span<const Heading> headings) {
    grid.SetNumberCols(static_cast<int>(headings.size()));
    for (std::size_t col = 0; col < headings.size(); ++col) {
        CUGCell cell;
        cell.SetText(headings[col].text);
        cell.SetAlignment(DT_CENTER);
        grid.SetCell(static_cast<int>(col), -1, &cell);
        grid.SetColWidth(static_cast<int>(col), headings[col].width);
    }
}

} // namespace

Group* CGroupGrid::GetGroup() const {
    auto* doc = dynamic_cast<CGroupDoc*>(m_doc);
    return doc ? doc->GetGroup() : nullptr;
}

Chan* CGroupGrid::ChannelAt(long row) const {
    return row >= 0 && row < static_cast<long>(m_channels.size())
               ? m_channels[static_cast<std::size_t>(row)]
               : nullptr;
}

Object* CGroupGrid::RowObject(long row) const {
    switch (GetSheetNumber()) {
    case kBanksSheet:
        return BankAt(row);
    case kChannelsSheet:
        return ChannelAt(row);
    default:
        return nullptr;
    }
}

Bank* CGroupGrid::BankAt(long row) const {
    return row >= 0 && row < static_cast<long>(m_banks.size())
               ? m_banks[static_cast<std::size_t>(row)]
               : nullptr;
}

void CGroupGrid::SetupGrid() {
    m_banks.clear();
    m_channels.clear();
    m_channelBanks.clear();
    m_channelNumbers.clear();
    if (Group* group = GetGroup()) {
        for (const auto& bank : group->banks()) {
            m_banks.push_back(bank.get());
            int number = 0;
            for (const auto& member : bank->members()) {
                if (member->kind() == Kind::Channel) {
                    m_channels.push_back(member.get());
                    m_channelBanks.push_back(bank.get());
                    m_channelNumbers.push_back(++number);
                }
            }
        }
    }
    const int shown = GetSheetNumber();
    SetNumberSheets(2);
    SetTabName(kBanksSheet, "Banks");
    SetTabName(kChannelsSheet, "Channels");

    SetSheetNumber(kBanksSheet);
    SetHeadings(*this, kBankHeadings);
    SetNumberRows(static_cast<long>(m_banks.size()));
    for (long row = 0; row < GetNumberRows(); ++row) {
        FillBankRow(row);
    }
    SetSheetNumber(kChannelsSheet);
    SetHeadings(*this, kChannelHeadings);
    SetNumberRows(static_cast<long>(m_channels.size()));
    for (long row = 0; row < GetNumberRows(); ++row) {
        FillChannelRow(row);
    }
    // A group opens on its channels; a rebuilt grid stays on its sheet.
    SetSheetNumber(m_setUp || m_channels.empty() ? shown : kChannelsSheet);
    m_setUp = true;
    RedrawAll();
}

void CGroupGrid::FillBankRow(long row) {
    const Bank& bank = *m_banks[static_cast<std::size_t>(row)];
    const char letter = m_radio ? m_radio->bankLetter(static_cast<std::size_t>(row)) : 0;
    const std::string number = letter ? std::string(1, letter) : std::to_string(bank.number);
    std::size_t channels = 0;
    for (const auto& member : bank.members()) {
        channels += member->kind() == Kind::Channel ? 1 : 0;
    }
    const std::string texts[kBankColumns] = {number, bank.name(), std::to_string(channels)};
    for (int col = 0; col < kBankColumns; ++col) {
        CUGCell cell;
        cell.SetText(texts[col].c_str());
        cell.SetAlignment(kBankHeadings[col].alignment);
        cell.SetTextColor(TextColorOf(bank));
        cell.SetReadOnly(col != kBankNameColumn);
        SetCell(col, row, &cell);
    }
}

void CGroupGrid::FillChannelRow(long row) {
    const auto index = static_cast<std::size_t>(row);
    const Chan& channel = *m_channels[index];
    const Parm& record = channel.record();
    const std::size_t bankIndex = static_cast<std::size_t>(
        std::find(m_banks.begin(), m_banks.end(), m_channelBanks[index]) - m_banks.begin());
    const char letter = m_radio ? m_radio->bankLetter(bankIndex) : 0;
    const std::uint32_t tone = record.get(Parm::Channel::kTone) & Parm::Channel::kToneMask;
    const std::string texts[kChannelColumns] = {
        letter ? std::string(1, letter) : std::to_string(m_channelBanks[index]->number),
        std::to_string(m_channelNumbers[index]),
        FrequencyText(channel.frequency()),
        std::string(hb::records::ModeName(record.get(Parm::kMode))),
        StepText(record.get(Parm::kStep)),
        tone ? std::to_string(tone) : "",
        std::to_string(record.get(Parm::Channel::kDelay)),
        record.get(Parm::Channel::kAttenuator) ? "1" : "0",
        channel.lockOut() != 0 ? "1" : "0",
        Trimmed(record.text(Parm::kName)),
        std::to_string(channel.statistics().hitCount),
        AirTimeText(channel.statistics().airTime),
        LastHitText(channel.statistics().lastHit)};
    std::string modes;
    for (std::uint8_t mode = 0; mode < hb::records::kModeNames.size(); ++mode) {
        if (!m_radio || m_radio->SupportsMode(mode)) {
            modes += std::string(hb::records::ModeName(mode)) + "\n";
        }
    }
    for (int col = 0; col < kChannelColumns; ++col) {
        CUGCell cell;
        cell.SetText(texts[col].c_str());
        cell.SetAlignment(kChannelHeadings[col].alignment);
        cell.SetTextColor(TextColorOf(channel));
        switch (col) {
        case kModeColumn:
            cell.SetCellType(UGCT_DROPLIST);
            cell.SetLabelText(modes.c_str());
            break;
        case kAttColumn:
        case kLockOutColumn:
            cell.SetCellType(UGCT_CHECKBOX);
            break;
        case kBankColumn:
        case kChannelColumn:
        case kToneColumn:
        case kHitsColumn:
        case kAirTimeColumn:
        case kLastHitColumn:
            cell.SetReadOnly(TRUE);
            break;
        default:
            break;
        }
        SetCell(col, row, &cell);
    }
}

void CGroupGrid::Changed(Object& object) {
    object.markChanged();
    if (m_doc) {
        m_doc->SetModifiedFlag(TRUE);
    }
}

bool CGroupGrid::StoreChannelText(Chan& channel, int col, const CString& typed) {
    Parm record = channel.record();
    const std::string text = Trimmed(typed.str());
    switch (col) {
    case kFrequencyColumn: {
        std::uint32_t hz = 0;
        if (!text.empty() && (convert_frequency(text.c_str(), &hz, 'M') != kFrequencyConverted ||
                              (m_radio && m_radio->CheckCoverage(hz) != 0))) {
            return false;
        }
        record.set(Parm::kFrequency, hz);
        break;
    }
    case kModeColumn: {
        const std::string wanted = Upper(text);
        bool found = false;
        for (std::uint8_t mode = 0; mode < hb::records::kModeNames.size() && !found; ++mode) {
            if (!hb::records::ModeName(mode).empty() &&
                Upper(std::string(hb::records::ModeName(mode))) == wanted &&
                (!m_radio || m_radio->SupportsMode(mode))) {
                record.set(Parm::kMode, mode);
                found = true;
            }
        }
        if (!found) {
            return false;
        }
        break;
    }
    case kStepColumn: {
        std::uint32_t hz = 0;
        if (convert_frequency(text.c_str(), &hz, 'K') != kFrequencyConverted || hz == 0) {
            return false;
        }
        record.set(Parm::kStep, hz);
        break;
    }
    case kDelayColumn: {
        int delay = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), delay);
        if (error != std::errc() || end != text.data() + text.size() || delay < -32768 ||
            delay > 32767) {
            return false;
        }
        record.set(Parm::Channel::kDelay, static_cast<std::int16_t>(delay));
        break;
    }
    case kAttColumn:
        record.set(Parm::Channel::kAttenuator, static_cast<std::uint8_t>(text == "1" ? 1 : 0));
        break;
    case kLockOutColumn:
        record.set(Parm::Channel::kLockOut, static_cast<std::uint8_t>(text == "1" ? 0xFF : 0));
        break;
    case kNameColumn:
        record.setText(Parm::kName, text.substr(0, hb::records::kParmNameWidth));
        break;
    default:
        return false;
    }
    if (m_radio && record.get(Parm::kFrequency) != 0) {
        m_radio->CheckRecord(record);
    }
    channel.SetParm(record);
    Changed(channel);
    return true;
}

int CGroupGrid::FinishTextEdit(int col, long row, CWnd*, LPCSTR text, BOOL cancel) {
    if (cancel) {
        return 1;
    }
    CUGCell cell;
    if (!GetCell(col, row, &cell) || cell.GetReadOnly()) {
        return 0;
    }
    if (GetSheetNumber() == kBanksSheet) {
        Bank* bank = BankAt(row);
        if (!bank) {
            return 0;
        }
        bank->setName(Trimmed(text ? text : ""));
        Changed(*bank);
        FillBankRow(row);
    } else {
        Chan* channel = ChannelAt(row);
        if (!channel || !StoreChannelText(*channel, col, text ? text : "")) {
            return 0;
        }
        FillChannelRow(row);
    }
    RedrawRow(row);
    return 1;
}
