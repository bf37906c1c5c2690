#pragma once
// A device opened on a radio of the settings file, read back through its status record.

#include "EngineTest.h"
#include "platform/engine/sim/SimRadio.h"
#include "platform/engine/sim/SimRadios.h"

#include <string>

namespace hb::engine {

class DeviceLinkTest : public EngineTest {
protected:
    // Writes the settings file with one radio section per entry ("Name", "Type=..\nPort=..").
    static void Radios(const std::string& sections) {
        hb::win::ini::Seed(kSettings, "[Radios]\nRadio#1=Radio\n" + sections);
    }

    std::uint16_t Open(const char* name = "Radio") {
        const std::uint16_t device = scan_open_device(name, m_window.hwnd(), 0);
        EXPECT_FALSE(hb::records::IsFailureStatus(device)) << std::hex << device;
        return device;
    }

    static DeviceStatus Read(std::uint16_t device) {
        DeviceStatus status;
        scan_device_status(device, status.data());
        return status;
    }
    static bool Busy(std::uint16_t device) { return Read(device).get(DeviceStatus::kBusy) != 0; }
    static std::string Reply(std::uint16_t device) {
        return Read(device).text(DeviceStatus::kReply);
    }
    static bool ReplyPresent(std::uint16_t device) {
        return Read(device).get(DeviceStatus::kReplyPresent) != 0;
    }
    static parm Current(std::uint16_t device) {
        return Read(device).get(DeviceStatus::kCurrentParm);
    }
    std::size_t Posts() const { return m_window.Count(WM_RADIO_STATUS); }

    static sim::SimRadio& Radio(const char* name = "Radio") { return sim::RadioNamed(name); }

    // A memory as a transfer writes it: every field our protocol carries set.
    static parm Memory(std::uint16_t number, std::uint32_t frequency, const char* name) {
        parm record;
        record.set(parm::kMemoryChannel, number);
        record.set(parm::kFrequency, frequency);
        record.set(parm::kStep, 12'500);
        record.set(parm::kMode, 2);
        record.set(parm::Channel::kAttenuator, 1);
        record.set(parm::Channel::kLockOut, 1);
        record.set(parm::Channel::kTone, 1234);
        record.set(parm::Channel::kDelay, -2);
        record.setText(parm::kName, name);
        return record;
    }

    static parm Asking(std::uint16_t number) {
        parm record;
        record.set(parm::kMemoryChannel, number);
        record.set(parm::kMode, 0x10);
        return record;
    }
};

} // namespace hb::engine
