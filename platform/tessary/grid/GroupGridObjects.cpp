// The group grid's rows found by the object they show: to go to one, or to show it again after
// the object changed outside the grid.
#include "platform/tessary/grid/GroupGrid.h"
#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/Range.h"

#include <algorithm>

namespace {

template <class T>
long RowIn(const std::vector<T*>& rows, const Object& object) {
    const auto at =
        std::ranges::find_if(rows, [&](const Object* shown) { return shown == &object; });
    return at == rows.end() ? -1 : static_cast<long>(at - rows.begin());
}

} // namespace

bool CGroupGrid::FindObject(const Object& object, int& sheet, long& row) const {
    const std::pair<int, long> places[] = {{kBanksSheet, RowIn(m_banks, object)},
                                           {kChannelsSheet, RowIn(m_channels, object)},
                                           {kUserIdsSheet, RowIn(m_userIds, object)},
                                           {kRangesSheet, RowIn(m_ranges, object)}};
    for (const auto& [where, at] : places) {
        if (at >= 0 && where < GetNumberSheets()) {
            sheet = where;
            row = at;
            return true;
        }
    }
    return false;
}

void CGroupGrid::FillRow(int sheet, long row) {
    switch (sheet) {
    case kBanksSheet:
        FillBankRow(row);
        break;
    case kChannelsSheet:
        FillChannelRow(row);
        break;
    case kUserIdsSheet:
        FillUserIdRow(row);
        break;
    default:
        FillRangeRow(row);
        break;
    }
}

bool CGroupGrid::GotoObject(int col, Object* object) {
    int sheet = 0;
    long row = 0;
    if (!object || !FindObject(*object, sheet, row)) {
        return false;
    }
    SetSheetNumber(sheet);
    GotoCell(col, row);
    return true;
}

void CGroupGrid::RefreshObject(Object* object) {
    int sheet = 0;
    long row = 0;
    if (!object || !FindObject(*object, sheet, row)) {
        return;
    }
    // The cells of a sheet are set while it is current.
    const int shown = GetSheetNumber();
    SetSheetNumber(sheet);
    FillRow(sheet, row);
    SetSheetNumber(shown);
    RedrawRow(row);
}
