#include "platform/tessary/grid/DbaseGrid.h"

#include "platform/tessary/app/DbaseDoc.h"

IMPLEMENT_DYNAMIC(CDbaseGrid, CGrid)

namespace {

constexpr int kColumnWidth = 100;

} // namespace

void CDbaseGrid::SetupGrid() {
    SetNumberSheets(1);
    SetSheetNumber(0);
    SetTabName(0, "Table");
    const int fields = m_table ? static_cast<int>(m_table->Fields().size()) : 0;
    SetNumberCols(fields);
    SetNumberRows(m_table ? static_cast<long>(m_table->Records().size()) : 0);
    for (int col = 0; col < fields; ++col) {
        CUGCell heading;
        heading.SetText(m_table->Fields()[static_cast<std::size_t>(col)].c_str());
        heading.SetAlignment(DT_CENTER);
        SetCell(col, -1, &heading);
        SetColWidth(col, kColumnWidth);
    }
    for (long row = 0; row < GetNumberRows(); ++row) {
        const auto& values = m_table->Records()[static_cast<std::size_t>(row)];
        for (int col = 0; col < fields && col < static_cast<int>(values.size()); ++col) {
            CUGCell cell;
            cell.SetText(values[static_cast<std::size_t>(col)].c_str());
            cell.SetReadOnly(TRUE);
            SetCell(col, row, &cell);
        }
    }
    RedrawAll();
}

int CDbaseGrid::Reread(int tab, int fromFile) {
    if (!m_table || tab != 0 || (fromFile && !m_table->Reread())) {
        return 0;
    }
    SetupGrid();
    return 1;
}
