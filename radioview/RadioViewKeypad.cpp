// The keypad side of the front panel: the keypad entry field and what types into it, frequency
// entry, the keys the panel takes before its controls do, and the name field.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/controls/CommonControls.h"
#include "radioview/PanelCommands.h"
#include "radioview/RadioView.h"
#include "resources/ResourceIds.h"

#include <cstring>

namespace {

constexpr long kKeypadPoint = 10;
constexpr long kKeypadClear = 11;
constexpr short kEscape = 27;
constexpr COLORREF kEditingBackground = 0xFFFFFF;
constexpr COLORREF kEditingText = 0;

bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK;
}

bool IsArrow(WPARAM key) {
    return key >= VK_LEFT && key <= VK_DOWN;
}

CString ClassOf(HWND window) {
    char name[64] = {};
    ::GetClassName(window, name, sizeof name);
    return name;
}

} // namespace

void CRadioView::TypeIntoKeypad(char c) {
    m_keypadEntry.SendMessage(WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)));
}

void CRadioView::OnDigit(UINT id) {
    TypeIntoKeypad(id == IDC_DIGIT_POINT ? '.' : static_cast<char>('0' + (id - IDC_DIGIT_0)));
}

void CRadioView::OnClearKeypad() {
    m_keypadEntry.SetWindowText("");
}

void CRadioView::OnKeypadKey(long key) {
    FocusKeypad();
    if (key == kKeypadPoint) {
        TypeIntoKeypad('.');
    } else if (key == kKeypadClear) {
        OnClearKeypad();
    } else if (key >= 0 && key <= 9) {
        TypeIntoKeypad(static_cast<char>('0' + key));
    }
}

void CRadioView::OnEnterMhz() {
    EnterFrequency('M');
}

void CRadioView::OnEnterKhz() {
    EnterFrequency('K');
}

void CRadioView::EnterFrequency(char unit) {
    m_keypadEntry.GetWindowText(m_keypadText);
    std::uint32_t hz = 0;
    if (m_keypadText.IsEmpty() || convert_frequency(m_keypadText, &hz, unit) != 0) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    const Radio* radio = TheRadio();
    if (radio && radio->CheckCoverage(hz) != 0) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    TuneFrequency(hz, 1);
    FocusKeypad();
    m_keypadEntry.SetWindowText("");
}

BOOL CRadioView::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN || IsMouseMessage(pMsg->message)) {
        if (m_hWnd) {
            SetTimer(hb::radioview::kIdleTimer, hb::radioview::kIdleTimerMs, nullptr);
        }
    }
    if (pMsg->message == WM_KEYDOWN && RoutesKey(*pMsg)) {
        return TRUE;
    }
    if (m_toolTip.m_hWnd) {
        m_toolTip.RelayEvent(pMsg);
    }
    return CEnhancedFormView::PreTranslateMessage(pMsg);
}

bool CRadioView::RoutesKey(const MSG& msg) {
    const HWND focus = ::GetFocus();
    if (!m_hWnd || !focus || (focus != m_hWnd && !::IsChild(m_hWnd, focus))) {
        return false;
    }
    const WPARAM key = msg.wParam;
    const CString kind = ClassOf(focus);
    if (kind == "TiSlider" || kind == "TiAnalogOutput" || (kind == "TiKnob" && IsArrow(key)) ||
        (m_nameField.m_hWnd && focus == m_nameField.m_hWnd)) {
        return false;
    }
    const bool inStepEntry = m_stepEntry.m_hWnd && focus == m_stepEntry.m_hWnd;
    if (focus != m_keypadEntry.m_hWnd && !inStepEntry) {
        FocusKeypad();
        return true;
    }
    switch (key) {
    case VK_RETURN: {
        if (inStepEntry) {
            OnStepEntryKillFocus();
            return true;
        }
        const Radio* radio = TheRadio();
        const bool hf = radio && (radio->features() & Radio::kFeatureHf) != 0;
        EnterFrequency(hf && !m_mhzDisplay ? 'K' : 'M');
        return true;
    }
    case VK_SPACE:
        if (CWnd* frame = GetParentFrame()) {
            frame->SendMessage(WM_COMMAND, m_manualMode ? ID_RADIO_START : ID_RADIO_STOP);
        }
        return true;
    case VK_LEFT:
    case VK_RIGHT: {
        NMUPDOWN change{};
        change.hdr.hwndFrom = m_stepSpin.m_hWnd;
        change.hdr.idFrom = IDC_STEP_SPIN;
        change.hdr.code = UDN_DELTAPOS;
        change.iDelta = key == VK_LEFT ? 1 : -1;
        LRESULT result = 0;
        OnStepSpin(&change.hdr, &result);
        return true;
    }
    case VK_UP:
    case VK_DOWN:
        // A delta of one 120th of a notch scrolls nothing; the keys are taken all the same.
        OnMouseWheel(0, static_cast<short>(key == VK_UP ? 1 : -1), CPoint(0, 0));
        return true;
    default:
        return false;
    }
}

void CRadioView::StartNameEditing() {
    ::SetCapture(m_nameField.m_hWnd);
    m_nameEditing = kOn;
    m_nameField.SetBackGroundColor(kEditingBackground);
    m_nameField.SetFontColor(kEditingText);
}

void CRadioView::EndNameEditing() {
    CScanApp* app = CScanApp::GetScanApp();
    if (app) {
        m_nameField.SetFontColor(app->Color(kDisplayForeground));
        m_nameField.SetBackGroundColor(app->Color(kDisplayBackground));
    }
    m_nameEditing = 0;
    if (::GetCapture() == m_nameField.m_hWnd) {
        ::ReleaseCapture();
    }
    SetFocus();
}

void CRadioView::OnNameFieldMouseDown() {
    StartNameEditing();
}

void CRadioView::OnNameFieldKey(short* key, short) {
    if (*key == kEscape) {
        EndNameEditing();
    } else {
        StartNameEditing();
    }
}

void CRadioView::OnNameFieldChange() {
    const CString text = m_nameField.GetCaption();
    ActiveInfo() = text;
    ActiveVfo().setText(parm::kName,
                        std::string_view(text.str()).substr(0, hb::records::kParmNameWidth));
    EndNameEditing();
}
