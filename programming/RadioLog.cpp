#include "programming/RadioLog.h"

CRadioLog::CRadioLog() : CLog(kDialogId) {}

CRadioLog::~CRadioLog() {
    if (IsActive()) {
        Stop();
    }
}
