#include "programming/LoadInfoDlg.h"

#include "platform/engine/EngineApi.h"
#include "platform/tessary/model/Radio.h"
#include "programming/TransferCursor.h"
#include "resources/program/TransferIds.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <string_view>

namespace tr = hb::resources::transfer;

namespace {

// The engine's message for an entry it cannot take.
constexpr std::uint32_t kMessageBadEntry = 9;

// A whole number that fits a counter; none for anything else.
std::optional<std::uint16_t> ParseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        value > std::numeric_limits<std::uint16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

// A place with no letter shows as "?" rather than ending the text.
char Letter(const Radio& radio, int index) {
    const char letter = index >= 0 ? radio.bankLetter(static_cast<std::size_t>(index)) : 0;
    return letter ? letter : '?';
}

} // namespace

BEGIN_MESSAGE_MAP(CLoadInfoDlg, CDialog)
ON_BN_CLICKED(tr::kRestoreDefaults, &CLoadInfoDlg::OnRestoreDefaults)
END_MESSAGE_MAP()

CLoadInfoDlg::CLoadInfoDlg(TransferCursor& cursor, bool reading, CWnd* parent)
    : CDialog(reading ? tr::kReadInfoDialog : tr::kWriteInfoDialog, parent), m_cursor(cursor) {}

bool CLoadInfoDlg::Lettered() const {
    return m_cursor.radio &&
           (m_cursor.radio->organisationFlags() & Radio::kOrganisationLetters) != 0;
}

// Lettered banks show the letter of the bank's place counted from the radio's first bank.
CString CLoadInfoDlg::BankText(std::uint16_t bank) const {
    CString text;
    if (Lettered()) {
        const std::uint16_t first = m_cursor.radio->organisation().firstBank;
        text.Format("%c", bank >= first ? Letter(*m_cursor.radio, bank - first) : '?');
    } else {
        text.Format("%u", static_cast<unsigned>(bank));
    }
    return text;
}

CString CLoadInfoDlg::SummaryText() const {
    CString text;
    if (!m_cursor.radio) {
        return text;
    }
    const Radio& radio = *m_cursor.radio;
    const auto& organisation = radio.organisation();
    // A radio without banks keeps every channel in one.
    const int banks = organisation.banks ? organisation.banks : 1;
    const int channels = organisation.channels;
    const int perBank = channels / banks;
    if (Lettered()) {
        const int first = organisation.firstBank;
        const int middle = banks / 2;
        text.Format("Radio: %s\n%d channels, %d banks, %d channels/bank.\nBanks: use %d=%c, %d=%c, "
                    "... %d=%c, ... %d=%c.",
                    radio.name(), channels, banks, perBank, first, Letter(radio, 0), first + 1,
                    Letter(radio, 1), middle + first, Letter(radio, middle), first + banks - 1,
                    Letter(radio, banks - 1));
    } else {
        text.Format("Radio: %s\n%d channels, %d banks\n%d channels/bank.", radio.name(), channels,
                    banks, perBank);
    }
    return text;
}

void CLoadInfoDlg::Fill(bool saved) {
    const TransferPosition& from = saved ? m_cursor.saved : m_cursor;
    m_total = from.total;
    m_docStartChannel = from.docStartChannel;
    m_radioStartChannel = from.radioStartChannel;
    m_docStartBank = BankText(from.docStartBank);
    m_radioStartBank = BankText(from.radioStartBank);
    m_mode = from.merge ? kMerge : from.insert ? kInsert : kReplace;
    SetDlgItemInt(tr::kTotal, static_cast<UINT>(m_total), FALSE);
    SetDlgItemInt(tr::kDocStartChannel, static_cast<UINT>(m_docStartChannel), FALSE);
    SetDlgItemInt(tr::kRadioStartChannel, static_cast<UINT>(m_radioStartChannel), FALSE);
    SetDlgItemText(tr::kDocStartBank, m_docStartBank);
    SetDlgItemText(tr::kRadioStartBank, m_radioStartBank);
    for (int mode = kReplace; mode <= kMerge; ++mode) {
        CheckDlgButton(static_cast<int>(tr::kModeReplace) + mode, mode == m_mode ? 1 : 0);
    }
}

BOOL CLoadInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_cursor.radio && m_cursor.radio->organisation().flat) {
        if (CWnd* bank = GetDlgItem(tr::kRadioStartBank)) {
            bank->DestroyWindow();
        }
    }
    Fill(false);
    m_summary = SummaryText();
    SetDlgItemText(tr::kSummary, m_summary);
    return TRUE;
}

void CLoadInfoDlg::OnRestoreDefaults() {
    Fill(true);
}

void CLoadInfoDlg::Refuse() {
    scan_message(m_hWnd, kMessageBadEntry);
}

std::optional<std::uint16_t> CLoadInfoDlg::ReadBank(int id) const {
    CString text;
    GetDlgItemText(id, text);
    const std::uint16_t first = m_cursor.radio ? m_cursor.radio->organisation().firstBank : 0;
    if (!Lettered()) {
        const auto bank = ParseNumber(text.GetString());
        // Below the first bank the transfer's bank index would wrap.
        return bank && *bank >= first ? bank : std::nullopt;
    }
    const char* letters = m_cursor.radio->organisation().bankLetters;
    const char* found =
        text.GetLength() == 1 && text[0] != '\0' ? std::strchr(letters, text[0]) : nullptr;
    if (!found) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(first + (found - letters));
}

void CLoadInfoDlg::OnOK() {
    if (!m_cursor.Permits()) {
        Refuse();
        return;
    }
    const std::uint16_t firstChannel =
        m_cursor.radio ? m_cursor.radio->organisation().firstChannel : 0;
    struct NumberField {
        int id;
        std::uint16_t TransferPosition::*field;
        std::uint16_t least;
    };
    const NumberField numbers[] = {
        {tr::kTotal, &TransferPosition::total, 0},
        {tr::kDocStartChannel, &TransferPosition::docStartChannel, firstChannel},
        {tr::kRadioStartChannel, &TransferPosition::radioStartChannel, firstChannel},
    };
    for (const NumberField& number : numbers) {
        CString text;
        GetDlgItemText(number.id, text);
        const auto value = ParseNumber(text.GetString());
        if (!value || *value < number.least) {
            m_cursor.*number.field = m_cursor.saved.*number.field;
            SetDlgItemInt(number.id, m_cursor.*number.field, FALSE);
            Refuse();
            return;
        }
        m_cursor.*number.field = *value;
    }
    const auto docBank = ReadBank(tr::kDocStartBank);
    if (!docBank) {
        m_cursor.docStartBank = m_cursor.saved.docStartBank;
        SetDlgItemText(tr::kDocStartBank, BankText(m_cursor.docStartBank));
        Refuse();
        return;
    }
    m_cursor.docStartBank = *docBank;
    m_cursor.radioStartBank = 0;
    if (GetDlgItem(tr::kRadioStartBank)) {
        if (Lettered()) {
            const auto radioBank = ReadBank(tr::kRadioStartBank);
            if (!radioBank) {
                m_cursor.radioStartBank = m_cursor.saved.radioStartBank;
                SetDlgItemText(tr::kRadioStartBank, BankText(m_cursor.radioStartBank));
                Refuse();
                return;
            }
            m_cursor.radioStartBank = *radioBank;
        } else {
            m_cursor.radioStartBank =
                static_cast<std::uint16_t>(GetDlgItemInt(tr::kRadioStartBank, nullptr, FALSE));
        }
    }
    m_mode = IsDlgButtonChecked(tr::kModeMerge)    ? kMerge
             : IsDlgButtonChecked(tr::kModeInsert) ? kInsert
                                                   : kReplace;
    m_cursor.replace = m_mode == kReplace ? TransferPosition::kSet : 0;
    m_cursor.insert = m_mode == kInsert ? TransferPosition::kSet : 0;
    m_cursor.merge = m_mode == kMerge ? TransferPosition::kSet : 0;
    EndDialog(IDOK);
}
