#pragma once
// Printing goes to recording DCs. The print dialog is a hook: it may change the job (pages, user
// data) and accepts or cancels it. In strict mode printing without a hook is a failure and
// cancels; otherwise the job is accepted as it is. Print preview asks nobody.
#include "platform/win/gdi/DisplayList.h"

#include <functional>
#include <string>
#include <vector>

class CPrintInfo;

namespace hb::afx {

using PrintPreparation = std::function<bool(CPrintInfo&)>;
void SetPrintPreparation(PrintPreparation preparation);

// The printable page: US Letter at 96 dots per inch.
inline constexpr int kPrintPageWidth = 816;
inline constexpr int kPrintPageHeight = 1056;

struct PrintedPage {
    UINT number = 0;
    // What the view drew for the page.
    hb::win::DisplayList list;
};

struct PrintJob {
    // The document's title, or the view's window text without a document.
    std::string title;
    bool preview = false;
    std::vector<PrintedPage> pages;
};

// Every job printed or previewed, in order.
const std::vector<PrintJob>& PrintLog();

namespace detail {

bool PreparePrinting(CPrintInfo& info);
void LogPrintJob(PrintJob job);
void ResetPrinting();

} // namespace detail
} // namespace hb::afx
