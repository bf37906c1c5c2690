#pragma once
// Modal dialogs under a test: each one shown runs the script set for it after OnInitDialog. A
// script may set controls, click buttons (hb::afx::ClickButton), press keys (hb::afx::PressKey)
// or call EndDialog; when it leaves the dialog open, the dialog's own loop runs. In strict mode a
// modal without a script is a failure and ends with IDCANCEL. Without a display and a script, a
// modal gets its default button pressed, and is cancelled when that leaves it open.

#include "platform/win/WinTypes.h"

#include <functional>
#include <string>
#include <vector>

class CDialog;

namespace hb::afx {

using ModalScript = std::function<void(CDialog&)>;

// By template id, or by runtime-class name; the template id is tried first. An empty script
// removes the entry.
void SetModalScript(UINT templateId, ModalScript script);
void SetModalScript(const std::string& className, ModalScript script);

struct ModalRecord {
    UINT templateId = 0;
    std::string className;
    // The caption when the dialog was shown.
    std::string caption;
    // -1 until the dialog has ended.
    int result = -1;
};

// Every modal dialog shown, in order.
const std::vector<ModalRecord>& ModalLog();

// The program is on its way out: every modal dialog running ends with IDCANCEL, and so does each
// one shown from now on, before its script.
void CancelModals();

namespace detail {

// Logs the dialog and runs its script; returns the log index for ModalEnded.
std::size_t ModalShown(CDialog& dialog);
void ModalEnded(std::size_t index, int result);
void ResetModals();

} // namespace detail
} // namespace hb::afx
