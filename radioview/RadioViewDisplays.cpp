// The panel's small displays fed by the engine: the bandwidth on the step label, the channel name,
// the DTMF digits heard since the last hit, and the channel hold.
#include "platform/afx/CClientDC.h"
#include "platform/afx/CFont.h"
#include "platform/win/gdi/GdiTypes.h"
#include "radioview/RadioView.h"

namespace {

// Only the newest digits are kept when no hit takes them for a long time.
constexpr int kLongestDtmfText = 256;
// The label keeps a small margin free on its right.
constexpr int kLabelMargin = 4;

constexpr UINT kKhz = 1'000;
constexpr UINT kMhz = 1'000'000;

// Fewest decimals that show the value exactly, else the last one cut.
CString BandwidthText(UINT hz) {
    CString text;
    if (hz < kKhz) {
        text.Format("%u Hz", hz);
    } else if (hz < kMhz) {
        const UINT rest = hz % kKhz;
        if (rest == 0) {
            text.Format("%u kHz", hz / kKhz);
        } else if (rest % 100 == 0) {
            text.Format("%u.%01u kHz", hz / kKhz, rest / 100);
        } else {
            text.Format("%u.%02u kHz", hz / kKhz, rest / 10);
        }
    } else {
        const UINT rest = hz % kMhz;
        if (rest == 0) {
            text.Format("%u MHz", hz / kMhz);
        } else if (rest % 100'000 == 0) {
            text.Format("%u.%01u MHz", hz / kMhz, rest / 100'000);
        } else if (rest % 10'000 == 0) {
            text.Format("%u.%02u MHz", hz / kMhz, rest / 10'000);
        } else {
            text.Format("%u.%03u MHz", hz / kMhz, rest / kKhz);
        }
    }
    return text;
}

// The caption's width in the font the label writes with.
int CaptionWidth(CiLabelX& label, const CString& text) {
    CClientDC dc(&label);
    const HFONT font = hb::win::HandleFromParam<HFONT>(label.SendMessage(WM_GETFONT));
    CFont* previous = dc.SelectObject(CFont::FromHandle(font));
    const int width = dc.GetTextExtent(text).cx;
    dc.SelectObject(previous);
    return width;
}

} // namespace

void CRadioView::FormatStep(const parm* rec) {
    if (!rec || !m_stepLabel.m_hWnd) {
        return;
    }
    const UINT hz = rec->get(parm::kBandwidth);
    if (hz != 0) {
        m_stepLabel.SetCaption(BandwidthText(hz));
    }
}

CString CRadioView::ShowChannelName(const CString& text) {
    if (m_nameEditing) {
        return text;
    }
    CString name = text;
    name.Trim();
    while (name.Replace("  ", " ") > 0) {
    }
    if (m_channelLabel.m_hWnd) {
        CRect client;
        m_channelLabel.GetClientRect(&client);
        m_channelLabel.SetShrinkToFit(CaptionWidth(m_channelLabel, name) >
                                      client.Width() - kLabelMargin);
        m_channelLabel.SetCaption(name);
    }
    if (m_nameField.m_hWnd) {
        m_nameField.SetCaption(name);
    }
    return name;
}

void CRadioView::AppendDtmf(const DtmfRecord* rec) {
    if (!rec) {
        m_dtmfText.Empty();
        return;
    }
    m_dtmfText += rec->text(DtmfRecord::kText).c_str();
    if (m_dtmfText.GetLength() > kLongestDtmfText) {
        m_dtmfText = m_dtmfText.Right(kLongestDtmfText);
    }
}

void CRadioView::ToggleHold() {
    m_channelHold = m_channelHold ? 0 : kOn;
    OnRadioStatus(0, 0);
}
