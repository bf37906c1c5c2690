#pragma once
// The activity log of a radio window: one per window, on the log dialog 1609, started with the
// radio's name once the window is laid out and stopped when it goes. It writes no files yet: each
// logged hit is only kept, by name, until the log's own line formats exist.

#include "platform/afx/CString.h"
#include "platform/records/HistoryRecord.h"
#include "platform/tessary/app/Log.h"

#include <vector>

class CRig;

class CRadioLog : public CLog {
public:
    static constexpr UINT kDialogId = 1609;

    CRadioLog();
    // A log still running is stopped first.
    ~CRadioLog() override;

    // One logged transmission of the rig; the record is only read.
    virtual void LogRecord(CString label, CRig* rig, const HistoryRecord* record, CString name);
    const std::vector<CString>& LoggedNames() const { return m_loggedNames; }

private:
    std::vector<CString> m_loggedNames;
};
