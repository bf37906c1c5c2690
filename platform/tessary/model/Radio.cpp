#include "platform/tessary/model/Radio.h"

#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Range.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

using hb::records::Descriptor;
using hb::records::Parm;

constexpr std::size_t kMaxBanks = 20;

struct Hooks {
    std::function<void(Radio*)> tailor;
    hb::tessary::RadioFactory factory;
};

Hooks& State() {
    static Hooks hooks;
    return hooks;
}

const hb::records::Controls& NoControls() {
    static const hb::records::Controls none{};
    return none;
}

std::uint8_t ToByte(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

std::uint16_t ToWord(double value) {
    return static_cast<std::uint16_t>(std::clamp(std::lround(value), 0L, 65535L));
}

// The bandwidth a mode is normally received with.
std::uint32_t ModeBandwidth(std::uint8_t mode) {
    static constexpr std::uint32_t kByMode[16] = {15000, 6000, 180000, 2800, 2800, 500,
                                                  2400,  2400, 2800,   2800, 2800, 12500,
                                                  3000,  6000, 9000,   250};
    return kByMode[mode % 16];
}

} // namespace

namespace hb::tessary {

void SetTailorRadioHook(std::function<void(Radio*)> hook) {
    State().tailor = std::move(hook);
}

void SetRadioFactory(RadioFactory factory) {
    State().factory = std::move(factory);
}

} // namespace hb::tessary

Radio::Radio(const hb::records::RadioModel& model) : m_model(model) {
    if (!m_model.controls) {
        m_model.controls = &NoControls();
    }
    auto& org = m_model.organisation;
    org.banks = static_cast<std::uint8_t>(std::clamp<std::size_t>(org.banks, 1, kMaxBanks));
    org.channelsPerBank = std::max<std::uint16_t>(org.channelsPerBank, 1);
    m_pages.assign(m_model.pages.begin(), m_model.pages.end());
    m_systemTypes = m_model.systemTypes;
    m_sweep = hb::tessary::MakeSweepValues(m_model);
}

Radio::~Radio() = default;

std::unique_ptr<Radio> Radio::CreateRadio(BYTE type) {
    std::unique_ptr<Radio> radio;
    if (State().factory) {
        radio = State().factory(type);
    }
    if (!radio) {
        const hb::records::RadioModel* model = hb::records::FindRadioModel(type);
        if (!model) {
            return nullptr;
        }
        radio = std::make_unique<Radio>(*model);
    }
    if (State().tailor) {
        State().tailor(radio.get());
    }
    return radio;
}

int Radio::CheckCoverage(std::uint32_t hz) const {
    for (const auto& row : m_model.coverage) {
        if (hz >= row.lower && hz <= row.upper) {
            return 0;
        }
    }
    return 1;
}

std::uint8_t Radio::SquelchToDevice(double position) const {
    const Descriptor& d = controls().squelch;
    return ToByte(position * d.scale + d.offset);
}

double Radio::SquelchFromDevice(std::uint8_t value) const {
    const Descriptor& d = controls().squelch;
    return (value - d.offset) / d.scale;
}

Descriptor Radio::signalScale() const {
    const float floor = m_model.meterFloor;
    const float ceiling = m_model.meterCeiling;
    const float rawMax = m_model.rawLevelMax ? m_model.rawLevelMax : 255;
    return {floor, ceiling, (ceiling - floor) / rawMax, floor, floor, 0};
}

bool Radio::SupportsMode(std::uint8_t mode) const {
    return mode < 32 && (m_model.modes >> mode & 1) != 0;
}

std::uint32_t Radio::NearestStep(std::uint32_t step) const {
    if (m_model.steps.empty()) {
        return step;
    }
    if (step == 0) {
        return m_model.defaultStep;
    }
    std::uint32_t best = m_model.steps.front();
    for (const std::uint32_t s : m_model.steps) {
        const auto distance = [step](std::uint32_t x) { return x > step ? x - step : step - x; };
        if (distance(s) < distance(best)) {
            best = s;
        }
    }
    return best;
}

void Radio::StepRecord(Parm& record, int direction) const {
    const auto& steps = m_model.steps;
    if (steps.empty()) {
        return;
    }
    const std::uint32_t step = NearestStep(record.get(Parm::kStep));
    const auto it = std::find(steps.begin(), steps.end(), step);
    auto index = static_cast<std::size_t>(it - steps.begin());
    if (direction > 0 && index + 1 < steps.size()) {
        ++index;
    } else if (direction < 0 && index > 0) {
        --index;
    }
    record.set(Parm::kStep, steps[index]);
}

std::uint8_t Radio::FilterCode(std::uint32_t bandwidth) const {
    const auto& filters = m_model.filters;
    std::size_t best = filters.size();
    for (std::size_t code = 0; code < filters.size(); ++code) {
        if (filters[code] >= bandwidth &&
            (best == filters.size() || filters[code] < filters[best])) {
            best = code;
        }
    }
    if (best == filters.size()) {
        best = static_cast<std::size_t>(std::max_element(filters.begin(), filters.end()) -
                                        filters.begin());
    }
    return static_cast<std::uint8_t>(filters.empty() ? 0 : best);
}

std::uint32_t Radio::FilterBandwidth(std::uint8_t code) const {
    const auto& filters = m_model.filters;
    return filters.empty() ? 0 : filters[code % filters.size()];
}

std::uint32_t Radio::NormaliseBandwidth(std::uint32_t bandwidth) const {
    const Descriptor& d = controls().filter2;
    if (d.max <= d.min) {
        return FilterBandwidth(FilterCode(bandwidth));
    }
    double hz =
        std::clamp<double>(bandwidth, d.min * d.scale + d.offset, d.max * d.scale + d.offset);
    if (d.granularity != 0) {
        hz = std::round(hz / d.granularity) * d.granularity;
    }
    return static_cast<std::uint32_t>(hz);
}

bool Radio::CheckRecord(Parm& record) const {
    const Parm before = record;
    if (!SupportsMode(record.get(Parm::kMode))) {
        record.set(Parm::kMode, m_model.defaultMode);
    }
    record.set(Parm::kStep, NearestStep(record.get(Parm::kStep)));
    if (filterCount() != 0) {
        std::uint8_t code = record.get(Parm::kFilter);
        if (code >= filterCount()) {
            code = FilterCode(ModeBandwidth(record.get(Parm::kMode)));
            record.set(Parm::kFilter, code);
        }
        const std::uint32_t bandwidth = record.get(Parm::kBandwidth);
        record.set(Parm::kBandwidth,
                   bandwidth == 0 ? FilterBandwidth(code) : NormaliseBandwidth(bandwidth));
    }
    return !(record == before);
}

void Radio::AdjustForNewBand(Parm& record) const {
    CheckRecord(record);
}

Parm Radio::DefaultRecord() const {
    const hb::records::Controls& c = controls();
    Parm record;
    record.set(Parm::kStep, m_model.defaultStep);
    record.set(Parm::kMode, m_model.defaultMode);
    if (filterCount() != 0) {
        const std::uint8_t code = FilterCode(ModeBandwidth(m_model.defaultMode));
        record.set(Parm::kFilter, code);
        record.set(Parm::kBandwidth, FilterBandwidth(code));
    }
    record.set(Parm::kVolume, ToByte(c.volume.def));
    record.set(Parm::kSquelch, SquelchToDevice(c.squelch.def));
    record.set(Parm::kAgcAttack, ToWord(c.agcAttack.def * c.agcAttack.scale));
    record.set(Parm::kAgcHang, ToWord(c.agcHang.def * c.agcHang.scale));
    record.set(Parm::kAgcDecay, ToWord(c.agcDecay.def * c.agcDecay.scale));
    return record;
}

std::string Radio::FormatFrequency(std::uint32_t hz, bool mhz) const {
    char text[24];
    if (mhz) {
        std::snprintf(text, sizeof text, "%4u.%06u", hz / 1000000, hz % 1000000);
    } else {
        std::snprintf(text, sizeof text, "%7u.%03u", hz / 1000, hz % 1000);
    }
    return text;
}

hb::records::FunctionPage* Radio::page(std::size_t number) {
    return number >= 1 && number <= m_pages.size() ? &m_pages[number - 1] : nullptr;
}

void Radio::SystemTypesChanged() {
    m_systemTypes &= m_model.trackedSystems;
}

char Radio::bankLetter(std::size_t index) const {
    const std::string_view letters = m_model.organisation.bankLetters;
    if ((m_model.organisationFlags & kOrganisationLetters) == 0 || index >= letters.size()) {
        return 0;
    }
    return letters[index];
}

int Radio::Request(int a, int b) {
    if (b == 0) {
        return m_model.meterFloor;
    }
    const Descriptor scale = signalScale();
    const double level = scale.offset + static_cast<double>(a) / b * scale.scale;
    return static_cast<int>(std::lround(std::clamp<double>(level, scale.min, scale.max)));
}

void Radio::OnDeviceStatus(const hb::records::DeviceStatus& status) {
    m_variant = status.get(hb::records::DeviceStatus::kModelVariant);
}

bool Radio::AcceptsRadioType(std::uint8_t type) const {
    return type == m_model.type;
}

int Radio::CheckGroup(const Object& root) const {
    const auto* group = dynamic_cast<const Group*>(&root);
    return group && AcceptsRadioType(group->radioType()) ? 0 : 1;
}

std::vector<std::uint32_t> Radio::SheetList() const {
    using Kind = hb::records::ObjectKind;
    std::vector<std::uint32_t> sheets{static_cast<std::uint32_t>(Kind::Bank),
                                      static_cast<std::uint32_t>(Kind::StandaloneChannel)};
    const auto& org = m_model.organisation;
    if (org.idsPerBank != 0 || org.ranges != 0) {
        sheets.push_back(static_cast<std::uint32_t>(Kind::UserIdEntry));
    }
    if (org.ranges != 0) {
        sheets.push_back(static_cast<std::uint32_t>(Kind::SearchRange));
    }
    return sheets;
}

void Radio::ConformGroup(Group& group) const {
    bool changed = group.radioType() != m_model.type;
    group.setRadioType(m_model.type);
    if (m_model.organisationFlags & kOrganisationFixed) {
        const auto& org = m_model.organisation;
        while (group.banks().size() < org.banks) {
            auto bank = std::make_unique<Bank>();
            bank->number = static_cast<std::uint16_t>(org.firstBank + group.banks().size());
            group.addBank(std::move(bank));
            changed = true;
        }
        for (const auto& bank : group.banks()) {
            while (bank->members().size() < org.channelsPerBank) {
                bank->addMember(std::make_unique<Chan>()).reset(this);
                changed = true;
            }
        }
        // A trunk scanner's search ranges stand beside its banks, where its transfers look for
        // them.
        const auto ranges = std::ranges::count_if(group.extras(), [](const auto& extra) {
            return dynamic_cast<const Range*>(extra.get()) != nullptr;
        });
        for (auto count = ranges; count < org.ranges; ++count) {
            auto range = std::make_unique<Range>();
            range->reset(this);
            group.addExtra(std::move(range));
            changed = true;
        }
        group.setFlags(group.flags() | Group::kFlagFixed);
    }
    if (changed) {
        group.markChanged();
    }
}

std::unique_ptr<Group> Radio::NewGroup() const {
    auto group = std::make_unique<Group>();
    ConformGroup(*group);
    if (group->banks().empty()) {
        auto bank = std::make_unique<Bank>();
        bank->number = m_model.organisation.firstBank;
        group->addBank(std::move(bank));
    }
    return group;
}

void Radio::ConformGroupChannels(Group& group) const {
    const auto conform = [this](Chan& channel) {
        if (auto* range = dynamic_cast<Range*>(&channel)) {
            ConformRange(*range);
            return;
        }
        Parm record = channel.record();
        if (CheckRecord(record)) {
            channel.SetParm(record);
        }
    };
    for (const auto& bank : group.banks()) {
        for (const auto& member : bank->members()) {
            conform(*member);
        }
    }
    for (const auto& extra : group.extras()) {
        conform(*extra);
    }
}

void Radio::ConformRange(Range& range) const {
    Parm record = range.record();
    std::uint32_t lower = range.lower();
    std::uint32_t upper = range.upper();
    if (lower > upper) {
        std::swap(lower, upper);
    }
    if (!m_model.coverage.empty()) {
        lower = std::max(lower, m_model.coverage.front().lower);
        upper = std::min(upper, m_model.coverage.back().upper);
    }
    record.set(Parm::kStart, lower);
    record.set(Parm::kEnd, std::max(lower, upper));
    CheckRecord(record);
    if (!(record == range.record())) {
        range.SetParm(record);
    }
}

int Radio::TransferFromRadio(CObjectDoc*, CWnd*, WPARAM) {
    return kNoOwnTransfer;
}

int Radio::TransferToRadio(CObjectDoc*, CWnd*) {
    return kNoOwnTransfer;
}

int Radio::CheckSweepFrequency(std::uint32_t hz) const {
    return hz >= m_sweep.lowest && hz <= m_sweep.highest ? 0 : 1;
}

std::uint32_t Radio::SweepStep(std::uint32_t step, std::uint32_t) const {
    return std::max({step, m_sweep.smallestStep, std::uint32_t{1}});
}

void Radio::PrepareSweepRecord(Parm& record) const {
    CheckRecord(record);
}
