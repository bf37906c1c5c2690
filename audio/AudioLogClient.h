#pragma once
// The program's audio logger over CAudioLog, the base of every logger window. It adds the
// logger's settings, turns the channel context the rig feeds in (engine or device status) into
// segment requests, and mirrors every display update to the front panel of the radio window that
// owns its rig.

#include "platform/records/Dal.h"
#include "platform/tessary/audio/AudioLog.h"

#include <cstdint>

class CRadioFrame;
class CRadioView;
class CRig;

class CAudioLogClient : public CAudioLog {
public:
    static constexpr BYTE kIdle = 1;
    // "MinAirTime" when unset, in milliseconds.
    static constexpr std::uint32_t kDefaultMinAirTime = 1000;

    CAudioLogClient() : CAudioLogClient("", "") {}
    // Reads the settings; a section without "RecordingFile" gets its default file in the
    // documents folder, and records.
    CAudioLogClient(const char* section, const char* name);

    // 1 while idle, else the activity of the segment in progress (2 or 8).
    BYTE GetChannelState() const;
    // The windows that derive from the logger destroy their own window.
    virtual void DestroyClientWindow() {}
    // The channel context while only the device is open; nulls when neither is open.
    virtual void OnDeviceStatus(CRig* rig, const dal* channel, const BYTE* status, BYTE activity);
    // The channel context while the radio runs under the engine.
    virtual void OnEngineStatus(CRig* rig, const dal* channel, const BYTE* status, BYTE activity);

    void Reset() override;
    void SetupRecordSettings() override;
    void ChangeMonitorOutputLine(std::int32_t line) override;

    void UpdateStatus() override;
    void UpdateSegment(const char* file, const wlseg* segment, std::uint32_t n) override;
    void UpdatePosition() override;
    void UpdateTime(std::uint32_t time, int n) override;
    void UpdateInfo(const dal* record, const char* text) override;
    void UpdateIndicators(int kind, int value) override;
    void UpdateAnnotation(const wlseg* segment) override;
    void UpdateVUMeter(int left, int right) override;

    // The rig the logger belongs to, set by its owner; null for the player.
    CRig* m_rig = nullptr;
    // The rig whose context was fed in last.
    CRig* m_loggedRig = nullptr;
    dal m_record;
    std::uint32_t m_lastFrequency = 0;
    std::uint32_t m_minAirTime = kDefaultMinAirTime;
    // The object handle of the channel being logged.
    std::uint32_t m_lastKey = 0;
    std::uint8_t m_lastLevel = 0;
    BYTE m_channelState = kIdle;
    bool m_hfInMHz = true;

private:
    void ReadClientSettings();
    void Request(int code, std::uint64_t time);
    // Ends the segment in progress and forgets the channel.
    void EndChannel(std::uint64_t time);
    void TakeRadioName(CRig* rig);
    // The channel's frequency, ID and names into the record.
    void TakeChannel(const dal& channel);
    // The frequency text for a channel without a name.
    void NameByFrequency();
    // The radio window that owns the rig and its front panel, when there are both.
    CRadioFrame* RadioWindow() const;
    CRadioView* FrontPanel() const;
    bool WatchedByRadioWindow(CRig* rig) const;
};
