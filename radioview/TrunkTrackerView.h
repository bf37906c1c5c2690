#pragma once
// The front panel of a trunk-tracking scanner: the receiver panel with bank buttons and strips,
// the ID-group matrix with its scan/search mode column, the talkgroup display with its kind lamps,
// the system, group and channel name lines, the status line and the scanner keys. The models'
// panels derive from it with their own forms; every control a model's form lacks is skipped.
//
// The bank buttons and the mode column keep what the user asked for until the scanner reports
// the same: its confirmation comes back later in a status message.
#include "platform/instruments/CiSwitchSliderX.h"
#include "platform/records/EngineCommandRecord.h"
#include "platform/records/UserId.h"
#include "platform/toolkit/CXTButton.h"
#include "radioview/RadioView.h"

#include <array>
#include <cstdint>
#include <initializer_list>

class Bank;
class Chan;
class Group;
class Range;
class UserIdEntry;

class CTrunkTrackerView : public CRadioView {
    DECLARE_DYNCREATE(CTrunkTrackerView)

public:
    static constexpr int kBankCount = 20;
    static constexpr int kPushButtonCount = 18;
    static constexpr int kLampCount = 15;
    // IdBankWord bits.
    static constexpr std::uint16_t kIdGroups = 0x03FF;
    static constexpr std::uint16_t kIdKept = 0x0400;
    static constexpr std::uint16_t kIdPending = 0x0800;
    static constexpr std::uint16_t kIdScanRequested = 0x1000;
    static constexpr std::uint16_t kIdScanning = 0x2000;
    static constexpr std::uint16_t kIdNewData = 0x4000;
    static constexpr std::uint16_t kIdLoadMask = 0x37FF;
    // Mode column colours.
    static constexpr COLORREF kScanColor = 0x77BBFF;
    static constexpr COLORREF kSearchColor = 0xFFDBC6;
    static constexpr COLORREF kScanRequestedColor = 0x80FFFF;
    static constexpr COLORREF kSearchRequestedColor = 0xFFFF80;

    CTrunkTrackerView();

    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void UpdateFrequencyDisplay(UINT hz) override;
    void UpdateStatusDisplay(const BYTE* engineStatus, BYTE* deviceStatus, Object* channel,
                             Object* user) override;
    void UpdateControlsFromParm(const parm* rec, const CString* info) override;
    void ShowMeterValue(CAudioLog* log, int kind, int value) override;
    void SelectVfo(BYTE n, BOOL on) override;
    void NotifyAudioLog(dal* rec, BYTE decision, BYTE channelFlag, const BYTE* engineStatus,
                        const BYTE* deviceStatus) override;
    void ShowAudioState(CAudioLog* log) override;
    void ShowRecordTime(const dal* rec, std::uint32_t time, BYTE flag) override;
    void ShowPlaybackChannel(CAudioLog* log, const dal* rec, BYTE flag) override;

    // ---- The trunk tracker's own operations, in their fixed order.
    // Recalls the channel of the record's memory number on the scanner.
    virtual void RecallChannel(const parm* rec);
    // Recalls the first ID entry of the group with this value; nothing without one.
    virtual void RecallTrunkId(std::uint32_t value);
    // The channel takes the scanner's lock-out and attenuator when they differ.
    virtual void UpdateChannelFlags(Chan* channel, const BYTE* deviceStatus);
    // The ID on the ID display with one kind lamp lit.
    virtual void FormatTrunkId(const hb::records::UserId& id);
    virtual void ShowChannelTag(const BYTE* engineStatus, const BYTE* deviceStatus);

    // ---- Controls, each bound only when the form has it.
    CiLedBarX m_signalBar;
    CiLabelX m_textLine1;
    CiLabelX m_textLine2;
    CiLabelX m_textLine3;
    CiLabelX m_statusLine;
    CiLabelX m_channelTag;
    std::array<CXTPButton, kPushButtonCount> m_keys;
    CiLedMatrixX m_idMatrix;
    CiLedMatrixX m_modeColumn;
    std::array<CiLedRectangleX, kLampCount> m_lamps;
    CiSwitchSliderX m_toneControl;
    CiSwitchSliderX m_priorityMode;
    CiSwitchSliderX m_dataSkip;
    CiSevenSegmentAnalogX m_idDisplay;
    CiLedMatrixX m_bankStrip;
    CiLedMatrixX m_bankStrip2;
    std::array<CXTButton, kBankCount> m_banks;

    // ---- State.
    // The rig's logger, taken at the first update; not owned.
    CAudioLog* m_audioLog = nullptr;
    // The last system, group and channel names the scanner reported.
    std::array<CString, 3> m_lastNames;
    // Handles of the current channel and bank in the document, 0 = none.
    std::uint32_t m_currentChannel = 0;
    std::uint32_t m_currentBank = 0;
    std::array<std::uint16_t, kBankCount> m_idBanks{};
    std::uint16_t m_pendingBankMask = 0;
    std::uint8_t m_lastTrunkState = 0;
    std::uint8_t m_bankPending = 0;

    // The lamps by what they show.
    enum Lamp : std::uint8_t {
        kLampPl,
        kLampDpl,
        kLampLtr,
        kLampM1,
        kLampM2,
        kLampEd,
        kLampHold,
        kLampTrunk,
        kLampIdHold,
        kLampDigital,
        kLampSearch,
        kLampPriority,
        kLampICall,
        kLampActive,
        kLampEmergency,
    };
    CiLedRectangleX& LampOf(Lamp lamp) { return m_lamps[lamp]; }
    // The ID as the talkgroup display writes it, and the kind lamp it lights (-1: none).
    struct ShownId {
        CString text = "0";
        long decimals = 0;
        int lamp = -1;
    };
    // The argument that asks the ID display styles without changing them.
    static constexpr int kAskStyle = 255;
    // `edacsQuery` is what the EDACS display style is asked with.
    static ShownId ShowableId(const hb::records::UserId& id, int edacsQuery);
    void ShowIdValue(const ShownId& shown);
    // Of `lamps`, only `lit` is lit.
    void LightKindLamp(std::initializer_list<Lamp> lamps, int lit);
    // The scanner key of a control id, or null when the form has no such key.
    CXTPButton* Key(UINT id);

    // The current channel and bank, resolved through the document; null when gone.
    Chan* CurrentChannel() const;
    Bank* CurrentBank() const;
    // The bank index that channel number n of the radio falls in.
    static int BankIndexOf(std::uint32_t channel, std::uint32_t channelsPerBank);

protected:
    explicit CTrunkTrackerView(UINT nIDTemplate);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnTrunkToolTip(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
    void OnBankButton(UINT id);
    void SendBankMask();
    void OnIdMatrixClick(long row, long column);
    void OnBankModeClick(long row, long column);
    void OnToneControl();
    void OnPriorityMode();
    void OnDataSkip();
    // A scanner key of one fixed key code.
    void PressKey(UINT id);
    void OnDigitKey(UINT id);
    // The service dialog, then the service key with the chosen service's digit.
    void OnServiceKey();
    // The digit the service key carries for the 0-based choice of the service dialog.
    virtual std::uint16_t ServiceDigit(int selection) const;
    // The service key with its digit, the restart first.
    void SendServiceKey(std::uint16_t digit);
    void OnHoldKey();
    void OnAttKey();
    void OnLockOutKey();
    void OnResetKey();
    void OnMiniBarKey();
    void OnScanListKey();
    void OnRecordKey();
    void OnGoToKey();
    // A replaying logger goes back to live before anything reaches the radio.
    void GoLive();
    // In manual mode the radio window starts the radio again.
    void StartAgainIfManual();
    std::uint16_t Send(hb::records::EngineCommandRecord& record);
    // The live text commands of an edited object; false when the base view takes the hint.
    bool SendLiveCommands(UINT hint, Object& object);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    Radio* Model() const;
    Group* DocumentGroup() const;
    // "Att" and "L/O": the current channel's flag at `offset` flips, or without one the rig's
    // last record decides which key code goes.
    void ToggleChannelFlag(std::size_t offset, std::uint8_t on, std::uint8_t off);
    void StyleBankButtons();
    void LoadIcons();
    void LoadIdBanks();
    void SendSwitches();
    void SendSwitch(CiSwitchSliderX& slider, LPCSTR entry, std::uint8_t code, bool present);
    // The position goes to the radio and is kept under `entry`.
    void SwitchMoved(int position, LPCSTR entry, std::uint8_t code);
    void ShowIdRow(int bank, std::uint16_t word);
    void ShowModeRow(int bank, LPCSTR text, COLORREF color);
    void ColourDisplays(COLORREF first);
    void ClearIdDisplay();
    // The ID display, the name lines, the status line and the tag emptied.
    void ClearTexts();
    void FindCurrent(const BYTE* engineStatus, const BYTE* deviceStatus, Object* channel);
    void ShowNameLines(const BYTE* engineStatus, const BYTE* deviceStatus, const Object* parent);
    void ShowStatusLine(const BYTE* engineStatus, const BYTE* deviceStatus);
    void ShowMiniNames();
    void ShowBanks(const BYTE* deviceStatus);
    void ShowIdBanks(const BYTE* deviceStatus);
    void ShowTrunkLamp(std::uint8_t state);
    CString BankToolTip(int n) const;
    void SendRaw(const CString& text);
    CString ChannelCommand(UINT hint, Chan& channel);
    CString IdEntryCommand(UINT hint, UserIdEntry& entry);
    CString RangeCommand(UINT hint, Range& range);
    bool SendBankCommands(UINT hint, Bank& bank);
    void SendTrunkSequence(Bank& bank, Group& group);

    CString m_trunkTip;
};
