#pragma once
// A front panel that keeps the tuning calls the radio window makes of it, for the window's own
// tests. While a PanelRecording lives, every panel made through CRadioView's runtime class is one.
#include "radioview/RadioView.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hb::app::test {

class CRecordingPanel : public CRadioView {
public:
    struct Call {
        std::string name;
        std::uint32_t first = 0;
        std::uint32_t second = 0;
    };

    std::vector<Call> calls;

    void LoadParmIntoActiveVfo(parm* rec, int notify) override {
        calls.push_back(
            {"LoadParmIntoActiveVfo", rec ? 1u : 0u, static_cast<std::uint32_t>(notify)});
    }
    void TuneFrequency(UINT hz, int notify) override {
        calls.push_back({"TuneFrequency", hz, static_cast<std::uint32_t>(notify)});
    }
    void SetManualChannel(UINT hz, BYTE mode) override {
        calls.push_back({"SetManualChannel", hz, mode});
    }
    void RefreshFromDevice() override { calls.push_back({"RefreshFromDevice"}); }
};

class PanelRecording {
public:
    PanelRecording() : m_create(RUNTIME_CLASS(CRadioView)->m_pfnCreateObject) {
        RUNTIME_CLASS(CRadioView)->m_pfnCreateObject = []() -> CObject* {
            return new CRecordingPanel;
        };
    }
    ~PanelRecording() { RUNTIME_CLASS(CRadioView)->m_pfnCreateObject = m_create; }
    PanelRecording(const PanelRecording&) = delete;
    PanelRecording& operator=(const PanelRecording&) = delete;

    static CRecordingPanel& Of(CRadioFrame& frame) {
        return dynamic_cast<CRecordingPanel&>(*frame.FrontPanel());
    }

private:
    CObject* (*m_create)();
};

} // namespace hb::app::test
