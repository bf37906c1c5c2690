// The trace file and the error messages.
#include "platform/afx/CWnd.h"
#include "platform/records/StatusCodes.h"
#include "platform/tessary/app/AppHooks.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/TimeFunctions.h"
#include "platform/win/core/MessageBox.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr std::uint64_t kTicksPerMs = 10'000;
constexpr std::int64_t kEpochDifferenceMs = 11'644'473'600'000; // 1601-01-01 to 1970-01-01

} // namespace

void CScanApp::Trace(LPCSTR source, int line) {
    const char* path = std::getenv("HB_TRACE");
    if (!path || !*path) {
        return;
    }
    std::FILE* file = std::fopen(path, "a");
    if (!file) {
        return;
    }
    const auto ms = static_cast<std::int64_t>(GetLongTimeNow() / kTicksPerMs) - kEpochDifferenceMs;
    std::tm local{};
    char stamp[32] = "";
    if (SafeLocalTime(ms / 1000, &local)) {
        std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    }
    std::fprintf(file, "%s.%03d %s(%d)\n", stamp, static_cast<int>(ms % 1000), source ? source : "",
                 line);
    std::fclose(file);
}

void CScanApp::ErrorMessage(LPCSTR who, LPCSTR title, LPCSTR source, int ref, std::uint16_t status,
                            std::uint32_t type, int reserved) {
    hb::tessary::detail::RecordErrorMessage(
        {who ? who : "", title ? title : "", source ? source : "", ref, status, type, reserved});
    CString text;
    text.Format("%s: %s failed with status 0x%04X (%s, %d).", who ? who : "", title ? title : "",
                status, source ? source : "", ref);
    // A status the records know says what to fix, such as a port in use.
    if (const char* reason = hb::records::StatusText(status); *reason != '\0') {
        text += "\n";
        text += reason;
    }
    const HWND owner = m_pMainWnd ? m_pMainWnd->m_hWnd : HWND{};
    MessageBox(owner, text, title ? title : "", type);
}
