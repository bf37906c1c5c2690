#include "platform/tessary/grid/ObjectGrid.h"

#include "platform/records/ModeNames.h"
#include "platform/records/RadioModel.h"
#include "platform/tessary/app/ObjectDoc.h"
#include "platform/tessary/grid/GroupGridText.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"

#include <bit>
#include <string>

IMPLEMENT_DYNAMIC(CObjectGrid, CGrid)

namespace {

using hb::records::Parm;
using hb::tessary::grid::FrequencyText;
using hb::tessary::grid::StepText;
using hb::tessary::grid::Trimmed;

constexpr const char* kPropertyNames[] = {
    "Name",       "Description",          "Lower",      "Upper",       "Step", "Mode", "Attenuator",
    "Store hits", "Lock out stored hits", "Radio type", "Lock-out map"};
static_assert(std::size(kPropertyNames) == CObjectGrid::kProperties);

constexpr hb::tessary::grid::Heading kHeadings[] = {{"Property", 150, DT_LEFT},
                                                    {"Value", 250, DT_LEFT}};

std::string RadioTypeText(std::uint8_t type) {
    const hb::records::RadioModel* model = hb::records::FindRadioModel(type);
    return model ? model->name : "None";
}

// How many of the range's steps are locked out.
std::string LockOutMapText(const Range& range) {
    std::size_t locked = 0;
    for (const auto& record : range.records()) {
        if (record->tag != static_cast<std::uint32_t>(hb::records::BlobTag::LockOutMap)) {
            continue;
        }
        for (std::size_t at = hb::tessary::kLockOutMapHeader; at < record->data.size(); ++at) {
            locked += static_cast<std::size_t>(std::popcount(record->data[at]));
        }
    }
    return locked == 0 ? "None" : std::to_string(locked) + " steps locked out";
}

} // namespace

void CObjectGrid::Setup(Object* root, Radio* radio, CObjectDoc* document) {
    m_range = dynamic_cast<Range*>(root);
    m_radio = radio;
    m_doc = document;
    SetupGrid();
}

void CObjectGrid::SetupGrid() {
    SetNumberSheets(1);
    SetSheetNumber(0);
    hb::tessary::grid::SetHeadings(*this, kHeadings);
    SetNumberRows(m_range ? kProperties : 0);
    if (!m_range) {
        RedrawAll();
        return;
    }
    const Range& range = *m_range;
    const Parm& record = range.record();
    const std::string values[kProperties] = {
        range.name(),
        range.description(),
        FrequencyText(range.lower()),
        FrequencyText(range.upper()),
        StepText(range.step()),
        std::string(hb::records::ModeName(record.get(Parm::kMode))),
        record.get(Parm::Channel::kAttenuator) ? "1" : "0",
        range.options() & Range::kOptionStoreHits ? "1" : "0",
        range.options() & Range::kOptionLockOutHits ? "1" : "0",
        RadioTypeText(range.radioType()),
        LockOutMapText(range)};
    const std::string modes = hb::tessary::grid::ModeChoices(m_radio);
    for (int row = 0; row < kProperties; ++row) {
        CUGCell name;
        name.SetText(kPropertyNames[row]);
        name.SetReadOnly(TRUE);
        SetCell(0, row, &name);
        CUGCell value;
        value.SetText(values[row].c_str());
        value.SetReadOnly(row == kRadioType || row == kLockOutMap);
        if (row == kMode) {
            value.SetCellType(UGCT_DROPLIST);
            value.SetLabelText(modes.c_str());
        } else if (row == kAttenuator || row == kStoreHits || row == kLockOutHits) {
            value.SetCellType(UGCT_CHECKBOX);
        }
        SetCell(kValueColumn, row, &value);
    }
    RedrawAll();
}

int CObjectGrid::FinishTextEdit(int col, long row, CWnd*, LPCSTR text, BOOL cancel) {
    if (cancel) {
        return 1;
    }
    CUGCell cell;
    if (!m_range || col != kValueColumn || !GetCell(col, row, &cell) || cell.GetReadOnly() ||
        !Store(*m_range, row, Trimmed(text ? text : ""))) {
        return 0;
    }
    if (m_radio) {
        m_radio->ConformRange(*m_range);
    }
    m_range->markChanged();
    if (m_doc) {
        m_doc->SetModifiedFlag(TRUE);
    }
    SetupGrid();
    return 1;
}

bool CObjectGrid::Store(Range& range, long row, const std::string& text) {
    std::uint32_t lower = range.lower();
    std::uint32_t upper = range.upper();
    std::uint32_t step = range.step();
    Parm record = range.record();
    switch (row) {
    case kName:
        range.setName(text);
        return true;
    case kDescription:
        range.setDescription(text);
        return true;
    case kLower:
        if (!hb::tessary::grid::ParseFrequency(text, m_radio, lower)) {
            return false;
        }
        break;
    case kUpper:
        if (!hb::tessary::grid::ParseFrequency(text, m_radio, upper)) {
            return false;
        }
        break;
    case kStep:
        if (!hb::tessary::grid::ParseStep(text, step)) {
            return false;
        }
        break;
    case kMode: {
        std::uint8_t mode = 0;
        if (!hb::tessary::grid::ParseMode(text, m_radio, mode)) {
            return false;
        }
        record.set(Parm::kMode, mode);
        range.SetParm(record);
        return true;
    }
    case kAttenuator:
        record.set(Parm::Channel::kAttenuator, static_cast<std::uint8_t>(text == "1" ? 1 : 0));
        range.SetParm(record);
        return true;
    case kStoreHits:
    case kLockOutHits: {
        const std::uint32_t bit =
            row == kStoreHits ? Range::kOptionStoreHits : Range::kOptionLockOutHits;
        range.setOptions(text == "1" ? range.options() | bit : range.options() & ~bit);
        return true;
    }
    default:
        return false;
    }
    range.setLimits(lower, upper, step);
    return true;
}
