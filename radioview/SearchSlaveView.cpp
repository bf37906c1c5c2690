#include "radioview/SearchSlaveView.h"

#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/afx/Ddx.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/controls/CommonControls.h"
#include "radioview/RadioView.h"

#include <algorithm>
#include <cmath>
#include <memory>

IMPLEMENT_DYNCREATE(CSearchSlaveView, CEnhancedFormView)

BEGIN_MESSAGE_MAP(CSearchSlaveView, CEnhancedFormView)
ON_WM_DESTROY()
ON_WM_TIMER()
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CSearchSlaveView, CEnhancedFormView)
ON_EVENT(CSearchSlaveView, IDC_PREEMPT_LEVEL, 18, &CSearchSlaveView::OnPreemptChange)
ON_EVENT(CSearchSlaveView, IDC_PREEMPT_LEVEL, 11, &CSearchSlaveView::OnPreemptMouseUp)
ON_EVENT(CSearchSlaveView, IDC_SLAVE_SQUELCH_KNOB, 18, &CSearchSlaveView::OnSquelchChange)
ON_EVENT(CSearchSlaveView, IDC_SLAVE_SQUELCH_KNOB, 11, &CSearchSlaveView::OnSquelchMouseUp)
ON_EVENT(CSearchSlaveView, IDC_SLAVE_SQUELCH_KNOB, 8, &CSearchSlaveView::OnSquelchReset)
ON_EVENT(CSearchSlaveView, IDC_PRIORITY_MODE, 1, &CSearchSlaveView::OnPriorityModeChange)
END_EVENTSINK_MAP()

namespace {

using hb::records::EngineStatus;

constexpr int kLowestPreempt = -127;
constexpr int kHighestPreempt = 127;
// The list's grid lines.
constexpr DWORD kGridLines = 0x1;
// Windows from this major version write knob texts in the newer face.
constexpr DWORD kNewerFontVersion = 5;
// The colour table's panel face.
constexpr int kPanelFace = 18;

struct Column {
    const char* heading;
    int format;
    int width;
};
constexpr Column kColumns[CSearchSlaveView::kColumnCount] = {
    {"Frequency", LVCFMT_RIGHT, 70},
    {"Pri", LVCFMT_CENTER, 45},
    {"Name", LVCFMT_LEFT, 140},
};

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

void Send(CRig* rig, std::uint8_t code, std::uint8_t subCode) {
    if (rig) {
        const auto record = EngineCommandRecord::Make(code, subCode);
        rig->EngineCommand(&record);
    }
}

// The value as a whole number: the whole part, one more from a half up.
int RoundedUp(double value) {
    const double whole = std::trunc(value);
    return static_cast<int>(whole) + (value - whole >= 0.5 ? 1 : 0);
}

} // namespace

CSearchSlaveView::CSearchSlaveView() : CEnhancedFormView(IDD) {}

int CSearchSlaveView::PreemptLevelOf(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return RoundedUp(std::clamp(value, double{kLowestPreempt}, double{kHighestPreempt}));
}

void CSearchSlaveView::DoDataExchange(CDataExchange* pDX) {
    CEnhancedFormView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_SLAVE_SQUELCH_KNOB, m_squelchKnob);
    DDX_ControlIfPresent(pDX, IDC_SLAVE_RIG_B_NAME, m_rigBName);
    DDX_ControlIfPresent(pDX, IDC_SLAVE_RIG_A_NAME, m_rigAName);
    DDX_ControlIfPresent(pDX, IDC_PREEMPT_LEVEL, m_preemptSlider);
    DDX_ControlIfPresent(pDX, IDC_PRIORITY_MODE, m_priorityMode);
    DDX_ControlIfPresent(pDX, IDC_PREEMPT_DISPLAY, m_preemptDisplay);
    DDX_ControlIfPresent(pDX, IDC_SLAVE_QUEUE, m_queue);
}

CRadioFrame* CSearchSlaveView::Frame() const {
    return DYNAMIC_DOWNCAST(CRadioFrame, GetParentFrame());
}

CRig* CSearchSlaveView::RigA() const {
    CRadioFrame* frame = Frame();
    return frame ? frame->m_rig : nullptr;
}

CRig* CSearchSlaveView::RigB() const {
    CRadioFrame* frame = Frame();
    return frame ? frame->m_rig2 : nullptr;
}

void CSearchSlaveView::OnInitialUpdate() {
    CEnhancedFormView::OnInitialUpdate();
    CRig* a = RigA();
    CRig* b = RigB();
    if (!a || !b) {
        return;
    }
    const COLORREF face = App().Color(kPanelFace);
    if (m_squelchKnob.m_hWnd) {
        m_squelchKnob.SetBackGroundColor(face);
    }
    for (CiLabelX* label : {&m_rigAName, &m_rigBName}) {
        if (label->m_hWnd) {
            label->SetBackGroundColor(face);
        }
    }
    if (m_preemptSlider.m_hWnd) {
        m_preemptSlider.SetProperty(hb::instruments::slider::kBackGroundColor, face);
    }
    if (m_priorityMode.m_hWnd) {
        m_priorityMode.SetBackGroundColor(face);
    }
    if (m_rigAName.m_hWnd) {
        m_rigAName.SetCaption(a->m_section);
    }
    if (m_rigBName.m_hWnd) {
        m_rigBName.SetCaption(b->m_section);
    }
    m_name = a->m_section;
    if (m_preemptSlider.m_hWnd) {
        m_preemptSlider.SetPosition(App().GetProfileIntA(m_name, "PreemptLevel", 0));
    }
    ApplyPreemptLevel();
    if (m_priorityMode.m_hWnd) {
        m_priorityMode.SetPosition(App().GetProfileIntA(m_name, "PriorityMode", 0));
    }
    ApplyPriorityMode();
    m_settingsPending = !a->IsEngineOpenFor(Frame());
    if (m_queue.m_hWnd) {
        m_queue.SetExtendedStyle(m_queue.GetExtendedStyle() | kGridLines);
        for (int n = 0; n < kColumnCount; ++n) {
            m_queue.InsertColumn(n, kColumns[n].heading, kColumns[n].format, kColumns[n].width);
            m_queue.SetColumnWidth(
                n, App().GetProfileIntA("Settings", ColumnEntry(n), kDefaultColumnWidth));
        }
    }
    CRadioView* panel = Frame()->FrontPanel();
    const bool squelch = panel && panel->m_squelchKnob.m_hWnd && m_squelchKnob.m_hWnd;
    if (CWnd* caption = GetDlgItem(IDC_SLAVE_SQUELCH_CAPTION)) {
        caption->ShowWindow(squelch ? SW_SHOW : SW_HIDE);
    }
    if (m_squelchKnob.m_hWnd) {
        m_squelchKnob.ShowWindow(squelch ? SW_SHOW : SW_HIDE);
    }
    if (squelch && b->m_radio) {
        const hb::records::Descriptor& range = b->m_radio->controls().squelch;
        m_squelchKnob.SetPositionMin(range.min);
        m_squelchKnob.SetPositionMax(range.max);
        if (App().GetWindowsMajorVersion() >= kNewerFontVersion) {
            m_squelchKnob.GetFont().SetName("Tahoma");
        }
    }
    SetTimer(kQueueTimer, kQueueTimerMs, nullptr);
}

CString CSearchSlaveView::ColumnEntry(int column) const {
    CString entry;
    entry.Format("%sSlaveQueueColumn%d", static_cast<LPCSTR>(m_name), column);
    return entry;
}

void CSearchSlaveView::ApplyPriorityMode() {
    const long mode = m_priorityMode.m_hWnd ? m_priorityMode.GetPosition() : 0;
    Send(RigA(), hb::records::kEngineCmdPriorityMode, static_cast<std::uint8_t>(mode));
    Send(RigB(), hb::records::kEngineCmdPriorityMode, static_cast<std::uint8_t>(mode));
    App().WriteProfileInt(m_name, "PriorityMode", static_cast<int>(mode));
}

void CSearchSlaveView::ApplyPreemptLevel() {
    const int level = PreemptLevelOf(m_preemptSlider.m_hWnd ? m_preemptSlider.GetPosition() : 0);
    const auto subCode = static_cast<std::uint8_t>(static_cast<std::int8_t>(level));
    Send(RigA(), hb::records::kEngineCmdPreempt, subCode);
    Send(RigB(), hb::records::kEngineCmdPreempt, subCode);
    if (m_preemptDisplay.m_hWnd) {
        m_preemptDisplay.SetValue(level);
    }
}

void CSearchSlaveView::OnPriorityModeChange() {
    ApplyPriorityMode();
}

void CSearchSlaveView::OnPreemptChange() {
    ApplyPreemptLevel();
}

void CSearchSlaveView::OnPreemptMouseUp(short, short, long, long) {
    App().WriteProfileInt(m_name, "PreemptLevel", PreemptLevelOf(m_preemptSlider.GetPosition()));
}

std::uint8_t CSearchSlaveView::ApplySquelch() {
    CRig* b = RigB();
    if (!b || !b->m_radio) {
        return 0;
    }
    const std::uint32_t level = b->m_radio->SquelchToDevice(RoundedUp(m_squelchKnob.GetPosition()));
    const std::uint32_t value = level & 0xFF;
    b->SetSquelch(&value);
    return static_cast<std::uint8_t>(value);
}

// Rig B's panel reads "Squelch" as a knob value, so the knob's value is kept, not the byte sent.
void CSearchSlaveView::SaveSquelch() {
    if (CRig* b = RigB()) {
        App().WriteProfileInt(b->m_section, "Squelch", RoundedUp(m_squelchKnob.GetPosition()));
    }
}

void CSearchSlaveView::OnSquelchChange() {
    ApplySquelch();
}

void CSearchSlaveView::OnSquelchMouseUp(short, short, long, long) {
    SaveSquelch();
}

void CSearchSlaveView::OnSquelchReset() {
    CRig* b = RigB();
    if (!b || !b->m_radio) {
        return;
    }
    m_squelchKnob.SetPosition(b->m_radio->controls().squelch.def);
    ApplySquelch();
    SaveSquelch();
}

void CSearchSlaveView::OnTimer(UINT_PTR nIDEvent) {
    CEnhancedFormView::OnTimer(nIDEvent);
    if (nIDEvent != kQueueTimer) {
        return;
    }
    CRig* a = RigA();
    const bool open = a && a->IsEngineOpenFor(Frame());
    if (m_settingsPending && open) {
        m_settingsPending = false;
        ApplyPriorityMode();
        ApplyPreemptLevel();
    }
    if (!m_refresh) {
        return;
    }
    m_refresh = 0;
    if (open && a->m_radio) {
        ShowQueue();
    }
}

void CSearchSlaveView::ShowQueue() {
    CRig* a = RigA();
    const auto status = std::make_unique<EngineStatus>();
    if (!m_queue.m_hWnd || a->EngineStatus(status->data()) != 0) {
        return;
    }
    CRadioView* panel = Frame()->FrontPanel();
    const bool mhz = panel && panel->m_mhzDisplay;
    m_queue.DeleteAllItems();
    for (std::size_t n = 0; n < EngineStatus::kParmQueue.kCount; ++n) {
        const parm entry = status->get(EngineStatus::kParmQueue, n);
        const std::uint32_t hz = entry.get(parm::kFrequency);
        if (hz == 0) {
            continue;
        }
        CString frequency = a->m_radio->FormatFrequency(hz, mhz).c_str();
        frequency.TrimLeft();
        CString priority;
        priority.Format("%d", entry.get(parm::kPriority));
        CString name;
        name.Format("%-16.16s", entry.text(parm::kName).c_str());
        const int row = m_queue.InsertItem(m_queue.GetItemCount(), frequency);
        m_queue.SetItemText(row, 1, priority);
        m_queue.SetItemText(row, 2, name);
    }
}

void CSearchSlaveView::OnDestroy() {
    if (m_queue.m_hWnd && !m_name.IsEmpty()) {
        for (int n = 0; n < kColumnCount; ++n) {
            App().WriteProfileInt("Settings", ColumnEntry(n), m_queue.GetColumnWidth(n));
        }
    }
    CEnhancedFormView::OnDestroy();
}
