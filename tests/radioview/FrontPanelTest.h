#pragma once
// Fixture for the front panel tests: the program with the resource library, a receiver (or
// another radio) set up, and the panel of its radio window.
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <string>
#include <vector>

namespace hb::app::test {

class FrontPanelTest : public RadioWindowTest {
protected:
    static constexpr const char* kSection = "Receiver";
    static constexpr const char* kSectionKey = "Software\\Corvanta\\Halbridge Pro\\Receiver";

    // The program started on one radio "Receiver" of the type.
    void StartWith(int type) {
        Radios("[Radios]\nRadio#1=Receiver\n[Receiver]\nType=" + std::to_string(type) +
                   "\nPort=SIM\n",
               {{kSection, type}});
    }
    CRadioView* OpenPanel() {
        CRadioFrame* frame = OpenWindow();
        if (!frame) {
            return nullptr;
        }
        PumpUntilIdle();
        return frame->FrontPanel();
    }
    void CloseWindow() {
        if (CRadioFrame* frame = RadioWindow()) {
            frame->SendMessage(WM_CLOSE);
        }
        PumpUntilIdle();
    }
    int Profile(LPCSTR name, int fallback = -7) const {
        return app->GetProfileIntA(kSection, name, fallback);
    }
    std::string ProfileText(LPCSTR name) const {
        return app->GetProfileStringA(kSection, name, "<none>").str();
    }
    // A value of the radio's section key as stored: its type and bytes.
    static void SetBinary(LPCSTR name, DWORD type, const std::vector<BYTE>& bytes) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, kSectionKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                 &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueEx(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    }
    static std::vector<BYTE> Binary(LPCSTR name) {
        HKEY key;
        if (RegOpenKeyEx(HKEY_CURRENT_USER, kSectionKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return {};
        }
        DWORD type = 0;
        DWORD size = 0;
        std::vector<BYTE> bytes;
        if (RegQueryValueEx(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
            type == REG_BINARY) {
            bytes.resize(size);
            RegQueryValueEx(key, name, nullptr, &type, bytes.data(), &size);
        }
        RegCloseKey(key);
        return bytes;
    }
    static std::vector<BYTE> BytesOf(const parm& record) {
        std::vector<BYTE> bytes(sizeof(parm));
        record.copyTo(bytes);
        return bytes;
    }
    // A record as the radio would keep it on a VFO.
    static parm Record(std::uint32_t hz, std::uint8_t mode, const char* name) {
        parm record;
        record.set(parm::kFrequency, hz);
        record.set(parm::kMode, mode);
        record.set(parm::kStep, 12'500);
        record.setText(parm::kName, name);
        return record;
    }
};

} // namespace hb::app::test
