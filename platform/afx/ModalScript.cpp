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
        // Nobody can answer it: press its default button, as Enter would, and say so.
        std::cerr << "halbridge: dialog \"" << record.caption
                  << "\" answered with its default button" << std::endl;
        PressKey(dialog.m_hWnd, VK_RETURN);
    }
    return index;
}

void ModalEnded(std::size_t index, int result) {
    if (index < State().log.size()) {
        State().log[index].result = result;
    }
}

void ResetModals() {
    State() = Modals{};
}

} // namespace detail
} // namespace hb::afx
