#pragma once
// The front panel of a radio window, in its least form: the form of the generic receiver, which
// starts the radio at its first update, names the window after the radio and keeps what it was
// asked to tune.
#include "platform/records/Parm.h"
#include "platform/tessary/app/EnhancedFormView.h"

#include <cstdint>
#include <vector>

class CRig;

class CRadioView : public CEnhancedFormView {
    DECLARE_DYNCREATE(CRadioView)

public:
    // A call the panel was asked to carry out, with its arguments.
    struct Call {
        const char* name;
        std::uint32_t first = 0;
        std::uint32_t second = 0;
    };

    CRadioView();

    // The view class of the rig's front panel.
    static CRuntimeClass* GetViewClass(CRig* rig);

    void OnInitialUpdate() override;
    // The document's title becomes the radio's name.
    void UpdateTitle();

    void LoadParmIntoActiveVfo(const parm* record, BOOL tune);
    void TuneFrequency(std::uint32_t frequency, BOOL tune);
    void SetManualChannel(std::uint32_t frequency, std::uint32_t mode);
    void OnDeviceOpen(WPARAM wParam, LPARAM lParam);
    // The panel has no manual mode yet.
    bool IsManualMode() const { return m_manualMode != 0; }

    // The radio, set by the radio window when it creates the view.
    CRig* m_rig = nullptr;
    std::vector<Call> m_calls;

private:
    std::uint8_t m_manualMode = 0;
};
