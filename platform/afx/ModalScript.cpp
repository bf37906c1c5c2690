#include "platform/afx/ModalScript.h"

#include "platform/afx/CDialog.h"
#include "platform/afx/Input.h"

#include <iostream>
#include <map>

namespace hb::afx {

namespace {

struct Modals {
    std::map<UINT, ModalScript> byTemplate;
    std::map<std::string, ModalScript> byClass;
    std::vector<ModalRecord> log;
    // The dialogs running, by their log index.
    std::map<std::size_t, CDialog*> running;
    bool cancelling = false;
};

Modals& State() {
    static Modals modals;
    return modals;
}

template <class Key>
void SetScript(std::map<Key, ModalScript>& scripts, const Key& key, ModalScript script) {
    if (script) {
        scripts[key] = std::move(script);
    } else {
        scripts.erase(key);
    }
}

const ModalScript* FindScript(UINT templateId, const std::string& className) {
    const auto& state = State();
    if (const auto it = state.byTemplate.find(templateId);
        templateId && it != state.byTemplate.end()) {
        return &it->second;
    }
    const auto it = state.byClass.find(className);
    return it == state.byClass.end() ? nullptr : &it->second;
}

void Say(const ModalRecord& record, const char* what) {
    std::cerr << "halbridge: dialog \"" << record.caption << "\" " << what << std::endl;
}

// Nobody can answer it: its default button is pressed, as Enter would; when that leaves it open
// (OK with nothing chosen, say), it is cancelled, so that nothing waits for an answer.
void AnswerHeadless(CDialog& dialog, const ModalRecord& record) {
    Say(record, "answered with its default button");
    const HWND hwnd = dialog.m_hWnd;
    PressKey(hwnd, VK_RETURN);
    if (::IsWindow(hwnd) && !dialog.IsEnded()) {
        Say(record, "still open after its default button: cancelled");
        dialog.EndDialog(IDCANCEL);
    }
}

} // namespace

void SetModalScript(UINT templateId, ModalScript script) {
    SetScript(State().byTemplate, templateId, std::move(script));
}

void SetModalScript(const std::string& className, ModalScript script) {
    SetScript(State().byClass, className, std::move(script));
}

const std::vector<ModalRecord>& ModalLog() {
    return State().log;
}

void CancelModals() {
    State().cancelling = true;
    for (const auto& [index, dialog] : State().running) {
        if (!dialog->IsEnded()) {
            dialog->EndDialog(IDCANCEL);
        }
    }
}

namespace detail {

std::size_t ModalShown(CDialog& dialog) {
    ModalRecord record;
    record.templateId = dialog.GetTemplateId();
    record.className = dialog.GetRuntimeClass()->m_lpszClassName;
    CString caption;
    dialog.GetWindowText(caption);
    record.caption = caption.str();
    State().log.push_back(record);
    const std::size_t index = State().log.size() - 1;
    State().running[index] = &dialog;

    if (State().cancelling) {
        Say(record, "cancelled: the program is closing");
        dialog.EndDialog(IDCANCEL);
        return index;
    }
    // A copy: the script may replace the scripts.
    if (const ModalScript* found = FindScript(record.templateId, record.className)) {
        const ModalScript script = *found;
        script(dialog);
    } else if (hb::win::IsStrictMode()) {
        hb::win::ReportFailure("unexpected modal dialog " + std::to_string(record.templateId) +
                               " (" + record.className + ", \"" + record.caption +
                               "\"): no modal script");
        dialog.EndDialog(IDCANCEL);
    } else if (!hb::win::IsInteractive()) {
        AnswerHeadless(dialog, record);
    }
    return index;
}

void ModalEnded(std::size_t index, int result) {
    State().running.erase(index);
    if (index < State().log.size()) {
        State().log[index].result = result;
    }
}

void ResetModals() {
    State() = Modals{};
}

} // namespace detail
} // namespace hb::afx
