// The trunk-tracker panel's banks: the bank buttons and strips, the ID-group matrix and the
// scan/search mode column, as the user asks for them and as the scanner reports them.
#include "app/rig/Rig.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineCommands.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/TrunkTrackerView.h"
#include "resources/ResourceIds.h"

#include <algorithm>

namespace {

using hb::records::DeviceStatus;
using hb::records::EngineCommandRecord;

constexpr std::uint32_t kLowBanks = 0x3FF;
constexpr std::uint16_t kFromView = 0x3C00;
constexpr std::uint16_t kFromRadio = 0xC3FF;
constexpr std::uint16_t kModeBits =
    CTrunkTrackerView::kIdScanRequested | CTrunkTrackerView::kIdScanning;
constexpr int kStripCells = 10;

} // namespace

void CTrunkTrackerView::OnBankButton(UINT id) {
    CXTButton& button = m_banks[id - IDC_BANK_1];
    button.SetChecked(!button.GetChecked());
    button.RedrawNoErase();
    SendBankMask();
}

void CTrunkTrackerView::SendBankMask() {
    std::uint32_t mask = 0;
    const int count = m_banks[10].m_hWnd ? kBankCount : 10;
    for (int i = 0; i < count; ++i) {
        if (m_banks[i].m_hWnd && m_banks[i].GetChecked()) {
            mask |= 1u << i;
        }
    }
    EngineCommandRecord record =
        EngineCommandRecord::Make(hb::records::kEngineCmdBankMask, 0, mask);
    Send(record);
    m_pendingBankMask = static_cast<std::uint16_t>(mask);
    m_bankPending = kOn;
}

void CTrunkTrackerView::OnIdMatrixClick(long row, long column) {
    if (!m_idMatrix.m_hWnd || row < 0 || row >= m_idMatrix.GetRowCount() || column < 0 ||
        column >= m_idMatrix.GetColCount()) {
        return;
    }
    GoLive();
    m_idMatrix.SetIndicatorActive(row, column, !m_idMatrix.GetIndicatorActive(row, column));
    std::uint32_t mask = 0;
    for (long j = 0; j < std::min(10L, m_idMatrix.GetColCount()); ++j) {
        if (m_idMatrix.GetIndicatorActive(row, j)) {
            mask |= 1u << j;
        }
    }
    EngineCommandRecord record = EngineCommandRecord::Make(hb::records::kEngineCmdIdGroups, 0, mask,
                                                           0, static_cast<std::uint16_t>(row));
    Send(record);
}

void CTrunkTrackerView::OnBankModeClick(long row, long) {
    if (row < 0 || row >= kBankCount) {
        return;
    }
    GoLive();
    std::uint16_t& word = m_idBanks[static_cast<std::size_t>(row)];
    std::uint8_t subCode = 0;
    if (!(word & kIdScanRequested)) {
        subCode = 0xFF;
        word |= kIdScanRequested;
    } else {
        word &= static_cast<std::uint16_t>(~kIdScanRequested);
    }
    word |= kIdPending;
    ShowModeRow(static_cast<int>(row), (word & kIdScanRequested) ? "Scan" : "Srch",
                (word & kIdScanRequested) ? kScanRequestedColor : kSearchRequestedColor);
    EngineCommandRecord record = EngineCommandRecord::Make(
        hb::records::kEngineCmdIdBankMode, subCode, 0, 0, static_cast<std::uint16_t>(row));
    Send(record);
}

void CTrunkTrackerView::ShowBanks(const BYTE* deviceStatus) {
    DeviceStatus device;
    std::copy_n(deviceStatus, DeviceStatus::kSize, device.data());
    const std::uint32_t flags = device.get(DeviceStatus::kTrunkFlags);
    if (m_bankPending && (m_pendingBankMask & kLowBanks) == (flags & kLowBanks)) {
        m_bankPending = 0;
    }
    const bool sixth = m_banks[5].m_hWnd != nullptr;
    const bool eleventh = m_banks[10].m_hWnd != nullptr;
    if (!m_bankPending) {
        for (int i = 0; i < kBankCount; ++i) {
            CXTButton& button = m_banks[i];
            if (!button.m_hWnd || (i >= 5 && i < 10 && !sixth) || (i >= 10 && !eleventh)) {
                continue;
            }
            button.SetChecked((flags >> i) & 1 ? TRUE : FALSE);
            button.RedrawNoErase();
        }
    }
    const Radio* radio = Model();
    const int banks = radio ? radio->organisation().banks : 0;
    const int current = m_scanningFlag ? -1 : device.get(DeviceStatus::kBankIndex);
    const hb::tessary::NamedColors& colors = CScanApp::GetScanApp()->Colors();
    auto paint = [&](CiLedMatrixX& strip, int first) {
        if (!strip.m_hWnd) {
            return;
        }
        for (int i = 0; i < std::min<int>(kStripCells, strip.GetColCount()); ++i) {
            const int index = first + i;
            if (i >= 5 && banks <= 9 && first == 0) {
                break;
            }
            strip.SetIndicatorColor(0, i,
                                    index == current ? colors.bankStripOn : colors.bankStripOff);
            strip.SetIndicatorActive(0, i, (flags >> index) & 1 ? TRUE : FALSE);
        }
    };
    paint(m_bankStrip, 0);
    paint(m_bankStrip2, kStripCells);
    if (CXTPButton* trunk = Key(IDC_KEY_TRUNK)) {
        trunk->SetChecked((flags & DeviceStatus::kTrunkKeyOn) != 0);
    }
}

void CTrunkTrackerView::ShowIdBanks(const BYTE* deviceStatus) {
    const Radio* radio = Model();
    if (!radio || !m_rig) {
        return;
    }
    DeviceStatus device;
    std::copy_n(deviceStatus, DeviceStatus::kSize, device.data());
    const int banks = std::min<int>(radio->organisation().banks, kBankCount);
    for (int i = 0; i < banks; ++i) {
        const std::uint16_t r = device.get(DeviceStatus::kIdBankWords, static_cast<std::size_t>(i));
        std::uint16_t w = m_idBanks[static_cast<std::size_t>(i)];
        if ((r & kIdNewData) && r != w) {
            ShowIdRow(i, r);
            CString entry;
            entry.Format("TrunkIDBank%d", i);
            CScanApp::GetScanApp()->WriteProfileInt(m_rig->m_section, entry, r);
            w = static_cast<std::uint16_t>((w & kFromView) | (r & kFromRadio));
        }
        if ((w & kIdPending) && !(r & kIdPending) &&
            ((r & kIdScanning) != 0) == ((r & kIdScanRequested) != 0)) {
            w &= static_cast<std::uint16_t>(~kIdPending);
        }
        if (!(w & kIdPending)) {
            const bool scan = (r & kIdScanning) != 0;
            ShowModeRow(i, scan ? "Scan" : "Srch", scan ? kScanColor : kSearchColor);
            w = static_cast<std::uint16_t>((w & ~(kModeBits | kIdPending)) | (r & kModeBits));
        } else {
            const bool scan = (w & kIdScanRequested) != 0;
            ShowModeRow(i, scan ? "Scan" : "Srch",
                        scan ? kScanRequestedColor : kSearchRequestedColor);
        }
        m_idBanks[static_cast<std::size_t>(i)] = w;
    }
}
