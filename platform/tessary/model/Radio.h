#pragma once
// The model of one radio type: its capabilities, coverage, controls, memory organisation and the
// operations that keep records, groups and ranges within what the radio supports. The values come
// from the model table; a test may put its own Radio in place of a row.

#include "platform/records/DeviceStatus.h"
#include "platform/records/Parm.h"
#include "platform/records/RadioModel.h"
#include "platform/tessary/model/SweepValues.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

class Bank;
class Group;
class Object;
class Range;

class CGrid;
class CObjectDoc;
class CWnd;

class Radio {
public:
    // Capability word (caps1).
    static constexpr std::uint32_t kCanRead = 0x01;
    static constexpr std::uint32_t kCanWrite = 0x02;
    static constexpr std::uint32_t kTrunk = 0x80;
    static constexpr std::uint32_t kTrunkDigital = 0x100;
    static constexpr std::uint32_t kTrunkSystemList = 0x200; // the scan list is a trunk system
    static constexpr std::uint32_t kDspWave = 0x1000;        // audio delivered by the driver
    static constexpr std::uint32_t kDeviceNotify = 0x2000;
    // Feature word.
    static constexpr std::uint32_t kFeatureCoarse = 0x80; // VHF/UHF only, coarse display
    static constexpr std::uint32_t kFeatureHf = 0x100;
    static constexpr std::uint32_t kFeatureControl = hb::records::kFeatureControl;
    static constexpr std::uint32_t kFeatureSweep = 0x800;
    static constexpr std::uint32_t kFeatureDriven = 0x1000;
    // Third word: the trunk commands of the radio window.
    static constexpr std::uint32_t kTrunkCommands = 0x1146;
    // Option word.
    static constexpr std::uint32_t kOptionChannelNames = 0x4000;
    // Organisation word.
    static constexpr std::uint32_t kOrganisationFixed = 0x10;
    static constexpr std::uint32_t kOrganisationLetters = 0x20000;
    static constexpr std::uint32_t kOrganisationBankNames = 0x20000000;
    // Sweep knob word.
    static constexpr std::uint32_t kSweepSquelch = 0x80;
    static constexpr std::uint32_t kSweepThirdKnob = 0x800000;
    static constexpr std::uint32_t kSweepVolume = 0x1000000;

    explicit Radio(const hb::records::RadioModel& model);
    virtual ~Radio();

    // A new radio of the type (the application's tailoring already applied), or null for a type
    // that is not known.
    static std::unique_ptr<Radio> CreateRadio(BYTE type);
    // The "Select Radio Type" list, modal over `pParentWnd`, starting on `initial` and listing the
    // models whose capability word holds `needs`: the chosen model, or null for none.
    static std::unique_ptr<Radio> SelectRadio(CWnd* pParentWnd, BYTE initial, DWORD needs);

    std::uint16_t RadioTypeCode() const { return m_model.type; }
    const char* name() const { return m_model.name; }
    std::uint32_t caps1() const { return m_model.caps1; }
    std::uint32_t features() const { return m_model.features; }
    std::uint32_t caps3() const { return m_model.caps3; }
    std::uint32_t options() const { return m_model.options; }
    std::uint32_t organisationFlags() const { return m_model.organisationFlags; }
    std::uint32_t sweepKnobs() const { return m_model.sweepKnobs; }
    // 2: the radio runs on the tone engine.
    std::uint8_t engineKind() const { return m_model.engineKind; }
    std::uint32_t driverWave() const { return m_model.driverWave; }
    std::uint8_t driverWaveBits() const { return m_model.driverWaveBits; }
    bool HasDspUnit() const { return m_model.dspUnit; }

    // Coverage rows, ascending; there is always at least one.
    std::span<const hb::records::CoverageRow> coverage() const { return m_model.coverage; }
    // 0 when some row holds the frequency (both limits included), else non-zero.
    int CheckCoverage(std::uint32_t hz) const;

    const hb::records::Controls& controls() const { return *m_model.controls; }
    // Squelch knob position to the radio's squelch byte, and back.
    std::uint8_t SquelchToDevice(double position) const;
    double SquelchFromDevice(std::uint8_t value) const;
    // The S-meter's range in dBm: min = floor, max = ceiling.
    hb::records::Descriptor signalScale() const;
    std::int16_t meterFloor() const { return m_model.meterFloor; }
    std::int16_t meterCeiling() const { return m_model.meterCeiling; }

    std::uint16_t firstMemory() const { return m_model.firstMemory; }
    std::uint16_t memoryCount() const { return m_model.memoryCount; }

    std::uint32_t modes() const { return m_model.modes; }
    bool SupportsMode(std::uint8_t mode) const;
    std::span<const std::uint32_t> steps() const { return m_model.steps; }
    // Moves the record's step to the next larger (direction > 0) or smaller step of the list.
    void StepRecord(hb::records::Parm& record, int direction) const;

    std::size_t filterCount() const { return m_model.filters.size(); }
    // The narrowest filter at least as wide as the bandwidth (the widest when none is).
    std::uint8_t FilterCode(std::uint32_t bandwidth) const;
    std::uint32_t FilterBandwidth(std::uint8_t code) const;
    // A bandwidth brought into the second filter's range and granularity.
    std::uint32_t NormaliseBandwidth(std::uint32_t bandwidth) const;

    // Makes the record valid for the radio in place (mode, step, filter and bandwidth, squelch
    // and control values); true when something changed. The frequency is left as it is.
    virtual bool CheckRecord(hb::records::Parm& record) const;
    // A record that has just moved into a band of the band plan, adjusted in place to what the
    // radio wants there; by default the record check.
    virtual void AdjustForNewBand(hb::records::Parm& record) const;
    // The record of an empty channel of this radio.
    hb::records::Parm DefaultRecord() const;

    // The frequency as this radio shows it, in kHz ("%7u.%03u") or MHz ("%4u.%06u").
    std::string FormatFrequency(std::uint32_t hz, bool mhz) const;

    // Function pages, numbered from 1.
    std::size_t pageCount() const { return m_pages.size(); }
    hb::records::FunctionPage* page(std::size_t number);

    std::uint32_t systemTypes() const { return m_systemTypes; }
    void setSystemTypes(std::uint32_t mask) { m_systemTypes = mask; }
    // After the system types change: keeps only the systems the radio can track.
    virtual void SystemTypesChanged();

    const hb::records::Organisation& organisation() const { return m_model.organisation; }
    // The letter of bank `index` (0-based), or 0 when the radio does not letter its banks.
    char bankLetter(std::size_t index) const;
    std::span<const std::uint32_t> memberKinds() const { return m_model.memberKinds; }

    // The request of the rig: the average raw level a / b converted to dBm (b = 1 converts one
    // raw level); b = 0 gives the meter floor.
    virtual int Request(int a, int b);
    // The device status read after the device opened.
    virtual void OnDeviceStatus(const hb::records::DeviceStatus& status);
    std::uint8_t variant() const { return m_variant; }
    // The sound tone decoder hears channels below this frequency only (Hz).
    std::uint32_t toneDecoderLimit() const { return m_toneDecoderLimit; }
    void setToneDecoderLimit(std::uint32_t hz) { m_toneDecoderLimit = hz; }

    // True when a group or range made for `type` can be used with this radio.
    virtual bool AcceptsRadioType(std::uint8_t type) const;
    // Before a command family moves a group: 0 when the root is a group this radio takes,
    // non-zero when the family must leave it alone.
    virtual int CheckGroup(const Object& root) const;
    // The trunk settings of one bank of the group, in a modal dialog over `owner`: 1 when the
    // user took them (the bank changed), else 0.
    int BankSettings(const Object* group, Bank& bank, CWnd* owner);
    // Fits a group to the radio: its radio type, and for a fixed organisation its banks.
    virtual void ConformGroup(Group& group) const;
    // Runs the record check over every channel and range of the group.
    virtual void ConformGroupChannels(Group& group) const;
    // Brings a range's limits into the coverage and its step onto the step list.
    virtual void ConformRange(Range& range) const;
    // Fills the document's group from the radio, or writes it into the radio, by the model's own
    // means, for the window `frame`: non-zero when something was moved, kNoOwnTransfer when the
    // model has no means of its own, as none of ours has.
    static constexpr int kNoOwnTransfer = -1;
    virtual int TransferFromRadio(CObjectDoc* doc, CWnd* frame, WPARAM argument);
    virtual int TransferToRadio(CObjectDoc* doc, CWnd* frame);
    // A new grid for a group window of this model.
    virtual std::unique_ptr<CGrid> CreateGrid();
    // A new group of this model's type and organisation: the banks of a fixed organisation, else
    // one empty bank.
    virtual std::unique_ptr<Group> NewGroup() const;
    // The kinds the group grid's sheets show, in order: banks and channels, then user IDs when
    // the model keeps them and search ranges when it has them. A model with ranges always has the
    // user-ID sheet, so that every sheet keeps its number.
    std::vector<std::uint32_t> SheetList() const;

    // What the sweep displays take from the radio.
    const hb::tessary::SweepValues& sweepValues() const { return m_sweep; }
    // 0 when a sweep may start or end at the frequency, else non-zero.
    virtual int CheckSweepFrequency(std::uint32_t hz) const;
    // The step a sweep from `start` takes for the one asked; never 0.
    virtual std::uint32_t SweepStep(std::uint32_t step, std::uint32_t start) const;
    // Makes a sweep setting one the radio can sweep with; the record check by default.
    virtual void PrepareSweepRecord(hb::records::Parm& record) const;

private:
    std::uint32_t NearestStep(std::uint32_t step) const;

    hb::records::RadioModel m_model;
    std::vector<hb::records::FunctionPage> m_pages;
    std::uint32_t m_systemTypes;
    hb::tessary::SweepValues m_sweep;
    std::uint8_t m_variant = 0;
    // Above every radio's coverage: the decoder hears every channel.
    std::uint32_t m_toneDecoderLimit = 3'000'000'000U;
};

namespace hb::tessary {

// The application's tailoring of each new Radio.
void SetTailorRadioHook(std::function<void(Radio*)> hook);

// For tests: a factory asked first for every type; a null result falls back to the table.
using RadioFactory = std::function<std::unique_ptr<Radio>(std::uint8_t type)>;
void SetRadioFactory(RadioFactory factory);

// The rich model for tests, with every control, capability and organisation feature.
inline constexpr std::uint8_t kTestRadioType = 254;

} // namespace hb::tessary
