// The radio model table. Values are ours, chosen to be plausible for a receiver of each class:
// conventional scanners, trunk-tracking scanners, scanners that keep their memory by trunk system,
// computer-controlled wideband and HF receivers, and one test model with every feature.

#include "platform/records/RadioModel.h"

#include <initializer_list>

namespace hb::records {
namespace {

using K = std::uint32_t;
constexpr K kMHz = 1'000'000;

constexpr std::uint32_t Modes(std::initializer_list<int> codes) {
    std::uint32_t mask = 0;
    for (const int c : codes) {
        mask |= 1u << c;
    }
    return mask;
}

// Mode codes (see ModeNames.h).
constexpr int FM = 0, AM = 1, FMW = 2, USB = 3, LSB = 4, CW = 5, RTTY = 6, FAX = 7, ECSSU = 8,
              ECSSL = 9, FMN = 11, AMN = 12, AMSYN = 13, CWN = 15;

constexpr CoverageRow kScannerCoverage[] = {
    {25 * kMHz, 54 * kMHz, 5000},
    {108 * kMHz, 174 * kMHz, 5000},
    {406 * kMHz, 512 * kMHz, 6250},
    {806 * kMHz, 956 * kMHz, 12500},
};
constexpr CoverageRow kTrunkCoverage[] = {
    {29 * kMHz, 54 * kMHz, 5000},   {108 * kMHz, 174 * kMHz, 5000},
    {216 * kMHz, 225 * kMHz, 5000}, {406 * kMHz, 512 * kMHz, 6250},
    {806 * kMHz, 956 * kMHz, 6250}, {1240 * kMHz, 1300 * kMHz, 6250},
};
constexpr CoverageRow kWideCoverage[] = {
    {100'000, 29'999'999, 1000},
    {30 * kMHz, 1300 * kMHz, 5000},
    {1300 * kMHz + 1, 2000 * kMHz, 12500},
};
constexpr CoverageRow kHfCoverage[] = {
    {30'000, 29'999'999, 10},
    {30 * kMHz, 60 * kMHz, 100},
};
constexpr CoverageRow kTestCoverage[] = {
    {100'000, 29'999'999, 1000},
    {100 * kMHz, 200 * kMHz, 12500},
    {300 * kMHz, 400 * kMHz, 25000},
};

constexpr std::uint32_t kScannerSteps[] = {5000,  6250,  7500,  10000, 12500,
                                           15000, 20000, 25000, 50000, 100000};
constexpr std::uint32_t kReceiverSteps[] = {1,     10,    50,    100,    500,    1000,
                                            2500,  5000,  6250,  9000,   10000,  12500,
                                            20000, 25000, 50000, 100000, 1000000};

constexpr std::uint32_t kWideFilters[] = {500, 2800, 6000, 15000, 50000, 230000};
constexpr std::uint32_t kHfFilters[] = {250, 500, 1800, 2400, 3000, 6000, 9000};

constexpr Descriptor kVolume{0, 100, 2.55f, 128, 0, 0};
constexpr Descriptor kSquelch{0, 100, 2.55f, 30, 0, 0};

constexpr Controls ScannerControls() {
    Controls c{};
    c.volume = kVolume;
    c.squelch = kSquelch;
    return c;
}

constexpr Controls ReceiverControls() {
    Controls c = ScannerControls();
    c.bfo = {-3000, 3000, 1, 0, 0, 10};
    c.gain = {0, 100, 2.55f, 255, 0, 0};
    c.notch = {0, 100, 1, 0, 0, 0};
    c.vsc = {0, 100, 1, 0, 0, 0};
    c.voiceInversion = {2500, 4000, 1, 3300, 0, 100};
    c.ifShift = {-1200, 1200, 1, 0, 0, 50};
    c.filter2 = {0.5f, 15, 1000, 2800, 0, 10}; // kHz on the knob, Hz in the record
    c.agcAttack = {1, 100, 1, 10, 0, 0};       // ms
    c.agcHang = {0, 2000, 1, 300, 0, 0};
    c.agcDecay = {10, 5000, 1, 500, 0, 0};
    return c;
}

constexpr Controls HfControls() {
    Controls c = ReceiverControls();
    c.bfo = {-5000, 5000, 1, 0, 0, 10};
    c.vsc = {};
    c.voiceInversion = {};
    c.ifShift = {-2000, 2000, 1, 0, 0, 10};
    c.filter2 = {0.1f, 9, 1000, 2400, 0, 50};
    c.agcAttack = {1, 50, 1, 2, 0, 0};
    c.agcHang = {0, 3000, 1, 500, 0, 0};
    c.agcDecay = {20, 5000, 1, 800, 0, 0};
    return c;
}

constexpr Controls kScannerControls = ScannerControls();
constexpr Controls kReceiverControls = ReceiverControls();
constexpr Controls kHfControls = HfControls();

constexpr std::uint32_t kMemberKinds[] = {53530005, 53530006, 53530008};

constexpr FunctionPage Page(std::initializer_list<std::uint32_t> ids) {
    FunctionPage page;
    for (const std::uint32_t id : ids) {
        page.ids[page.count++] = id;
    }
    return page;
}

constexpr FunctionPage kScannerPages[] = {Page({1000, 1001, 1002, 1010, 1011})};
constexpr FunctionPage kTrunkPages[] = {
    Page({1000, 1001, 1002, 1010, 1011}),
    Page({1024, 1025, 1100, 1101, 1102, 1113, 1114, 0xFFFFFFFF}),
};
constexpr FunctionPage kReceiverPages[] = {
    Page({1000, 1001, 1002, 1010, 1011, 1020}),
    Page({1052, 1200, 1201, 1300, 1301}),
};

// Trunk systems: Motorola Type I and II, EDACS, LTR; digital radios add two digital systems.
constexpr std::uint32_t kAnalogSystems = 0x0F;
constexpr std::uint32_t kDigitalSystems = 0x3F;

constexpr RadioModel Scanner(std::uint8_t type, const char* name, std::uint16_t channels,
                             std::uint8_t banks, bool flat = true) {
    RadioModel m;
    m.type = type;
    m.name = name;
    m.caps1 = 0x01 | 0x02;
    m.features = 0x80 | 0x400;
    m.options = 0x4000;
    m.organisationFlags = 0x10;
    m.coverage = kScannerCoverage;
    m.controls = &kScannerControls;
    m.firstMemory = 1;
    m.memoryCount = channels;
    m.modes = Modes({FM, AM, FMW});
    m.defaultMode = FM;
    m.steps = kScannerSteps;
    m.defaultStep = 12500;
    m.organisation = {
        banks, static_cast<std::uint16_t>(channels / banks), 0, channels, 0, 0, 1, flat, ""};
    m.memberKinds = kMemberKinds;
    m.pages = kScannerPages;
    return m;
}

constexpr RadioModel Trunk(std::uint8_t type, const char* name, std::uint16_t channels,
                           std::uint8_t banks, std::uint16_t ids, bool lettered = true) {
    RadioModel m = Scanner(type, name, channels, banks, false);
    m.caps1 = 0x01 | 0x02 | 0x80 | 0x2000;
    m.caps3 = 0x1146;
    m.organisationFlags = 0x10 | (lettered ? 0x20000 : 0);
    m.engineKind = 1;
    m.coverage = kTrunkCoverage;
    m.modes = Modes({FM, AM, FMW, FMN});
    m.organisation.idsPerBank = ids;
    m.organisation.ranges = 10;
    m.organisation.firstBank = 1;
    m.organisation.bankLetters = "ABCDEFGHIJKLMNOPQRST";
    m.pages = kTrunkPages;
    m.systemTypes = kAnalogSystems;
    m.trackedSystems = kAnalogSystems;
    return m;
}

// A trunk scanner whose device reports its model code and variant.
constexpr RadioModel Reporting(RadioModel m, std::uint8_t trunkModel, std::uint8_t variant) {
    m.trunkModel = trunkModel;
    m.modelVariant = variant;
    return m;
}

// A trunk scanner whose device reports the variant of its model alone.
constexpr RadioModel WithVariant(RadioModel m, std::uint8_t variant) {
    m.modelVariant = variant;
    return m;
}

constexpr RadioModel WithRanges(RadioModel m, std::uint16_t ranges) {
    m.organisation.ranges = ranges;
    return m;
}

constexpr RadioModel SystemScanner(std::uint8_t type, const char* name) {
    RadioModel m = Trunk(type, name, 500, 20, 100, false);
    m.caps1 = 0x01 | 0x02 | 0x100 | 0x200 | 0x2000;
    m.organisationFlags = 0x20000000;
    m.systemTypes = kDigitalSystems;
    m.trackedSystems = kDigitalSystems;
    return m;
}

constexpr RadioModel Receiver(std::uint8_t type, const char* name, std::uint16_t channels = 1000,
                              std::uint8_t banks = 10) {
    RadioModel m;
    m.type = type;
    m.name = name;
    m.caps1 = 0x01 | 0x02 | 0x2000;
    m.features = 0x400 | 0x800;
    m.options = 0x4000;
    m.organisationFlags = 0x20000000;
    m.sweepKnobs = 0x80 | 0x800000 | 0x1000000;
    m.coverage = kWideCoverage;
    m.controls = &kReceiverControls;
    m.meterCeiling = -13;
    m.memoryCount = channels;
    m.modes = Modes({FM, AM, FMW, USB, LSB, CW, FMN, AMN});
    m.defaultMode = FM;
    m.steps = kReceiverSteps;
    m.defaultStep = 12500;
    m.filters = kWideFilters;
    m.organisation = {
        banks, static_cast<std::uint16_t>(channels / banks), 0, channels, 0, 0, 0, false, ""};
    m.memberKinds = kMemberKinds;
    m.pages = kReceiverPages;
    return m;
}

constexpr RadioModel DriverAudio(RadioModel m) {
    m.caps1 |= 0x1000;
    m.driverWave = 48000;
    m.driverWaveBits = 16;
    return m;
}

constexpr RadioModel WithDspUnit(RadioModel m) {
    m.dspUnit = true;
    return m;
}

constexpr RadioModel HfReceiver(std::uint8_t type, const char* name) {
    RadioModel m = Receiver(type, name);
    m.features = 0x100 | 0x400 | 0x800;
    m.coverage = kHfCoverage;
    m.controls = &kHfControls;
    m.meterCeiling = -23;
    m.modes = Modes({FM, AM, USB, LSB, CW, RTTY, FAX, ECSSU, ECSSL, AMN, AMSYN, CWN});
    m.defaultMode = AM;
    m.defaultStep = 1000;
    m.filters = kHfFilters;
    return m;
}

constexpr RadioModel TestReceiver() {
    RadioModel m = DriverAudio(Receiver(254, "Test Receiver", 400, 20));
    m.caps3 = 0x1146;
    m.features = 0x400 | 0x800 | 0x1000;
    m.organisationFlags = 0x20000 | 0x20000000;
    m.coverage = kTestCoverage;
    m.modes = Modes({FM, AM, FMW, USB, LSB, CW, RTTY, FAX, ECSSU, ECSSL, FMN, AMN, AMSYN, CWN});
    m.organisation = {20, 20, 100, 400, 10, 1, 1, false, "ABCDEFGHIJKLMNOPQRST"};
    m.firstMemory = 1;
    m.systemTypes = kDigitalSystems;
    m.trackedSystems = kDigitalSystems;
    return m;
}

constexpr RadioModel kModels[] = {
    Scanner(1, "Scanner 1", 100, 10),
    Scanner(2, "Scanner 2", 200, 10),
    Scanner(14, "Scanner 14", 400, 10, false),
    Scanner(18, "Scanner 18", 200, 10),
    Scanner(28, "Scanner 28", 1000, 10, false),
    Scanner(36, "Scanner 36", 300, 10),
    Scanner(47, "Scanner 47", 500, 10),
    Scanner(50, "Scanner 50", 1000, 10),
    Scanner(78, "Scanner 78", 1000, 10),
    Scanner(82, "Scanner 82", 200, 10),
    Scanner(83, "Scanner 83", 500, 10),
    Scanner(98, "Scanner 98", 2000, 20, false),
    Trunk(17, "Trunk Tracker 17", 200, 10, 50),
    // One pair of search limits.
    WithRanges(Trunk(35, "Trunk Tracker 35", 500, 10, 50), 1),
    Trunk(43, "Trunk Tracker 43", 1000, 20, 100),
    // One model in two variants: 51 lacks the FIPS codes.
    WithVariant(Trunk(45, "Trunk Tracker 45", 1000, 10, 50), 0),
    WithVariant(Trunk(51, "Trunk Tracker 51", 1000, 10, 50), 1),
    Reporting(Trunk(63, "Trunk Tracker 63", 200, 10, 100, false), 4, 0),
    Reporting(Trunk(64, "Trunk Tracker 64", 400, 10, 100, false), 5, 0),
    Reporting(Trunk(70, "Trunk Tracker 70", 500, 10, 100, false), 4, 1),
    Reporting(Trunk(71, "Trunk Tracker 71", 1000, 10, 100, false), 5, 1),
    Reporting(Trunk(89, "Trunk Tracker 89", 500, 10, 100, false), 6, 1),
    Reporting(Trunk(90, "Trunk Tracker 90", 1000, 10, 100, false), 7, 1),
    Reporting(Trunk(91, "Trunk Tracker 91", 500, 10, 100, false), 6, 0),
    Reporting(Trunk(92, "Trunk Tracker 92", 1000, 10, 100, false), 7, 0),
    WithRanges(Trunk(99, "Trunk Tracker 99", 250, 5, 100), 0),
    SystemScanner(105, "System Scanner 105"),
    SystemScanner(109, "System Scanner 109"),
    SystemScanner(110, "System Scanner 110"),
    SystemScanner(111, "System Scanner 111"),
    Receiver(42, "Receiver 42"),
    Receiver(46, "Receiver 46", 1000, 20),
    Receiver(62, "Receiver 62"),
    Receiver(74, "Receiver 74"),
    Receiver(75, "Receiver 75"),
    Receiver(95, "Receiver 95", 2000, 20),
    WithDspUnit(DriverAudio(Receiver(112, "PC Receiver 112"))),
    DriverAudio(Receiver(113, "PC Receiver 113")),
    HfReceiver(115, "HF Receiver 115"),
    WithDspUnit(DriverAudio(Receiver(130, "PC Receiver 130"))),
    DriverAudio(HfReceiver(131, "PC HF Receiver 131")),
    TestReceiver(),
};

} // namespace

const RadioModel* FindRadioModel(std::uint8_t type) {
    for (const RadioModel& m : kModels) {
        if (m.type == type) {
            return &m;
        }
    }
    return nullptr;
}

std::span<const RadioModel> RadioModels() {
    return kModels;
}

} // namespace hb::records
