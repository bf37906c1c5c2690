#pragma once
// The connection of one configured radio. Every window that talks to a radio claims its rig as
// owner and reaches the engine only through the rig's forwarders; the rig keeps the handles, the
// last status records and channel record, the audio logger link and the sweep settings.
//
// Ownership: a window claims the rig with AttachView and gives it up with DetachView. A claim
// first sends the current owner WM_COMMAND kCommandStop (synchronously); giving it up hands the
// radio back to the owner the window displaced, which is posted WM_COMMAND kCommandStart. The
// last window to leave destroys the engine or closes the device.

#include "platform/afx/CString.h"
#include "platform/engine/EngineApi.h"
#include "platform/records/Dal.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineCommandRecord.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/Parm.h"
#include "platform/records/SpanPoint.h"
#include "platform/win/WinTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

class CAudioLog;
class CAudioLogClient;
class CScanApp;
class CWnd;
class Decoder;
class Radio;

class CRig {
public:
    static constexpr std::size_t kSlotCount = 10;
    static constexpr std::size_t kSelectionSize = 10;

    // Sent to an owner that loses the radio, and posted to the one that gets it back.
    static constexpr UINT kCommandStop = 27037;
    static constexpr UINT kCommandStart = 27038;
    // Commands under which windows claim a rig.
    static constexpr UINT kCommandScanListFiles = 27297;
    static constexpr UINT kCommandCorrelatorFiles = 27401;

    // What callers that offer no wizard pass to SelectRig.
    static constexpr BYTE kNoWizardOffer = 0;

    // m_busy.
    static constexpr std::uint8_t kIdle = 0;
    static constexpr std::uint8_t kEngineBusy = 1;
    static constexpr std::uint8_t kSweeping = 3;
    static constexpr std::uint8_t kSweepingKind = 4;

    // Results of OpenScanListFile.
    static constexpr unsigned kScanListMissing = 2419;
    static constexpr unsigned kScanListUnreadable = 2424;
    static constexpr unsigned kScanListNoObject = 2427;
    static constexpr unsigned kScanListNotScanList = 2431;
    static constexpr unsigned kScanListEmpty = 2447;
    static constexpr unsigned kScanListFirstEntryUnusable = 2458;
    static constexpr unsigned kScanListFirstEntryEmpty = 2462;
    static constexpr unsigned kScanListNotGroup = 2473;
    static constexpr unsigned kScanListGroupType = 2478;
    static constexpr unsigned kScanListSeveralEntries = 2488;
    static constexpr unsigned kScanListNotTrunkSystem = 2503;
    static constexpr unsigned kScanListTrunkSystemType = 2508;

    // The windows attached to the rig, one per slot; a free slot has no window. Each slot keeps
    // the owner its window displaced, the window the engine notifies for it, the command it
    // attached under, and the handle its window had then. The notified window and the attached
    // one are reached by handle only: whether one still exists is asked of the handle, never of
    // an object that may be gone.
    struct RigOwnerSlots {
        std::array<CWnd*, kSlotCount> window{};
        std::array<CWnd*, kSlotCount> previous{};
        std::array<HWND, kSlotCount> notify{};
        std::array<std::uint32_t, kSlotCount> command{};
        std::array<HWND, kSlotCount> hwnd{};
    };

    // Reads the rig's settings (`name` is its section of the settings file and of the profile)
    // and appends it to CRigList. The rig owns `radio`. `number` is the radio's place in the
    // settings file.
    CRig(const char* name, unsigned number, Radio* radio);
    // Closes the attached windows and the engine or device, saves the sweep settings and leaves
    // CRigList.
    ~CRig();
    CRig(const CRig&) = delete;
    CRig& operator=(const CRig&) = delete;

    // Configuration, owners and lifecycle.
    void GetName(CString& name) const { name = m_name; }
    CString GetNameString() const { return m_name; }
    // The rig to work with, also left in s_selection[0]; null when none is chosen. With several
    // candidates the user chooses in the radio selection dialog.
    static CRig* SelectRig(CString title, BYTE offerWizard, BYTE typeFilter);
    // The first rig whose name or profile section is `text`, whatever the case.
    static CRig* FindByName(const char* text);
    static CRig* FindByOwner(CWnd* window);
    // 0 when the window owns the rig afterwards; 1 when the rig is busy for that command or all
    // slots are taken.
    int AttachView(unsigned command, CWnd* window);
    // Always 0.
    int DetachView(CWnd* window, unsigned ignored = 0);
    bool IsPermanent() const { return m_permanent != 0; }
    bool IsOpen() const { return m_engine != 0 || m_device != 0; }
    bool IsEngineOpen() const { return m_engine != 0; }
    bool IsOpenFor(CWnd* window) const;
    bool IsDecoderOpenFor(CWnd* window) const;
    bool IsEngineOpenFor(CWnd* window) const;
    // True when `typeFilter` is 0 or the radio's type code.
    bool MatchesType(std::uint32_t typeFilter) const;
    static void DeleteAll();
    // Every rig that is not kept across a reload of the radio list.
    static void DeleteTransient();
    int RadioRequest(int a, int b);
    std::uint16_t NoDevice(std::uint32_t) const { return 0; }

    // Engine life. `program` is a compiled scan program; the engine keeps a copy. The result is
    // the engine handle, or a failure status that is never kept as a handle.
    std::uint16_t CreateEngine(const std::uint8_t* program, CWnd* window);
    // The same, with the tone reader of the radio.
    std::uint16_t CreateToneEngine(const std::uint8_t* program, CWnd* window);
    std::uint16_t EngineCommand(const EngineCommandRecord* record);
    // Reads the engine status into `buffer` (13,644 bytes); on success its current channel
    // becomes m_parm.
    std::uint16_t EngineStatus(void* buffer);
    std::uint16_t ReloadEngine(const std::uint8_t* program);
    void DestroyEngine();
    std::uint16_t GetDtmf(void* record);
    std::uint16_t GetHistory(void* record);
    std::uint16_t JoinEngine(CRig* other);

    // Device life and status. The result of OpenDevice is the device handle or a failure status
    // that is never kept as a handle.
    std::uint16_t OpenDevice(CWnd* window);
    void CloseDevice();
    // Reads the device status into `buffer` (4,150 bytes); on success its current channel becomes
    // m_parm.
    std::uint16_t DeviceStatus(void* buffer);
    // The engine notifies `window` (the owner when none) for the owner's slots from now on.
    void DeviceHwnd(CWnd* window = nullptr);
    // 1 when the radio wants its device status after opening and the owner has been told.
    int OnDeviceOpened();

    // Device requests, with the device handle.
    std::uint16_t DeviceStop();
    std::uint16_t DeviceWaveInterface(scan_wave_callback callback, void* context);
    std::uint16_t DeviceWait();
    // Breaks off the device's work and stops it; the stop's result.
    std::uint16_t DeviceBreak();
    // The requests that carry a channel record keep it as m_parm first.
    std::uint16_t VfoFastWrite(const parm* record);
    // Keeps the record only: the engine has no such request (0x8B00).
    std::uint16_t CacheVfo(const parm* record);
    std::uint16_t DeviceControl(std::uint32_t control);
    std::uint16_t DeviceMonitor(const parm* record);
    std::uint16_t MemWrite(const parm* record);
    std::uint16_t MemRead(const parm* record);
    std::uint16_t MemToVfo(parm* record);
    std::uint16_t SetVolume(const std::uint32_t* value);
    std::uint16_t SetSquelch(const std::uint32_t* value);
    std::uint16_t SetVsc(std::uint32_t value);
    std::uint16_t GetVolume();
    std::uint16_t GetSquelch();
    std::uint16_t PreUpload(parm* record);
    std::uint16_t PostUpload(parm* record);
    std::uint16_t PreDownload(parm* record);
    std::uint16_t PostDownload(parm* record);
    std::uint16_t GetBankName(parm* record);
    std::uint16_t SetBankName(const parm* record);
    std::uint16_t RawCommand(const char* text);

    // Sweeps.
    std::uint16_t StartSweep(const parm* record);
    std::uint16_t SpanGetData(SpanPoint* point);
    // Bit 15 set: no block.
    std::uint16_t SpanGetBlock(void* buffer, std::uint32_t reserved);
    std::uint32_t SpanGetBlockSize(std::uint32_t reserved);

    // The audio logger link. The logger is the program's CAudioLogClient.
    CAudioLog* GetAudioLog() const { return m_audio_log; }
    // Links `log` unless a logger is linked already; returns the logger linked. The window is
    // not used.
    CAudioLog* AttachAudioLog(CWnd* window, CAudioLog* log);
    // The rig that holds the logger forgets it and frees its mixer source.
    static void DetachAudioLog(CAudioLog* log);
    // The logger's channel state, 1 without a logger.
    BYTE AudioLogState() const;
    // Hands the logger the channel record with the engine or device status.
    void NotifyAudioLog(const dal* record, BYTE flag);
    // The same with a record that holds only the name (none: blanks).
    void NotifyAudioLogByName(const CString* name, BYTE flag);
    void SetAudioLogMode(WPARAM, BYTE flag);

    // The scan list file.
    // Every sample file a default scan list may read from the documents folder.
    static std::span<const LPCSTR> SampleLists();
    // Makes the scan list "<section>.sws" from the sample files for the radio; always 0. The
    // report, when given, gets one line per file made.
    int CreateDefaultScanList(CString* report);
    // 0 when the scan list at `path` suits the radio, else 1. An empty path means the radio's
    // own list, for the scan-list command only; `path` is completed in place.
    int LoadScanList(unsigned command, CString* path);
    // 0 when the file suits the radio, else the code of the first check that failed.
    unsigned OpenScanListFile(unsigned command, CString* path);

    Radio* m_radio = nullptr;
    Decoder* m_decoder = nullptr;
    hb::records::DeviceStatus m_device_status;
    hb::records::EngineStatus m_engine_status;
    CString m_name;
    CString m_tone_reader;
    CString m_section;
    parm m_span_parm;
    parm m_scope_parm;
    parm m_parm;
    std::uint32_t m_opener = 0;
    std::int32_t m_audio_input;
    std::int32_t m_audio_output;
    std::int32_t m_audio_monitor;
    std::int32_t m_audio_dsp_role;
    std::uint32_t m_setup_wizard = 0;
    std::uint32_t m_wizard_requested = 0;
    std::uint8_t m_busy = kIdle;
    std::uint8_t m_trunk = 0;
    std::uint8_t m_view_type = 0;
    std::uint32_t m_icon = 0;
    CWnd* m_owner = nullptr;
    RigOwnerSlots m_slots;
    CAudioLog* m_audio_log = nullptr;
    std::uint32_t m_owner_command = 0;
    std::uint32_t m_permanent = 0;
    std::uint16_t m_device = 0;
    std::uint16_t m_tone_device = 0;
    std::uint16_t m_engine = 0;

    // Filled by SelectRig: the chosen rig, or the rigs of a Multi-Radio pair list in order.
    inline static constinit std::array<CRig*, kSelectionSize> s_selection{};

private:
    using CreateFunction = std::uint16_t (*)(const char*, const void*, HWND, std::uint32_t);

    static CScanApp& App();
    std::uint16_t Create(CreateFunction create, const std::uint8_t* program, CWnd* window);
    CAudioLogClient* LogClient() const;
    // The slot holding the window, or -1.
    int SlotOf(const CWnd* window) const;
    // The slot's notify window while it exists, else none.
    HWND LiveNotify(std::size_t slot) const;
    bool HasWindows() const;
    void ClearSlot(std::size_t slot);
    void ReadToneReader(const char* name);
    // Fills s_selection from pair list `list`.
    static void SelectPairList(char list);
};
