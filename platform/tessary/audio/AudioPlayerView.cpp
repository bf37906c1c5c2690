#include "platform/tessary/audio/AudioPlayerView.h"

#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/AudioFile.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/TimeFunctions.h"

#include <array>
#include <cstdio>
#include <string>

IMPLEMENT_DYNCREATE(CAudioPlayerView, CView)

BEGIN_MESSAGE_MAP(CAudioPlayerView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

namespace {

struct ColumnLook {
    LPCSTR caption;
    int width;
    UINT alignment;
};

constexpr std::array<ColumnLook, 5> kColumns = {{
    {"Segment", 70, DT_RIGHT},
    {"Date/Time", 150, DT_CENTER},
    {"Frequency", 100, DT_RIGHT},
    {"Names", 320, DT_LEFT},
    {"Length", 70, DT_RIGHT},
}};

std::string LocalTimeText(std::int64_t seconds) {
    std::tm local{};
    if (seconds == 0 || !SafeLocalTime(seconds, &local)) {
        return "";
    }
    char text[80];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

// The subject, and the further names unless the subject stands alone.
std::string NamesText(const dal& record) {
    std::string names = record.text(dal::kName1);
    const bool alone = (record.get(dal::kFlags) & dal::kFlagSubjectAlone) != 0;
    for (const std::string& more : {record.text(dal::kName2), record.text(dal::kName3)}) {
        if (!alone && !more.empty()) {
            names += (names.empty() ? "" : ", ") + more;
        }
    }
    return names;
}

// Whole seconds, any part of one counting.
std::string LengthText(std::uint32_t bytes, std::uint32_t bytesPerSecond) {
    const std::uint32_t seconds =
        bytesPerSecond == 0 ? bytes : (bytes + bytesPerSecond - 1) / bytesPerSecond;
    char text[16];
    std::snprintf(text, sizeof text, "%u:%02u", seconds / 60, seconds % 60);
    return text;
}

} // namespace

CAudioPlayerView::~CAudioPlayerView() {
    if (m_file && m_file->m_indexView == this) {
        m_file->m_indexView = nullptr;
    }
}

int CAudioPlayerView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    CRect client;
    GetClientRect(&client);
    if (!m_grid.CreateGrid(WS_CHILD | WS_VISIBLE, client, this, kGridId)) {
        return -1;
    }
    m_grid.SetNumberCols(static_cast<int>(kColumns.size()));
    for (int col = 0; const ColumnLook& look : kColumns) {
        m_grid.QuickSetText(col, -1, look.caption);
        m_grid.SetColWidth(col++, look.width);
    }
    Reload();
    return 0;
}

void CAudioPlayerView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    if (m_grid.m_hWnd) {
        m_grid.MoveWindow(0, 0, cx, cy);
    }
}

void CAudioPlayerView::OnSetFocus(CWnd*) {
    if (m_grid.m_hWnd) {
        m_grid.SetFocus();
    }
}

void CAudioPlayerView::BindDocument(CAudioFile* file) {
    hb::tessary::detail::RecordAudioCall(this, "BindDocument",
                                         {hb::tessary::detail::Arg(file, "file")});
    m_file = file;
    if (file) {
        file->m_indexView = this;
    }
    Reload();
}

void CAudioPlayerView::Reload() {
    if (!m_grid.m_hWnd) {
        return;
    }
    const bool listed = m_file && m_file->IsOpen();
    const std::uint32_t count = listed ? m_file->m_recordCount : 0;
    m_grid.SetNumberRows(static_cast<long>(count));
    for (std::uint32_t number = 1; number <= count; ++number) {
        SetRow(static_cast<long>(number) - 1, *m_file, number);
    }
    m_grid.RedrawAll();
}

void CAudioPlayerView::SetRow(long row, const CAudioFile& file, std::uint32_t number) {
    wlseg header;
    if (!file.ReadSegmentHeader(number, header)) {
        return;
    }
    const dal record = header.get(wlseg::kDal);
    const std::array<std::string, kColumns.size()> texts = {
        std::to_string(header.get(wlseg::kSegmentNumber)),
        LocalTimeText(record.get(dal::kTime)),
        format_freq_vhf(record.get(dal::kFrequency)),
        NamesText(record),
        LengthText(header.get(wlseg::kPayloadLength),
                   file.m_format.get(hb::records::SwqWaveFormat::kAverageBytesPerSecond)),
    };
    for (int col = 0; col < static_cast<int>(texts.size()); ++col) {
        CUGCell cell;
        cell.SetText(texts[static_cast<std::size_t>(col)].c_str());
        cell.SetAlignment(kColumns[static_cast<std::size_t>(col)].alignment);
        cell.SetReadOnly(TRUE);
        m_grid.SetCell(col, row, &cell);
    }
}
