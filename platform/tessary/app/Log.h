#pragma once
// The logging dialog an activity log is built on. Its owner starts a logging run with the radio's
// name, ticks it from its timer and stops it when it goes. A run appends each logged record to the
// day's text and comma-separated files, "<name> YYYY-MM-DD.txt" and ".csv" in the documents
// folder's "Logs", and, when the user turns it on, to a dBASE table. The derived log writes the
// lines; this base owns the files, the table, the daily change of files and the dialog (DoModal),
// whose changes apply to a running log at once. Settings: the user section "<name>_ActivityLog".

#include "platform/afx/CDialog.h"
#include "platform/afx/CString.h"
#include "platform/records/HistoryRecord.h"
#include "platform/tessary/app/DbaseTable.h"

#include <cstdint>
#include <cstdio>
#include <vector>

class CRig;

class CLog : public CDialog {
    DECLARE_DYNAMIC(CLog)

public:
    // No parent: the log belongs to a window but is not its child.
    explicit CLog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Closes what is open without calling the derived log.
    ~CLog() override;

    // Reads the settings, takes today as the run's day and opens the sinks turned on.
    void Start(LPCSTR name);
    // Commit(1), the table closed, inactive.
    void Stop();
    // Closes the day's files; 0 then opens today's.
    void Commit(int final);
    void DBaseClose();
    // The owner's periodic tick: what was written since the last one reaches the disk.
    void OnTimer();

    BOOL IsActive() const { return m_active; }
    const CString& GetName() const { return m_name; }
    // Shown as the dialog's title whenever it is open (the template's title until one is set).
    void SetCaption(LPCSTR caption);
    const CString& GetCaption() const { return m_caption; }
    BOOL HasWritten() const { return m_written; }
    // Seconds since 1970 of the run's first line; 0 before it.
    std::int64_t GetFirstLineTime() const { return m_firstLineTime; }
    // Local day of the year (0-365) of the last record, or of the start.
    int GetDayOfYear() const { return m_dayOfYear; }
    BOOL IsDatabaseEnabled() const { return m_databaseEnabled; }
    const DbaseTable& GetTable() const { return m_table; }
    // The day's files as opened last; empty when that sink is off.
    const CString& GetTextPath() const { return m_textPath; }
    const CString& GetCsvPath() const { return m_csvPath; }
    // Why the last sink that could not be opened or written is closed; empty when none.
    const CString& GetProblem() const { return m_problem; }
    CString SettingsSection() const;

    // Called once a table has been opened; nothing here.
    virtual void CheckDatabaseFields();
    // Whether the log offers a database at all: its dialog's database controls follow it.
    virtual int OffersDatabase();
    virtual void LogRecord(CString label, CRig* rig, const HistoryRecord* record, CString name);
    virtual void WriteTextLine(CString label, CRig* rig, const HistoryRecord* record, CString name);
    virtual void WriteCsvLine(CString label, CRig* rig, const HistoryRecord* record, CString name);
    // The organisation a missing table is created with; none here, so none is created.
    virtual std::vector<DbaseField> DatabaseFields() const;

    BOOL OnInitDialog() override;

protected:
    // Appends a record while the database is on; a failed append closes the table and says so.
    void AppendDbaseRecord(const std::vector<DbaseValue>& values);
    // Something was written to a sink: the run's first line and the next tick's flush.
    void NoteWritten();
    void SetDayOfYear(int day) { m_dayOfYear = day; }
    void SetDatabaseEnabled(BOOL enabled) { m_databaseEnabled = enabled; }
    std::FILE* TextFile() const { return m_textFile; }
    std::FILE* CsvFile() const { return m_csvFile; }

    DECLARE_MESSAGE_MAP()

private:
    void OpenDayFiles();
    void CloseDayFiles();
    // The day's file of a sink opened for appending when its setting is on; null otherwise.
    std::FILE* OpenDayFile(LPCSTR entry, LPCSTR extension, CString& path);
    static void CloseFile(std::FILE*& file, CString& path);
    void DBaseOpen();
    void Report(const CString& problem);
    CString LogsFolder() const;
    CString DatabasePath() const;
    int Setting(LPCSTR entry, int defaultValue) const;
    void ShowState();
    void WriteSetting(LPCSTR entry, int value);
    // A file sink's check box: the setting, then the day's file opened or closed at once.
    void ApplyFileSink(UINT id, LPCSTR entry, LPCSTR extension, std::FILE*& file, CString& path);
    void OnTextLog();
    void OnCsvLog();
    void OnDatabaseLog();
    void OnBrowse();
    void OnStartStop();

    BOOL m_active = FALSE;
    BOOL m_written = FALSE;
    BOOL m_unflushed = FALSE;
    std::int64_t m_startTime = 0;
    std::int64_t m_firstLineTime = 0;
    int m_dayOfYear = -1;
    std::FILE* m_textFile = nullptr;
    std::FILE* m_csvFile = nullptr;
    BOOL m_databaseEnabled = FALSE;
    DbaseTable m_table;
    CString m_name = "Activity";
    CString m_caption;
    CString m_textPath;
    CString m_csvPath;
    CString m_problem;
};
