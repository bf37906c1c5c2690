#include "platform/tessary/grid/GroupGrid.h"

#include "platform/records/ModeNames.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/grid/GroupGridText.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"
#include "platform/tessary/model/Roster.h"
#include "platform/tessary/model/TimeFunctions.h"
#include "platform/tessary/model/UserIdEntry.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <string>

IMPLEMENT_DYNAMIC(CGroupGrid, CGrid)

namespace {

using hb::records::Parm;
using Kind = Object::Kind;
using hb::tessary::grid::FrequencyText;
using hb::tessary::grid::Heading;
using hb::tessary::grid::ModeChoices;
using hb::tessary::grid::ParseFrequency;
using hb::tessary::grid::ParseMode;
using hb::tessary::grid::ParseStep;
using hb::tessary::grid::SetHeadings;
using hb::tessary::grid::StepText;
using hb::tessary::grid::Trimmed;

constexpr Heading kBankHeadings[] = {
    {"Bank", 50, DT_CENTER}, {"Name", 200, DT_LEFT}, {"Channels", 80, DT_RIGHT}};
constexpr Heading kChannelHeadings[] = {
    {"Bank", 45, DT_CENTER},   {"Ch", 40, DT_RIGHT},   {"Frequency", 95, DT_RIGHT},
    {"Mode", 65, DT_LEFT},     {"Step", 60, DT_RIGHT}, {"Tone", 55, DT_RIGHT},
    {"Delay", 50, DT_RIGHT},   {"Att", 35, DT_CENTER}, {"L/O", 35, DT_CENTER},
    {"Name", 140, DT_LEFT},    {"Hits", 50, DT_RIGHT}, {"Air Time", 70, DT_RIGHT},
    {"Last Hit", 125, DT_LEFT}};
static_assert(std::size(kChannelHeadings) == CGroupGrid::kChannelColumns);
constexpr Heading kUserIdHeadings[] = {
    {"Bank", 45, DT_CENTER}, {"ID", 95, DT_RIGHT}, {"Name", 140, DT_LEFT}, {"L/O", 35, DT_CENTER}};
static_assert(std::size(kUserIdHeadings) == CGroupGrid::kIdColumns);
constexpr Heading kRangeHeadings[] = {{"No.", 40, DT_RIGHT},   {"Lower", 95, DT_RIGHT},
                                      {"Upper", 95, DT_RIGHT}, {"Step", 60, DT_RIGHT},
                                      {"Mode", 65, DT_LEFT},   {"Name", 140, DT_LEFT}};
static_assert(std::size(kRangeHeadings) == CGroupGrid::kRangeColumns);

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

} // namespace

Group* CGroupGrid::GetGroup() const {
    if (auto* doc = dynamic_cast<CGroupDoc*>(m_doc)) {
        return doc->GetGroup();
    }
    auto* list = dynamic_cast<CRosterDoc*>(m_doc);
    if (!list || list->GetRoster()->entries().empty()) {
        return nullptr;
    }
    return dynamic_cast<Group*>(list->GetRoster()->entries().front()->object());
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
    case kUserIdsSheet:
        return UserIdAt(row);
    default:
        return RangeAt(row);
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
    m_userIds.clear();
    m_userIdBanks.clear();
    m_ranges.clear();
    m_rangeBanks.clear();
    if (Group* group = GetGroup()) {
        for (const auto& bank : group->banks()) {
            m_banks.push_back(bank.get());
            int number = 0;
            for (const auto& member : bank->members()) {
                if (member->kind() == Kind::Channel) {
                    m_channels.push_back(member.get());
                    m_channelBanks.push_back(bank.get());
                    m_channelNumbers.push_back(++number);
                } else if (auto* range = dynamic_cast<Range*>(member.get())) {
                    m_ranges.push_back(range);
                    m_rangeBanks.push_back(bank.get());
                }
            }
            for (const auto& entry : bank->userIds()) {
                m_userIds.push_back(entry.get());
                m_userIdBanks.push_back(bank.get());
            }
        }
        for (const auto& extra : group->extras()) {
            if (auto* range = dynamic_cast<Range*>(extra.get())) {
                m_ranges.push_back(range);
                m_rangeBanks.push_back(nullptr);
            }
        }
    }
    const int shown = GetSheetNumber();
    SetupSheets();
    // A group opens on its channels; a rebuilt grid stays on its sheet.
    SetSheetNumber(m_setUp || m_channels.empty() ? std::min(shown, GetNumberSheets() - 1)
                                                 : kChannelsSheet);
    m_setUp = true;
    RedrawAll();
}

void CGroupGrid::SetupSheets() {
    struct SheetSpec {
        LPCSTR name;
        std::span<const Heading> headings;
        std::size_t rows;
        void (CGroupGrid::*fill)(long row);
    };
    const SheetSpec specs[] = {
        {"Banks", kBankHeadings, m_banks.size(), &CGroupGrid::FillBankRow},
        {"Channels", kChannelHeadings, m_channels.size(), &CGroupGrid::FillChannelRow},
        {"User IDs", kUserIdHeadings, m_userIds.size(), &CGroupGrid::FillUserIdRow},
        {"Search Ranges", kRangeHeadings, m_ranges.size(), &CGroupGrid::FillRangeRow},
    };
    const std::size_t count =
        m_radio ? m_radio->SheetList().size() : static_cast<std::size_t>(kChannelsSheet + 1);
    SetNumberSheets(static_cast<int>(count));
    for (std::size_t sheet = 0; sheet < count; ++sheet) {
        const SheetSpec& spec = specs[sheet];
        SetSheetNumber(static_cast<int>(sheet));
        SetTabName(static_cast<int>(sheet), spec.name);
        SetHeadings(*this, spec.headings);
        SetNumberRows(static_cast<long>(spec.rows));
        for (long row = 0; row < GetNumberRows(); ++row) {
            (this->*spec.fill)(row);
        }
    }
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
    const std::string modes = ModeChoices(m_radio);
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

void CGroupGrid::FillUserIdRow(long row) {
    const auto index = static_cast<std::size_t>(row);
    const UserIdEntry& entry = *m_userIds[index];
    const std::size_t bankIndex = static_cast<std::size_t>(
        std::find(m_banks.begin(), m_banks.end(), m_userIdBanks[index]) - m_banks.begin());
    const char letter = m_radio ? m_radio->bankLetter(bankIndex) : 0;
    const std::string texts[kIdColumns] = {
        letter ? std::string(1, letter) : std::to_string(m_userIdBanks[index]->number),
        Trimmed(format_user(entry.id())), entry.tag(),
        entry.options() & UserIdEntry::kOptionLockedOut ? "1" : "0"};
    for (int col = 0; col < kIdColumns; ++col) {
        CUGCell cell;
        cell.SetText(texts[col].c_str());
        cell.SetAlignment(kUserIdHeadings[col].alignment);
        cell.SetTextColor(TextColorOf(entry));
        cell.SetReadOnly(col == kIdBankColumn);
        cell.SetCellType(col == kIdLockOutColumn ? UGCT_CHECKBOX : UGCT_NORMAL);
        SetCell(col, row, &cell);
    }
}

void CGroupGrid::FillRangeRow(long row) {
    const Range& range = *m_ranges[static_cast<std::size_t>(row)];
    const std::string texts[kRangeColumns] = {
        std::to_string(row + 1),
        FrequencyText(range.lower()),
        FrequencyText(range.upper()),
        StepText(range.step()),
        std::string(hb::records::ModeName(range.record().get(Parm::kMode))),
        range.name()};
    const std::string modes = ModeChoices(m_radio);
    for (int col = 0; col < kRangeColumns; ++col) {
        CUGCell cell;
        cell.SetText(texts[col].c_str());
        cell.SetAlignment(kRangeHeadings[col].alignment);
        cell.SetTextColor(TextColorOf(range));
        cell.SetReadOnly(col == kRangeNumberColumn);
        if (col == kRangeModeColumn) {
            cell.SetCellType(UGCT_DROPLIST);
            cell.SetLabelText(modes.c_str());
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
        if (!ParseFrequency(text, m_radio, hz)) {
            return false;
        }
        record.set(Parm::kFrequency, hz);
        break;
    }
    case kModeColumn: {
        std::uint8_t mode = 0;
        if (!ParseMode(text, m_radio, mode)) {
            return false;
        }
        record.set(Parm::kMode, mode);
        break;
    }
    case kStepColumn: {
        std::uint32_t hz = 0;
        if (!ParseStep(text, hz)) {
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
    const std::string typed = text ? text : "";
    switch (GetSheetNumber()) {
    case kBanksSheet: {
        Bank* bank = BankAt(row);
        if (!bank) {
            return 0;
        }
        bank->setName(Trimmed(typed));
        Changed(*bank);
        FillBankRow(row);
        break;
    }
    case kChannelsSheet: {
        Chan* channel = ChannelAt(row);
        if (!channel || !StoreChannelText(*channel, col, typed.c_str())) {
            return 0;
        }
        FillChannelRow(row);
        break;
    }
    case kUserIdsSheet: {
        UserIdEntry* entry = UserIdAt(row);
        if (!entry || !StoreUserIdText(*entry, col, Trimmed(typed))) {
            return 0;
        }
        FillUserIdRow(row);
        break;
    }
    default: {
        Range* range = RangeAt(row);
        if (!range || !StoreRangeText(*range, col, Trimmed(typed))) {
            return 0;
        }
        FillRangeRow(row);
        break;
    }
    }
    RedrawRow(row);
    return 1;
}
