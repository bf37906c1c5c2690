// The rig's engine and device operations and its link to the radio's audio logger. Results are
// the engine's 16-bit statuses; no forwarder checks them.
#include "app/rig/Rig.h"
#include "app/rig/RigList.h"
#include "audio/AudioLogClient.h"
#include "platform/afx/CWnd.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/MixerLines.h"
#include "platform/records/PrivateMessages.h"
#include "platform/records/StatusCodes.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/Mixer.h"
#include "platform/tessary/model/Radio.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

using hb::records::EngineCommandRecord;
using hb::records::IsFailureStatus;

HWND HandleOf(const CWnd* window) {
    return window ? window->GetSafeHwnd() : HWND{};
}

// Copies the current channel out of a status record the engine filled.
template <class Field>
void CopyCurrentParm(parm& target, const void* status, Field field) {
    std::memcpy(target.data(), static_cast<const std::uint8_t*>(status) + field.kOffset,
                parm::kSize);
}

} // namespace

std::uint16_t CRig::Create(CreateFunction create, const std::uint8_t* program, CWnd* window) {
    m_busy = kEngineBusy;
    const std::uint16_t result = create(m_name, program, HandleOf(window), 0);
    if (IsFailureStatus(result)) {
        // A failure status is no handle: the radio stays closed.
        m_engine = 0;
        m_busy = kIdle;
        return result;
    }
    m_engine = result;
    const auto status = std::make_unique<hb::records::EngineStatus>();
    if (EngineStatus(status->data()) == 0) {
        m_device = status->get(hb::records::EngineStatus::kDeviceHandle);
        m_tone_device = status->get(hb::records::EngineStatus::kToneDeviceHandle);
    }
    OnDeviceOpened();
    if (m_radio && (m_radio->caps1() & Radio::kDspWave) &&
        m_audio_input == hb::records::kMixerLineDspWave && m_audio_log &&
        DeviceWaveInterface(&CAudioLog::DriverWaveInterface, m_audio_log) == 0) {
        m_audio_log->m_driverWave = m_radio->driverWave();
        m_audio_log->m_driverWaveBits = m_radio->driverWaveBits();
        m_audio_log->m_fedByDriver = TRUE;
    }
    return m_engine;
}

std::uint16_t CRig::CreateEngine(const std::uint8_t* program, CWnd* window) {
    return Create(&scan_create_single_engine, program, window);
}

std::uint16_t CRig::CreateToneEngine(const std::uint8_t* program, CWnd* window) {
    return Create(&scan_create_single_tone, program, window);
}

std::uint16_t CRig::EngineCommand(const EngineCommandRecord* record) {
    const std::uint8_t code = record->get(EngineCommandRecord::kCode);
    if (code == hb::records::kEngineCmdStart || code == hb::records::kEngineCmdStartFirst) {
        m_busy = kEngineBusy;
    }
    return scan_engine_command(m_engine, record);
}

std::uint16_t CRig::EngineStatus(void* buffer) {
    const std::uint16_t result = scan_engine_status(m_engine, buffer);
    if (result == 0) {
        CopyCurrentParm(m_parm, buffer, hb::records::EngineStatus::kCurrentParm);
    }
    return result;
}

std::uint16_t CRig::ReloadEngine(const std::uint8_t* program) {
    return scan_reload_engine(m_engine, program);
}

void CRig::DestroyEngine() {
    m_busy = kIdle;
    // The logger hears of it while the engine can still be asked for its status.
    NotifyAudioLog(nullptr, 1);
    const std::uint16_t engine = m_engine;
    m_device = 0;
    m_engine = 0;
    scan_destroy_engine(engine);
}

std::uint16_t CRig::GetDtmf(void* record) {
    return scan_get_dtmf(m_engine, record);
}

std::uint16_t CRig::GetHistory(void* record) {
    return scan_get_history(m_engine, record);
}

std::uint16_t CRig::JoinEngine(CRig* other) {
    return scan_engine_join(m_engine, other->m_engine);
}

std::uint16_t CRig::OpenDevice(CWnd* window) {
    const std::uint16_t result = scan_open_device(m_name, HandleOf(window), 0);
    if (IsFailureStatus(result)) {
        m_device = 0;
        m_busy = kIdle;
        return result;
    }
    m_device = result;
    OnDeviceOpened();
    return m_device;
}

void CRig::CloseDevice() {
    m_busy = kIdle;
    NotifyAudioLog(nullptr, 1);
    scan_close_device(m_device);
    m_device = 0;
    m_engine = 0;
}

std::uint16_t CRig::DeviceStatus(void* buffer) {
    const std::uint16_t result = scan_device_status(m_device, buffer);
    if (result == 0) {
        CopyCurrentParm(m_parm, buffer, hb::records::DeviceStatus::kCurrentParm);
    }
    return result;
}

void CRig::DeviceHwnd(CWnd* window) {
    const int owner = SlotOf(m_owner);
    HWND target = HandleOf(window);
    if (!window && owner >= 0) {
        target = m_slots.hwnd[static_cast<std::size_t>(owner)];
    }
    if (owner >= 0) {
        m_slots.notify[static_cast<std::size_t>(owner)] = target;
    }
    scan_device_hwnd(m_device, target);
}

int CRig::OnDeviceOpened() {
    if (!m_radio || !(m_radio->caps1() & Radio::kDeviceNotify) || !IsOpen() || m_permanent) {
        return 0;
    }
    DeviceStatus(m_device_status.data());
    m_radio->OnDeviceStatus(m_device_status);
    if (const int owner = SlotOf(m_owner); owner >= 0) {
        if (const HWND notify = LiveNotify(static_cast<std::size_t>(owner))) {
            ::SendMessage(notify, WM_RADIO_DEVICE_OPEN, 0, 0);
        }
    }
    return 1;
}

std::uint16_t CRig::DeviceStop() {
    return scan_device_stop(m_device);
}

std::uint16_t CRig::DeviceWaveInterface(scan_wave_callback callback, void* context) {
    return scan_device_wave_interface(m_device, callback, context);
}

std::uint16_t CRig::DeviceWait() {
    return scan_device_wait(m_device);
}

std::uint16_t CRig::DeviceBreak() {
    scan_device_break(m_device);
    return scan_device_stop(m_device);
}

std::uint16_t CRig::VfoFastWrite(const parm* record) {
    m_parm = *record;
    return scan_device_vfo_fast_write(m_device, record);
}

std::uint16_t CRig::CacheVfo(const parm* record) {
    m_parm = *record;
    return hb::records::kStatusNotSupported;
}

std::uint16_t CRig::DeviceControl(std::uint32_t control) {
    return scan_device_control(m_device, control);
}

std::uint16_t CRig::DeviceMonitor(const parm* record) {
    m_parm = *record;
    return scan_device_monitor(m_device, record);
}

std::uint16_t CRig::MemWrite(const parm* record) {
    m_parm = *record;
    return scan_device_mem_write(m_device, record);
}

std::uint16_t CRig::MemRead(const parm* record) {
    return scan_device_mem_read(m_device, record);
}

std::uint16_t CRig::MemToVfo(parm* record) {
    m_parm = *record;
    return scan_device_mem_to_vfo(m_device, record);
}

std::uint16_t CRig::SetVolume(const std::uint32_t* value) {
    return scan_device_set_volume(m_device, value);
}

std::uint16_t CRig::SetSquelch(const std::uint32_t* value) {
    return scan_device_set_squelch(m_device, value);
}

std::uint16_t CRig::SetVsc(std::uint32_t value) {
    return scan_device_set_vsc(m_device, value);
}

std::uint16_t CRig::GetVolume() {
    return scan_device_get_volume(m_device);
}

std::uint16_t CRig::GetSquelch() {
    return scan_device_get_squelch(m_device);
}

std::uint16_t CRig::PreUpload(parm* record) {
    return scan_device_pre_upload(m_device, record);
}

std::uint16_t CRig::PostUpload(parm* record) {
    return scan_device_post_upload(m_device, record);
}

std::uint16_t CRig::PreDownload(parm* record) {
    return scan_device_pre_download(m_device, record);
}

std::uint16_t CRig::PostDownload(parm* record) {
    return scan_device_post_download(m_device, record);
}

std::uint16_t CRig::GetBankName(parm* record) {
    return scan_device_get_bank_name(m_device, record);
}

std::uint16_t CRig::SetBankName(const parm* record) {
    return scan_device_set_bank_name(m_device, record);
}

std::uint16_t CRig::RawCommand(const char* text) {
    return scan_device_raw_command(m_device, text);
}

std::uint16_t CRig::StartSweep(const parm* record) {
    m_busy = record->get(parm::kSweepKind) ? kSweepingKind : kSweeping;
    m_parm = *record;
    return scan_spectrum(m_device, record);
}

std::uint16_t CRig::SpanGetData(SpanPoint* point) {
    return span_get_data(m_device, point);
}

std::uint16_t CRig::SpanGetBlock(void* buffer, std::uint32_t reserved) {
    return static_cast<std::uint16_t>(span_get_block(m_device, buffer, reserved));
}

std::uint32_t CRig::SpanGetBlockSize(std::uint32_t reserved) {
    return span_get_block_size(m_device, reserved);
}

CAudioLogClient* CRig::LogClient() const {
    return dynamic_cast<CAudioLogClient*>(m_audio_log);
}

CAudioLog* CRig::AttachAudioLog(CWnd*, CAudioLog* log) {
    CScanApp::Trace(__FILE__, __LINE__);
    if (m_audio_log || !log) {
        return m_audio_log;
    }
    m_audio_output = CMixer::MapInputToOutput(m_audio_input);
    m_audio_log = log;
    log->SetInputLine(m_audio_input);
    log->SetOutputLine(m_audio_output);
    log->SetMonitorLine(m_audio_monitor);
    log->DSPRole(m_audio_dsp_role);
    log->SetRole(1);
    return log;
}

void CRig::DetachAudioLog(CAudioLog* log) {
    if (!log) {
        return;
    }
    for (CRig* rig : CRigList::Get()) {
        if (rig->m_audio_log != log) {
            continue;
        }
        rig->m_audio_log = nullptr;
        // Only a real line is a source of the mixer; the negative values are none or special.
        if (hb::records::HasMixerSource(rig->m_audio_input)) {
            CMixer::SetSourceInUse(rig->m_audio_input, 0);
        }
        return;
    }
}

BYTE CRig::AudioLogState() const {
    const CAudioLogClient* client = LogClient();
    return client ? client->GetChannelState() : 1;
}

void CRig::NotifyAudioLog(const dal* record, BYTE flag) {
    CAudioLogClient* const client = LogClient();
    if (!client) {
        return;
    }
    if (!IsEngineOpen() && !m_device) {
        flag = 1;
    }
    if (IsEngineOpen()) {
        EngineStatus(m_engine_status.data());
        client->OnEngineStatus(this, record, m_engine_status.data(), flag);
    } else if (m_device) {
        DeviceStatus(m_device_status.data());
        client->OnDeviceStatus(this, record, m_device_status.data(), flag);
    } else {
        client->OnDeviceStatus(this, nullptr, nullptr, flag);
    }
}

void CRig::NotifyAudioLogByName(const CString* name, BYTE flag) {
    dal record;
    char text[dal::kName1.kWidth] = {};
    std::snprintf(text, sizeof text, "%-16.16s", name ? name->GetString() : "");
    record.setText(dal::kName1, text);
    NotifyAudioLog(&record, flag);
}

void CRig::SetAudioLogMode(WPARAM, BYTE flag) {
    if (m_audio_log) {
        m_audio_log->ProcessSpecial(flag ? 6 : 1);
    }
}
