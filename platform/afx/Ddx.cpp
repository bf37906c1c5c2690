#include "platform/afx/Ddx.h"

#include "platform/afx/ButtonKind.h"
#include "platform/afx/CDataExchange.h"
#include "platform/afx/CTime.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/NumberText.h"
#include "platform/win/controls/DateTimePick.h"
#include "platform/win/sys/FileTime.h"

#include <cstdio>
#include <string>

namespace {

bool IsRadioButton(HWND hwnd) {
    return hb::afx::detail::IsButtonOfType(hwnd, BS_RADIOBUTTON) ||
           hb::afx::detail::IsButtonOfType(hwnd, BS_AUTORADIOBUTTON);
}

CString NumberText(long long value) {
    return CString(std::to_string(value));
}

CString NumberText(unsigned long long value) {
    return CString(std::to_string(value));
}

CString NumberText(double value) {
    CString text;
    text.Format("%.15g", value);
    return text;
}

template <class T>
void ExchangeNumber(CDataExchange* pDX, int nIDC, T& value, LPCSTR prompt) {
    const HWND control = pDX->PrepareCtrl(nIDC);
    if (!control) {
        return;
    }
    CWnd* item = CWnd::FromHandle(control);
    if (!pDX->m_bSaveAndValidate) {
        if constexpr (std::is_floating_point_v<T>) {
            item->SetWindowText(NumberText(static_cast<double>(value)));
        } else if constexpr (std::is_signed_v<T>) {
            item->SetWindowText(NumberText(static_cast<long long>(value)));
        } else {
            item->SetWindowText(NumberText(static_cast<unsigned long long>(value)));
        }
        return;
    }
    CString text;
    item->GetWindowText(text);
    const auto parsed = hb::afx::ParseNumber<T>(text.GetString());
    if (!parsed) {
        ::MessageBox(pDX->m_pDlgWnd->m_hWnd, prompt, nullptr, MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    value = *parsed;
}

} // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd) {
        return;
    }
    const HWND control = pDX->PrepareCtrl(nIDC);
    if (control && !rControl.SubclassWindow(control)) {
        hb::win::ReportFailure("data exchange: control " + std::to_string(nIDC) +
                               " already has an object");
    }
}

void DDX_ControlIfPresent(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC)) {
        DDX_Control(pDX, nIDC, rControl);
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    const HWND control = pDX->PrepareCtrl(nIDC);
    if (!control) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessage(control, BM_GETCHECK, 0, 0));
    } else {
        ::SendMessage(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    const HWND first = pDX->PrepareCtrl(nIDC);
    if (!first) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = -1;
    }
    int index = 0;
    for (HWND hwnd = first; hwnd; hwnd = ::GetWindow(hwnd, GW_HWNDNEXT)) {
        if (hwnd != first && (::GetWindowLong(hwnd, GWL_STYLE) & WS_GROUP)) {
            break;
        }
        if (!IsRadioButton(hwnd)) {
            continue;
        }
        if (!pDX->m_bSaveAndValidate) {
            ::SendMessage(hwnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        } else if (value == -1 && ::SendMessage(hwnd, BM_GETCHECK, 0, 0) != BST_UNCHECKED) {
            value = index;
        }
        ++index;
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    ExchangeNumber(pDX, nIDC, value, "Please enter an integer.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    ExchangeNumber(pDX, nIDC, value, "Please enter a positive integer.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    ExchangeNumber(pDX, nIDC, value, "Please enter an integer.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    ExchangeNumber(pDX, nIDC, value, "Please enter a number.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    const HWND control = pDX->PrepareCtrl(nIDC);
    if (!control) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        CWnd::FromHandle(control)->GetWindowText(value);
    } else {
        ::SetWindowText(control, value);
    }
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CTime& value) {
    const HWND control = pDX->PrepareCtrl(nIDC);
    if (!control) {
        return;
    }
    SYSTEMTIME time;
    if (pDX->m_bSaveAndValidate) {
        if (::SendMessage(control, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) ==
            static_cast<LRESULT>(GDT_VALID)) {
            value =
                CTime(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond);
        }
        return;
    }
    time.wYear = static_cast<WORD>(value.GetYear());
    time.wMonth = static_cast<WORD>(value.GetMonth());
    time.wDay = static_cast<WORD>(value.GetDay());
    time.wHour = static_cast<WORD>(value.GetHour());
    time.wMinute = static_cast<WORD>(value.GetMinute());
    time.wSecond = static_cast<WORD>(value.GetSecond());
    ::SendMessage(control, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}
