#pragma once
// Fixture for the application base: a scratch HALBRIDGE_HOME (from ModelTest) and an application
// object that records the calls the base makes back into it.

#include "platform/tessary/app/ScanApp.h"
#include "tests/platform/tessary/ModelTest.h"

#include <string>
#include <vector>

namespace hb::tessary::test {

class CRecordingApp : public CScanApp {
public:
    CRecordingApp() : CScanApp("Halbridge Pro") {}

    void CopySampleSettings() override {
        calls.push_back("CopySampleSettings " + GetSettingsFile().str());
    }
    void AdjustColors(BYTE depth) override {
        CScanApp::AdjustColors(depth);
        calls.push_back("AdjustColors " + std::to_string(depth));
    }
    void ApplyVisualStyle(CWnd* parent) override { styled.push_back(parent); }
    void TailorRadioFunctions(Radio* radio) override { tailored.push_back(radio); }

    std::vector<std::string> calls;
    std::vector<CWnd*> styled;
    std::vector<Radio*> tailored;
};

class ScanAppTest : public ModelTest {
protected:
    static constexpr product kProduct{"Corvanta", {9, 1, 4, 17}, {0x1234, 0x0042}};

    CRecordingApp app;
};

} // namespace hb::tessary::test
