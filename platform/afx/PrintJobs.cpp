#include "platform/afx/PrintJobs.h"

#include "platform/afx/CPrintInfo.h"
#include "platform/win/core/Hooks.h"

namespace hb::afx {

namespace {

struct PrintState {
    PrintPreparation preparation;
    std::vector<PrintJob> log;
};

PrintState& State() {
    static PrintState state;
    return state;
}

} // namespace

void SetPrintPreparation(PrintPreparation preparation) {
    State().preparation = std::move(preparation);
}

const std::vector<PrintJob>& PrintLog() {
    return State().log;
}

namespace detail {

bool PreparePrinting(CPrintInfo& info) {
    if (info.m_bPreview) {
        return true;
    }
    if (State().preparation) {
        return State().preparation(info);
    }
    if (hb::win::IsStrictMode()) {
        hb::win::ReportFailure("print dialog shown without a print-preparation hook");
        return false;
    }
    return true;
}

void LogPrintJob(PrintJob job) {
    State().log.push_back(std::move(job));
}

void ResetPrinting() {
    State() = PrintState{};
}

} // namespace detail
} // namespace hb::afx
