#include "programming/RadioLog.h"

CRadioLog::CRadioLog() : CLog(kDialogId) {}

CRadioLog::~CRadioLog() {
    if (IsActive()) {
        Stop();
    }
}

void CRadioLog::LogRecord(CString, CRig*, const HistoryRecord*, CString name) {
    m_loggedNames.push_back(name);
}
