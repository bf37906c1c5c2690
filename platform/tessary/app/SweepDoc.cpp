#include "platform/tessary/app/SweepDoc.h"

#include "platform/tessary/model/Chan.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/SweepSettings.h"

IMPLEMENT_DYNCREATE(CSweepDoc, CObjectDoc)

CSweepDoc::CSweepDoc() : m_settings(std::make_unique<SweepSettings>()) {}

CSweepDoc::~CSweepDoc() = default;

hb::records::Parm& CSweepDoc::GetParm() {
    return m_settings->record();
}

Radio* CSweepDoc::GetRadio() {
    if (!m_radio || m_radio->RadioTypeCode() != m_settings->radioType()) {
        m_radio = Radio::CreateRadio(m_settings->radioType());
    }
    return m_radio.get();
}

void CSweepDoc::SetRadioType(std::uint8_t type) {
    m_settings->setRadioType(type);
}

BOOL CSweepDoc::OnOpenDocument(LPCSTR lpszPathName) {
    // The set-up wizard stores the range to sweep as a search range.
    std::unique_ptr<Object> root =
        ReadFileRoot(lpszPathName, "sweep settings", [](const Object* object) {
            return dynamic_cast<const SweepSettings*>(object) != nullptr ||
                   dynamic_cast<const Chan*>(object) != nullptr;
        });
    std::unique_ptr<SweepSettings> settings;
    if (auto* stored = dynamic_cast<SweepSettings*>(root.get())) {
        root.release();
        settings.reset(stored);
    } else if (const auto* range = dynamic_cast<const Chan*>(root.get())) {
        settings = std::make_unique<SweepSettings>();
        settings->record() = range->record();
    }
    if (!settings) {
        return FALSE;
    }
    DeleteContents();
    m_settings = std::move(settings);
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CSweepDoc::OnSaveDocument(LPCSTR lpszPathName) {
    return WriteRoot(lpszPathName, m_settings.get());
}

void CSweepDoc::DeleteContents() {
    m_settings = std::make_unique<SweepSettings>();
    m_seeded = 0;
}

bool CSweepDoc::HoldsObject(const Object& object) const {
    return &object == m_settings.get();
}
