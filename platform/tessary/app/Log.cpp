#include "platform/tessary/app/Log.h"

#include "platform/afx/CFileDialog.h"
#include "platform/tessary/app/LogControls.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/TimeFunctions.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/Window.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>

IMPLEMENT_DYNAMIC(CLog, CDialog)

namespace {

using namespace hb::tessary::log;

std::tm LocalNow() {
    std::tm local{};
    SafeLocalTime(hb::win::WallTime(), &local);
    return local;
}

// A radio's name may hold characters a file name cannot.
CString FileNameOf(const CString& name) {
    std::string text = name.str();
    for (char& c : text) {
        if (c == '/') {
            c = '_';
        }
    }
    return text.c_str();
}

CString FileNamePart(const CString& path) {
    return std::filesystem::path(path.str()).filename().string().c_str();
}

} // namespace

BEGIN_MESSAGE_MAP(CLog, CDialog)
ON_BN_CLICKED(kTextLog, &CLog::OnTextLog)
ON_BN_CLICKED(kCsvLog, &CLog::OnCsvLog)
ON_BN_CLICKED(kDatabaseLog, &CLog::OnDatabaseLog)
ON_BN_CLICKED(kBrowse, &CLog::OnBrowse)
ON_BN_CLICKED(kStartStop, &CLog::OnStartStop)
END_MESSAGE_MAP()

CLog::CLog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

CLog::~CLog() {
    CloseDayFiles();
    m_table.Close();
}

CString CLog::SettingsSection() const {
    return m_name + "_ActivityLog";
}

int CLog::Setting(LPCSTR entry, int defaultValue) const {
    CScanApp* app = CScanApp::GetScanApp();
    return app ? app->GetProfileIntA(SettingsSection(), entry, defaultValue) : defaultValue;
}

CString CLog::LogsFolder() const {
    const CScanApp* app = CScanApp::GetScanApp();
    return app ? app->GetDocFolder() + "Logs/" : CString();
}

CString CLog::DatabasePath() const {
    const CString fallback = FileNameOf(m_name) + ".dbf";
    CScanApp* app = CScanApp::GetScanApp();
    CString path =
        app ? app->GetProfileStringA(SettingsSection(), "DatabaseFile", fallback) : fallback;
    if (path.IsEmpty()) {
        path = fallback;
    }
    if (!std::filesystem::path(path.str()).is_absolute()) {
        path = LogsFolder() + path;
    }
    return path;
}

void CLog::Start(LPCSTR name) {
    if (m_active) {
        Stop();
    }
    if (name && *name) {
        m_name = name;
    }
    m_problem.Empty();
    m_dayOfYear = LocalNow().tm_yday;
    m_written = FALSE;
    m_firstLineTime = 0;
    m_startTime = hb::win::WallTime();
    m_active = TRUE;
    OpenDayFiles();
    if (Setting("DatabaseLog", 0)) {
        DBaseOpen();
    }
    ShowState();
}

void CLog::Stop() {
    Commit(1);
    DBaseClose();
    m_active = FALSE;
    ShowState();
}

void CLog::Commit(int final) {
    CloseDayFiles();
    if (!final) {
        OpenDayFiles();
    }
    ShowState();
}

void CLog::OnTimer() {
    if (!m_unflushed) {
        return;
    }
    m_unflushed = FALSE;
    for (std::FILE* file : {m_textFile, m_csvFile}) {
        if (file) {
            std::fflush(file);
        }
    }
    if (m_table.IsOpen()) {
        m_table.Flush();
    }
}

void CLog::OpenDayFiles() {
    if (!m_textFile) {
        m_textFile = OpenDayFile("TextLog", ".txt", m_textPath);
    }
    if (!m_csvFile) {
        m_csvFile = OpenDayFile("CsvLog", ".csv", m_csvPath);
    }
}

void CLog::CloseDayFiles() {
    CloseFile(m_textFile, m_textPath);
    CloseFile(m_csvFile, m_csvPath);
    m_unflushed = FALSE;
}

void CLog::CloseFile(std::FILE*& file, CString& path) {
    if (file) {
        std::fclose(file);
        file = nullptr;
    }
    path.Empty();
}

std::FILE* CLog::OpenDayFile(LPCSTR entry, LPCSTR extension, CString& path) {
    path.Empty();
    if (!Setting(entry, 1)) {
        return nullptr;
    }
    const std::tm today = LocalNow();
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &today);
    const CString folder = LogsFolder();
    const CString name = FileNameOf(m_name) + " " + date + extension;
    if (folder.IsEmpty()) {
        Report("Cannot open " + name + ": there is no documents folder");
        return nullptr;
    }
    std::error_code ignored;
    std::filesystem::create_directories(folder.str(), ignored);
    std::FILE* file = std::fopen((folder + name).str().c_str(), "a");
    if (!file) {
        Report("Cannot open " + folder + name + ": " + std::strerror(errno));
        return nullptr;
    }
    path = folder + name;
    return file;
}

void CLog::DBaseOpen() {
    DBaseClose();
    const CString path = DatabasePath();
    std::string whyNot;
    std::error_code ignored;
    bool opened = false;
    if (std::filesystem::exists(path.str(), ignored)) {
        opened = m_table.Open(path.str(), &whyNot);
    } else if (const auto fields = DatabaseFields(); !fields.empty()) {
        std::filesystem::create_directories(std::filesystem::path(path.str()).parent_path(),
                                            ignored);
        opened = m_table.Create(path.str(), fields, &whyNot);
    } else {
        whyNot = "there is no such file";
    }
    if (!opened) {
        Report("Cannot open the table " + path + ": " + whyNot.c_str());
        return;
    }
    m_databaseEnabled = TRUE;
    CheckDatabaseFields();
}

void CLog::DBaseClose() {
    m_table.Close();
    m_databaseEnabled = FALSE;
}

void CLog::AppendDbaseRecord(const std::vector<DbaseValue>& values) {
    if (!m_databaseEnabled || !m_table.IsOpen()) {
        return;
    }
    const CString path = m_table.Path().c_str();
    if (!m_table.Append(values)) {
        DBaseClose();
        Report("Cannot add a record to the table " + path);
        return;
    }
    NoteWritten();
}

void CLog::NoteWritten() {
    if (!m_written) {
        m_firstLineTime = hb::win::WallTime();
    }
    m_written = TRUE;
    m_unflushed = TRUE;
}

void CLog::Report(const CString& problem) {
    CScanApp::Trace(__FILE__, __LINE__);
    m_problem = problem;
    ShowState();
}

void CLog::CheckDatabaseFields() {}

int CLog::OffersDatabase() {
    return 0;
}

void CLog::LogRecord(CString, CRig*, const HistoryRecord*, CString) {}

void CLog::WriteTextLine(CString, CRig*, const HistoryRecord*, CString) {}

void CLog::WriteCsvLine(CString, CRig*, const HistoryRecord*, CString) {}

std::vector<DbaseField> CLog::DatabaseFields() const {
    return {};
}

void CLog::SetCaption(LPCSTR caption) {
    m_caption = caption ? caption : "";
    if (::IsWindow(m_hWnd)) {
        SetWindowText(m_caption);
    }
}

BOOL CLog::OnInitDialog() {
    const BOOL result = CDialog::OnInitDialog();
    if (!m_caption.IsEmpty()) {
        SetWindowText(m_caption);
    }
    ShowState();
    return result;
}

void CLog::ShowState() {
    if (!::IsWindow(m_hWnd)) {
        return;
    }
    CheckDlgButton(kTextLog, Setting("TextLog", 1) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kCsvLog, Setting("CsvLog", 1) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kDatabaseLog, Setting("DatabaseLog", 0) ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(kDatabaseFile, DatabasePath());
    const BOOL database = OffersDatabase() == 1;
    for (const UINT id : {kDatabaseLog, kDatabaseFile, kBrowse}) {
        if (CWnd* control = GetDlgItem(static_cast<int>(id))) {
            control->EnableWindow(database);
        }
    }
    SetDlgItemText(kTextFile, m_textPath.IsEmpty() ? CString("(off)") : FileNamePart(m_textPath));
    SetDlgItemText(kCsvFile, m_csvPath.IsEmpty() ? CString("(off)") : FileNamePart(m_csvPath));
    CString status = "Not logging";
    if (m_active) {
        std::tm since{};
        char text[48] = "";
        if (SafeLocalTime(m_startTime, &since)) {
            std::strftime(text, sizeof text, "Logging since %H:%M:%S", &since);
        }
        status = text;
    }
    SetDlgItemText(kStatus, status);
    SetDlgItemText(kProblem, m_problem);
    SetDlgItemText(kStartStop, m_active ? "Stop" : "Start");
}

void CLog::WriteSetting(LPCSTR entry, int value) {
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->WriteProfileInt(SettingsSection(), entry, value);
    }
}

void CLog::ApplyFileSink(UINT id, LPCSTR entry, LPCSTR extension, std::FILE*& file, CString& path) {
    WriteSetting(entry, IsDlgButtonChecked(static_cast<int>(id)) ? 1 : 0);
    if (m_active) {
        CloseFile(file, path);
        file = OpenDayFile(entry, extension, path);
    }
    ShowState();
}

void CLog::OnTextLog() {
    ApplyFileSink(kTextLog, "TextLog", ".txt", m_textFile, m_textPath);
}

void CLog::OnCsvLog() {
    ApplyFileSink(kCsvLog, "CsvLog", ".csv", m_csvFile, m_csvPath);
}

void CLog::OnDatabaseLog() {
    const BOOL on = IsDlgButtonChecked(kDatabaseLog) != 0;
    WriteSetting("DatabaseLog", on ? 1 : 0);
    if (m_active) {
        if (on) {
            DBaseOpen();
        } else {
            DBaseClose();
        }
    }
    ShowState();
}

void CLog::OnBrowse() {
    CFileDialog dialog(FALSE, "dbf", DatabasePath(), OFN_HIDEREADONLY,
                       "dBASE tables (*.dbf)|*.dbf||", this);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    CScanApp* app = CScanApp::GetScanApp();
    if (app) {
        app->WriteProfileString(SettingsSection(), "DatabaseFile", dialog.GetPathName());
    }
    if (m_active && Setting("DatabaseLog", 0)) {
        DBaseOpen();
    }
    ShowState();
}

void CLog::OnStartStop() {
    if (m_active) {
        Stop();
    } else {
        Start(m_name);
    }
}
