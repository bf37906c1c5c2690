#pragma once
// The document of a spectrum analyzer or band scope window: one SweepSettings object, saved as
// the template's file (.swa, .swv) in the core document format. It keeps a Radio of its settings'
// radio type, and the mark of settings seeded from a radio window.

#include "platform/records/Parm.h"
#include "platform/tessary/app/ObjectDoc.h"

#include <cstdint>
#include <memory>

class Radio;
class SweepSettings;

class CSweepDoc : public CObjectDoc {
    DECLARE_DYNCREATE(CSweepDoc)

public:
    static constexpr std::uint8_t kSeeded = 0xFF;

    CSweepDoc();
    ~CSweepDoc() override;

    SweepSettings& GetObject() { return *m_settings; }
    hb::records::Parm& GetParm();

    std::uint8_t m_seeded = 0;

    // The radio of the settings' type; null for a type the table does not know.
    Radio* GetRadio();
    void SetRadioType(std::uint8_t type);

    BOOL OnOpenDocument(LPCSTR lpszPathName) override;
    BOOL OnSaveDocument(LPCSTR lpszPathName) override;
    void DeleteContents() override;
    bool HoldsObject(const Object& object) const override;

private:
    std::unique_ptr<SweepSettings> m_settings;
    std::unique_ptr<Radio> m_radio;
};
