// The user-ID and search-range sheets of the group grid: their rows' objects and what their
// cells take.
#include "platform/tessary/grid/GroupGrid.h"
#include "platform/tessary/grid/GroupGridText.h"
#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/ConvertUser.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"

namespace {

template <class T>
T* At(const std::vector<T*>& rows, long row) {
    return row >= 0 && row < static_cast<long>(rows.size()) ? rows[static_cast<std::size_t>(row)]
                                                            : nullptr;
}

} // namespace

UserIdEntry* CGroupGrid::UserIdAt(long row) const {
    return At(m_userIds, row);
}

Range* CGroupGrid::RangeAt(long row) const {
    return At(m_ranges, row);
}

bool CGroupGrid::StoreUserIdText(UserIdEntry& entry, int col, const std::string& text) {
    switch (col) {
    case kIdColumn: {
        const Bank& bank = *m_userIdBanks[static_cast<std::size_t>(
            std::find(m_userIds.begin(), m_userIds.end(), &entry) - m_userIds.begin())];
        hb::records::UserId id;
        if (convert_user(text.c_str(), &id, bank.trunkType, bank.fleetMap) != 0) {
            return false;
        }
        entry.id() = id;
        break;
    }
    case kIdNameColumn:
        entry.setTag(text);
        break;
    case kIdLockOutColumn: {
        const std::uint16_t others = entry.options() & ~UserIdEntry::kOptionLockedOut;
        entry.setOptions(text == "1" ? others | UserIdEntry::kOptionLockedOut : others);
        break;
    }
    default:
        return false;
    }
    Changed(entry);
    return true;
}

bool CGroupGrid::StoreRangeText(Range& range, int col, const std::string& text) {
    using hb::records::Parm;
    std::uint32_t lower = range.lower();
    std::uint32_t upper = range.upper();
    std::uint32_t step = range.step();
    switch (col) {
    case kRangeLowerColumn:
        if (!hb::tessary::grid::ParseFrequency(text, m_radio, lower)) {
            return false;
        }
        break;
    case kRangeUpperColumn:
        if (!hb::tessary::grid::ParseFrequency(text, m_radio, upper)) {
            return false;
        }
        break;
    case kRangeStepColumn:
        if (!hb::tessary::grid::ParseStep(text, step)) {
            return false;
        }
        break;
    case kRangeModeColumn: {
        std::uint8_t mode = 0;
        if (!hb::tessary::grid::ParseMode(text, m_radio, mode)) {
            return false;
        }
        Parm record = range.record();
        record.set(Parm::kMode, mode);
        range.SetParm(record);
        break;
    }
    case kRangeNameColumn:
        range.setName(text);
        break;
    default:
        return false;
    }
    range.setLimits(lower, upper, step);
    Changed(range);
    return true;
}
