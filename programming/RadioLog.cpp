#include "programming/RadioLog.h"

#include "app/rig/Rig.h"
#include "platform/afx/Ddx.h"
#include "platform/tessary/app/LogControls.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/TimeFunctions.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/Window.h"

#include <cstring>
#include <ctime>
#include <string>
#include <string_view>

namespace {

using FieldDescriptor = CRadioLog::FieldDescriptor;

constexpr FieldDescriptor Descriptor(std::string_view name, char type, std::uint8_t length,
                                     std::uint8_t decimals) {
    FieldDescriptor row{};
    for (std::size_t i = 0; i < name.size(); ++i) {
        row[i] = static_cast<std::uint8_t>(name[i]);
    }
    row[11] = static_cast<std::uint8_t>(type);
    row[16] = length;
    row[17] = decimals;
    return row;
}

struct FlagText {
    std::uint32_t bit;
    const char* textLine;
    const char* csvLine;
};

// In the order the lines write them.
constexpr FlagText kFlagTexts[] = {
    {HistoryRecord::kFlagTimeOut, " T/O", "T/O "},
    {HistoryRecord::kFlagDsk, " DSK", "DSK "},
    {HistoryRecord::kFlagLockOut, " L/O", "L/O "},
    {HistoryRecord::kFlagTempLockOut, " TLK", "TLK "},
    {HistoryRecord::kFlagStored, " STO", "STO "},
    {HistoryRecord::kFlagSearchStore, " S/S", "S/S "},
    {HistoryRecord::kFlagAutoLockOut, " ALK", "ALK "},
    {HistoryRecord::kFlagMm, " M/M", "M/M "},
    {HistoryRecord::kFlagSad, " SAD", "SAD "},
};

std::string FlagTexts(std::uint32_t flags, const char* FlagText::*text) {
    std::string texts;
    for (const FlagText& flag : kFlagTexts) {
        if (flags & flag.bit) {
            texts += flag.*text;
        }
    }
    return texts;
}

const char* SkipBlanks(const std::string& text) {
    const char* p = text.c_str();
    while (*p == ' ') {
        ++p;
    }
    return p;
}

// A ',"' pair would end a quoted CSV field early.
CString Neutralised(CString text) {
    text.Trim(' ');
    std::string value = text.str();
    for (std::size_t at = value.find(",\""); at != std::string::npos;
         at = value.find(",\"", at + 2)) {
        value.replace(at, 2, "  ");
    }
    return value.c_str();
}

bool HasUserId(const HistoryRecord& record) {
    return (record.get(HistoryRecord::kFlags) & HistoryRecord::kFlagUserIdPresent) != 0;
}

std::string UserText(const HistoryRecord& record) {
    return SkipBlanks(format_user(record.get(HistoryRecord::kUserId)));
}

std::tm StartTime(const HistoryRecord& record) {
    std::tm local{};
    SafeLocalTime(static_cast<std::int64_t>(record.get(HistoryRecord::kTime)), &local);
    return local;
}

double AirTimeSeconds(const HistoryRecord& record) {
    return record.get(HistoryRecord::kAirTime) * 0.001;
}

struct Signals {
    int average;
    int lowest;
    int highest;
};

Signals SignalsOf(CRig& rig, const HistoryRecord& record) {
    return {rig.RadioRequest(static_cast<int>(record.get(HistoryRecord::kHitNumber2)),
                             static_cast<int>(record.get(HistoryRecord::kHitNumber1))),
            rig.RadioRequest(record.get(HistoryRecord::kHitByte1), 1),
            rig.RadioRequest(record.get(HistoryRecord::kHitByte2), 1)};
}

} // namespace

const std::array<FieldDescriptor, CRadioLog::kFieldCount> CRadioLog::LogFieldTable = {
    Descriptor("RADIO", 'C', 40, 6),    Descriptor("FREQUENCY", 'N', 12, 6),
    Descriptor("IDCODE", 'C', 12, 0),   Descriptor("NAME", 'C', 20, 0),
    Descriptor("YEAR", 'N', 4, 0),      Descriptor("JULIAN", 'N', 3, 0),
    Descriptor("MONTH", 'N', 2, 0),     Descriptor("DAY", 'N', 2, 0),
    Descriptor("HOUR", 'N', 2, 0),      Descriptor("MIN", 'N', 2, 0),
    Descriptor("SEC", 'N', 2, 0),       Descriptor("AIRTIME", 'N', 12, 3),
    Descriptor("SIGNALAVG", 'N', 6, 0), Descriptor("SIGNALMIN", 'N', 6, 0),
    Descriptor("SIGNALMAX", 'N', 6, 0), Descriptor("IDENT", 'C', 67, 0),
    Descriptor("LAT", 'N', 12, 8),      Descriptor("LON", 'N', 12, 8),
    Descriptor("ALT", 'N', 8, 1),       Descriptor("SPD", 'N', 5, 1),
    Descriptor("HDG", 'N', 5, 1),
};

BEGIN_MESSAGE_MAP(CRadioLog, CLog)
END_MESSAGE_MAP()

CRadioLog::CRadioLog(UINT nIDTemplate, CWnd* pParentWnd) : CLog(nIDTemplate, pParentWnd) {}

CRadioLog::~CRadioLog() {
    if (IsActive()) {
        Stop();
    }
}

void CRadioLog::DoDataExchange(CDataExchange* pDX) {
    CLog::DoDataExchange(pDX);
    DDX_Control(pDX, static_cast<int>(hb::tessary::log::kCaptionLabel), m_label);
}

BOOL CRadioLog::OnInitDialog() {
    CLog::OnInitDialog();
    m_label.SetCaption(GetCaption());
    return TRUE;
}

void CRadioLog::CheckDatabaseFields() {
    const DbaseTable& table = GetTable();
    const int count = table.FieldCount();
    bool matches =
        count == static_cast<int>(kShortFieldCount) || count == static_cast<int>(kFieldCount);
    for (int i = 0; matches && i < count; ++i) {
        const auto* stored = reinterpret_cast<const char*>(LogFieldTable[i].data());
        matches = table.FieldName(i) == std::string(stored, strnlen(stored, 11));
    }
    if (matches) {
        return;
    }
    SetDatabaseEnabled(FALSE);
    DBaseClose();
    MessageBeep(MB_ICONASTERISK);
    MessageBox(::IsWindow(m_hWnd) ? m_hWnd : HWND{},
               "The organization of the selected database does not match the requirements of "
               "this application. Please select a new or different database.",
               "Incorrect Database File Organization", MB_ICONHAND | MB_OK);
}

int CRadioLog::OffersDatabase() {
    return 1;
}

void CRadioLog::LogRecord(CString label, CRig* rig, const HistoryRecord* record, CString name) {
    if (!IsActive() || !rig || !record) {
        return;
    }
    std::tm now{};
    SafeLocalTime(hb::win::WallTime(), &now);
    const bool newDay = now.tm_yday != GetDayOfYear();
    SetDayOfYear(now.tm_yday);
    if (newDay) {
        Commit(0);
    }
    label = Neutralised(label);
    name = Neutralised(name);
    if (TextFile()) {
        WriteTextLine(label, rig, record, name);
        NoteWritten();
    }
    if (CsvFile()) {
        WriteCsvLine(label, rig, record, name);
        NoteWritten();
    }
    WriteDbaseRecord(label, rig, record, name);
}

void CRadioLog::WriteTextLine(CString label, CRig* rig, const HistoryRecord* record, CString name) {
    std::FILE* file = TextFile();
    std::fprintf(file, "%-13.13s ", label.GetString());
    std::fprintf(file, "%-13.13s ", rig->GetNameString().GetString());
    std::fprintf(file, "%13.13s ", SkipBlanks(format_freq(record->get(HistoryRecord::kFrequency))));
    if (HasUserId(*record)) {
        std::fprintf(file, "%10.10s ", UserText(*record).c_str());
    }
    const Signals signals = SignalsOf(*rig, *record);
    std::fprintf(file, "%04d %04d %04d ", signals.average, signals.lowest, signals.highest);
    std::fprintf(file, "%-20.20s ", name.GetString());
    const std::tm start = StartTime(*record);
    std::fprintf(file, "%2d/%02d/%04d %02d:%02d:%02d ", start.tm_mon + 1, start.tm_mday,
                 start.tm_year + 1900, start.tm_hour, start.tm_min, start.tm_sec);
    std::fprintf(file, "%09.1f", AirTimeSeconds(*record));
    std::fputs(FlagTexts(record->get(HistoryRecord::kFlags), &FlagText::textLine).c_str(), file);
    std::fputs("\n", file);
}

void CRadioLog::WriteCsvLine(CString label, CRig* rig, const HistoryRecord* record, CString name) {
    std::FILE* file = CsvFile();
    std::fprintf(file, "%c%s%c,", '"', label.GetString(), '"');
    std::fprintf(file, "%c%s%c,", '"', rig->GetNameString().GetString(), '"');
    std::fprintf(file, "%u,", record->get(HistoryRecord::kFrequency));
    if (HasUserId(*record)) {
        std::fprintf(file, "%c%s%c,", '"', UserText(*record).c_str(), '"');
    }
    const Signals signals = SignalsOf(*rig, *record);
    std::fprintf(file, "%d,%d,%d,", signals.average, signals.lowest, signals.highest);
    std::fprintf(file, "%c%s%c,", '"', name.GetString(), '"');
    const std::tm start = StartTime(*record);
    std::fprintf(file, "%02d/%02d/%04d,%02d:%02d:%02d,", start.tm_mon + 1, start.tm_mday,
                 start.tm_year + 1900, start.tm_hour, start.tm_min, start.tm_sec);
    std::fprintf(file, "%9.1f,", AirTimeSeconds(*record));
    std::fprintf(file, "%c", '"');
    std::fputs(FlagTexts(record->get(HistoryRecord::kFlags), &FlagText::csvLine).c_str(), file);
    std::fprintf(file, "%c", '"');
    std::fputs("\n", file);
}

std::vector<DbaseField> CRadioLog::DatabaseFields() const {
    std::vector<DbaseField> fields;
    for (const FieldDescriptor& row : LogFieldTable) {
        const auto* name = reinterpret_cast<const char*>(row.data());
        const char type = static_cast<char>(row[11]);
        fields.push_back(
            {std::string(name, strnlen(name, 11)), type, row[16], type == 'C' ? 0 : row[17]});
    }
    return fields;
}

void CRadioLog::WriteDbaseRecord(const CString& label, CRig* rig, const HistoryRecord* record,
                                 const CString& name) {
    if (!IsDatabaseEnabled() || !GetTable().IsOpen()) {
        return;
    }
    const std::tm start = StartTime(*record);
    const Signals signals = SignalsOf(*rig, *record);
    std::string ident =
        label.str() + FlagTexts(record->get(HistoryRecord::kFlags), &FlagText::textLine);
    const auto first = ident.find_first_not_of(' ');
    ident.erase(0, first == std::string::npos ? ident.size() : first);
    const DbaseValue idCode = HasUserId(*record) ? DbaseValue(UserText(*record)) : DbaseValue();
    AppendDbaseRecord({
        rig->GetNameString().str(),
        record->get(HistoryRecord::kFrequency) / 1e6,
        idCode,
        name.str(),
        static_cast<double>(start.tm_year + 1900),
        static_cast<double>(start.tm_yday + 1),
        static_cast<double>(start.tm_mon + 1),
        static_cast<double>(start.tm_mday),
        static_cast<double>(start.tm_hour),
        static_cast<double>(start.tm_min),
        static_cast<double>(start.tm_sec),
        AirTimeSeconds(*record),
        static_cast<double>(signals.average),
        static_cast<double>(signals.lowest),
        static_cast<double>(signals.highest),
        ident,
    });
}
