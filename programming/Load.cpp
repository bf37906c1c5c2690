// The transaction layer of the memory transfer: one text command at a time to the radio.
#include "app/rig/Rig.h"
#include "platform/afx/CWnd.h"
#include "platform/engine/EngineApi.h"
#include "platform/tessary/app/ObjectDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/MessageLoop.h"
#include "platform/win/core/Timers.h"
#include "programming/Loader.h"
#include "resources/program/TransferIds.h"

#include <optional>

namespace {

using hb::records::DeviceStatus;

constexpr LPCSTR kTransferErrorCaption = "Data Transfer Error";
// Keeps a wait checking the clock when the engine posts nothing.
constexpr UINT_PTR kWaitTimer = 0x4C57;
constexpr UINT kWaitTickMs = 100;
// The engine's pause after a command that got no reply.
constexpr std::uint32_t kNoReplyPauseMs = 300;

// "Load" of "programming/Load.cpp".
std::string BaseName(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    if (slash != std::string_view::npos) {
        path.remove_prefix(slash + 1);
    }
    const auto dot = path.rfind('.');
    return std::string(dot == std::string_view::npos ? path : path.substr(0, dot));
}

class WaitTimer {
public:
    explicit WaitTimer(HWND window) : m_window(window) {
        if (m_window) {
            ::SetTimer(m_window, kWaitTimer, kWaitTickMs);
        }
    }
    ~WaitTimer() {
        if (m_window && ::IsWindow(m_window)) {
            ::KillTimer(m_window, kWaitTimer);
        }
    }
    WaitTimer(const WaitTimer&) = delete;
    WaitTimer& operator=(const WaitTimer&) = delete;

private:
    HWND m_window;
};

} // namespace

CString CLoader::RigName() const {
    return m_rig ? m_rig->GetNameString() : CString();
}

std::string CLoader::Reply() const {
    return m_device_status.text(DeviceStatus::kReply);
}

bool CLoader::EraseRadio(std::uint32_t waitMs, CLoadProgressDlg* dialog) {
    if (m_rig->RawCommand("AC\r") != 0) {
        return true;
    }
    const std::uint16_t waited = WaitReply(waitMs, dialog);
    if (waited == kStatusStopped) {
        return false;
    }
    // A radio that did not answer may not have erased anything.
    m_erased = waited == 0 && m_device_status.get(DeviceStatus::kReplyPresent) != 0;
    return true;
}

void CLoader::AppendCommand(LPCSTR text) {
    if (text) {
        m_command += text;
    }
}

int CLoader::SendCommand(LPCSTR text, int ref, CLoadProgressDlg* dialog) {
    AppendCommand(text);
    return Transact(ref, dialog);
}

int CLoader::Transact(int ref, CLoadProgressDlg* dialog) {
    if (DialogStopped(dialog)) {
        m_command.clear();
        return 1;
    }
    m_device_status.setText(DeviceStatus::kTransmit, m_command.substr(0, kCommandLimit));
    m_last_command = m_device_status.text(DeviceStatus::kTransmit);
    m_command.clear();
    CScanApp* app = CScanApp::GetScanApp();
    const std::uint16_t sent = m_rig ? m_rig->RawCommand(m_last_command.c_str()) : 0xFFFF;
    if (sent) {
        app->ErrorMessage(RigName(), m_last_command.c_str(), kSourcePath, ref, sent, 0x10, 0);
        return -1;
    }
    const std::uint16_t waited = WaitReply(m_reply_timeout, dialog);
    if (DialogStopped(dialog)) {
        return 1;
    }
    if (waited) {
        ReportTransferError(kSourcePath, ref);
        return -1;
    }
    const std::uint16_t read = m_rig->DeviceStatus(m_device_status.data());
    if (read) {
        app->ErrorMessage(RigName(), m_last_command.c_str(), kSourcePath, ref, read, 0x10, 0);
        return -1;
    }
    if (!m_device_status.get(DeviceStatus::kReplyPresent)) {
        ReportTransferError(kSourcePath, ref);
        scan_delay(kNoReplyPauseMs);
        return -1;
    }
    return 0;
}

std::uint16_t CLoader::WaitReply(std::uint32_t limit, CLoadProgressDlg* dialog) {
    DWORD start = GetTickCount();
    const HWND dialogWindow = dialog ? dialog->m_hWnd : HWND{};
    const WaitTimer timer(dialogWindow ? dialogWindow : m_owner ? m_owner->m_hWnd : HWND{});
    std::optional<std::uint16_t> result;
    // The device is looked at only once a message has come, as the engine announces its work.
    bool arrived = false;
    const auto keepGoing = [&] {
        if (!arrived) {
            return true;
        }
        arrived = false;
        std::uint16_t status = m_rig ? m_rig->DeviceStatus(m_device_status.data()) : 0;
        if (status) {
            result = status;
            return false;
        }
        if (!m_device_status.get(DeviceStatus::kBusy)) {
            result = 0;
            return false;
        }
        const DWORD now = GetTickCount();
        if (now < start) {
            start = now; // the counter wrapped: the whole limit applies from here
        } else if (now - start >= limit) {
            status = kStatusTimeout;
        }
        if (DialogStopped(dialog)) {
            result = kStatusStopped;
        } else if (status) {
            result = status;
        }
        return !result;
    };
    const auto preTranslate = [&](const MSG& msg) {
        arrived = true;
        if (!dialogWindow || !::IsWindow(dialogWindow) ||
            (msg.hwnd != dialogWindow && !::IsChild(dialogWindow, msg.hwnd))) {
            return false;
        }
        MSG copy = msg;
        return CWnd::WalkPreTranslateTree(dialogWindow, &copy) != FALSE;
    };
    if (hb::win::RunNestedLoop(keepGoing, preTranslate)) {
        // The program is quitting (the quit is posted again for the outer loop): the transfer
        // ends quietly, as after Stop.
        if (dialog) {
            dialog->Abort();
        } else {
            m_aborted = true;
        }
        return kStatusStopped;
    }
    return result.value_or(kStatusStopped);
}

std::string CLoader::TransferErrorText(int ref, const std::string& file,
                                       const std::string& transmit) const {
    CString failure;
    failure.LoadString(hb::resources::transfer::kTransferErrorString);
    CString detail;
    detail.Format("\n\n\tRef:\t%d\n\tFile:\t%s\n\tTX Data:\t%s\n\tRX Data:\t%s", ref, file.c_str(),
                  transmit.c_str(), Reply().c_str());
    return std::string(failure.GetString()) + detail.GetString();
}

int CLoader::ShowTransferBox(const std::string& text, UINT type) const {
    MessageBeep(MB_ICONASTERISK);
    const HWND owner = m_owner ? m_owner->m_hWnd : HWND{};
    return ::MessageBox(owner, text.c_str(), kTransferErrorCaption, type);
}

void CLoader::ReportTransferError(LPCSTR source, int ref) {
    ShowTransferBox(TransferErrorText(ref, BaseName(source ? source : ""), m_last_command),
                    MB_OK | MB_ICONHAND);
}

int CLoader::AskAbortRetryIgnore(LPCSTR, int ref) {
    const std::string path = m_document ? m_document->GetPathName().GetString() : "";
    const int answer =
        ShowTransferBox(TransferErrorText(ref, path, m_device_status.text(DeviceStatus::kTransmit)),
                        MB_ABORTRETRYIGNORE | MB_ICONHAND);
    if (answer == IDRETRY) {
        return -1;
    }
    if (answer == IDIGNORE) {
        return 0;
    }
    m_aborted = true;
    return 1;
}
