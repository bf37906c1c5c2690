// The tool bars of the group, search range and database windows, with their pictures and tooltips,
// and the texts the group window shows when an element operation cannot be done.
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

struct ToolButton {
    UINT id;
    const char* picture;
    const char* text; // null where another resource already prompts for the command
};

constexpr int kButtonSize = 16;

const ToolButton kRadioToPc{27119, "program",
                            "Read the radio's memories into this group\nRadio to PC"};
const ToolButton kPcToRadio{27118, "radio-settings",
                            "Write this group into the radio\nPC to Radio"};
const ToolButton kCut{57635, "cut", nullptr};
const ToolButton kCopy{57634, "copy", nullptr};
const ToolButton kPaste{57637, "paste", nullptr};
const ToolButton kInsert{ID_GRID_INSERT_ROW_BEFORE, "insert-row", nullptr};
const ToolButton kFind{ID_GRID_FIND, "search", nullptr};
const ToolButton kPrint{57607, "print", nullptr};
const ToolButton kFixed{27161, "key-lock-out", nullptr};
const ToolButton kRenumber{27166, "select-all", nullptr};
const ToolButton kSortFrequency{27146, "band-select", nullptr};
const ToolButton kSortName{27145, "history", nullptr};
const ToolButton kRadioType{27181, "radio-control", nullptr};
const ToolButton kGlobal{ID_RADIO_GLOBAL_SETTINGS, "special-settings", nullptr};
const ToolButton kResetStatistics{IDS_RESET_HIT_HISTORY, "clear", nullptr};
const ToolButton kSelectBand{27324, "band-select",
                             "Take the limits from the band table\nSelect Band"};
const ToolButton kLockOutMap{ID_RANGE_LOCK_OUT_MAP, "key-lock-out",
                             "Edit the range's lock-out map\nLock Out Map"};
const ToolButton kRereadTable{1642, "databases", "Read the table again\nRefresh"};

struct ToolBarSpec {
    UINT id;
    std::vector<ToolButton> buttons; // a null picture is a separator
};

const ToolButton kGap{0, nullptr, nullptr};

const std::vector<ToolBarSpec>& ToolBarSpecs() {
    static const std::vector<ToolBarSpec> specs{
        {27346,
         {kRadioToPc, kPcToRadio, kGap, kCut, kCopy, kPaste, kGap, kInsert, kFind, kPrint, kGap,
          kFixed, kRenumber, kSortFrequency, kSortName, kRadioType, kGlobal, kResetStatistics}},
        {27363,
         {kCut, kCopy, kPaste, kGap, kInsert, kFind, kPrint, kGap, kFixed, kRenumber,
          kSortFrequency, kSortName, kRadioType, kGlobal, kResetStatistics}},
        {27355, {kSelectBand, kLockOutMap, kRadioType, kGap, kPrint}},
        {27347, {kRereadTable, kGap, kPrint}},
    };
    return specs;
}

} // namespace

std::vector<hb::afx::ToolBarResource> GroupToolBars() {
    std::vector<hb::afx::ToolBarResource> bars;
    for (const ToolBarSpec& spec : ToolBarSpecs()) {
        hb::afx::ToolBarResource bar{
            .id = spec.id, .bitmapId = spec.id, .buttonCx = kButtonSize, .buttonCy = kButtonSize};
        for (const ToolButton& button : spec.buttons) {
            bar.buttons.push_back(button.id);
        }
        bars.push_back(std::move(bar));
    }
    return bars;
}

std::vector<hb::afx::BitmapResource> GroupToolBarBitmaps() {
    std::vector<hb::afx::BitmapResource> strips;
    for (const ToolBarSpec& spec : ToolBarSpecs()) {
        hb::afx::BitmapResource strip{.id = spec.id, .cy = kButtonSize, .cells = 0};
        for (const ToolButton& button : spec.buttons) {
            if (button.picture) {
                strip.pictures.emplace_back(button.picture);
                ++strip.cells;
            }
        }
        strip.cx = kButtonSize * strip.cells;
        strips.push_back(std::move(strip));
    }
    return strips;
}

std::vector<hb::afx::StringResource> GroupToolBarStrings() {
    // Only the commands that no other resource prompts for, each once.
    std::vector<hb::afx::StringResource> strings;
    for (const ToolButton* button :
         {&kRadioToPc, &kPcToRadio, &kSelectBand, &kLockOutMap, &kRereadTable}) {
        strings.push_back({button->id, button->text});
    }
    const char* const kinds[] = {"banks", "channels", "user IDs", "search ranges"};
    const char* const selections[] = {
        "Select one or more banks first.", "Select one or more channels first.",
        "Select one or more user IDs first.", "Select one or more search ranges first."};
    for (UINT kind = 0; kind < 4; ++kind) {
        strings.push_back({28741 + kind, std::string("This group has a fixed channel and bank "
                                                     "organization. You cannot add or remove ") +
                                             kinds[kind] + "."});
        strings.push_back({28745 + kind, selections[kind]});
    }
    strings.push_back({28749, "Select two or more banks to merge."});
    return strings;
}

std::vector<hb::afx::IconResource> GroupWindowIcons() {
    return {{IDR_GROUP, {{16, 16}, {32, 32}}, "new-group"},
            {IDR_RANGE, {{16, 16}, {32, 32}}, "band-select"}};
}

} // namespace hb::resources
