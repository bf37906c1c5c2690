#include "platform/engine/sim/SimTrunkMenu63.h"

#include <algorithm>
#include <cstdio>

namespace hb::engine::sim {

namespace {

constexpr std::size_t kHighlightColumn = 16;
constexpr std::size_t kListRows = 3;
constexpr std::size_t kTen = 10;
// Trunk-type codes whose band plans the bank's type menu shows, and those of EDACS systems.
constexpr unsigned kCodeUhf = 4;
constexpr unsigned kCodeVhf = 5;
constexpr unsigned kCodeEdacs = 6;
constexpr unsigned kCodeEdacsWide = 7;
constexpr unsigned kTrunkCodes = 9;
constexpr unsigned kChainChoices = 9;

std::string Row(const std::string& text, bool highlighted) {
    std::string row = text.substr(0, kHighlightColumn);
    if (highlighted) {
        row.resize(kHighlightColumn, ' ');
        row += '*';
    }
    return row;
}

std::string Letter(std::size_t index) {
    return std::string(1, static_cast<char>('A' + index));
}

std::string Printed(const char* format, unsigned first, unsigned second = 0) {
    char text[32];
    std::snprintf(text, sizeof text, format, first, second);
    return text;
}

} // namespace

void SimTrunkMenu63::Press(std::string_view key) {
    const std::string code(key.substr(0, 2));
    const bool exitKey = m_model.exitKey == "KEY" + code;
    if (code == "11") {
        m_path = {Top()};
        return;
    }
    if (code == "00" || code == "01" || (exitKey && code == "13")) {
        Close();
        return;
    }
    if (m_path.empty()) {
        return;
    }
    Screen& shown = m_path.back();
    if (code == "02" && key.size() > 3) {
        const auto digit = static_cast<unsigned>(key[3] - '0');
        if (!shown.items.empty()) {
            const auto entry = std::ranges::find(shown.items, digit, &Entry::position);
            if (entry != shown.items.end()) {
                Enter(*entry);
            }
        } else if (shown.chosen && digit >= 1 && digit <= shown.options.size()) {
            *shown.chosen = digit;
        }
    } else if (code == "04") {
        if (!shown.items.empty()) {
            Enter(shown.items[shown.at]);
        } else if (!shown.pages.empty()) {
            shown.at = std::min(shown.at + 1, shown.pages.size() - 1);
        }
    } else if (code == "07") {
        if (!shown.items.empty()) {
            shown.at = (shown.at + 1) % shown.items.size();
        } else if (shown.chosen && exitKey) {
            Close();
        }
    }
}

std::array<std::string, SimTrunkMenu63::kLines> SimTrunkMenu63::Display() const {
    std::array<std::string, kLines> lines{};
    if (m_path.empty()) {
        lines[0] = "SCAN";
        return lines;
    }
    const Screen& shown = m_path.back();
    if (shown.chosen) {
        const std::size_t count = shown.options.size();
        const std::size_t chosen = std::max<std::size_t>(*shown.chosen, 1) - 1;
        const std::size_t first = count <= kLines ? 0 : std::min(chosen, count - kLines);
        for (std::size_t row = 0; row < kLines && first + row < count; ++row) {
            lines[row] = Row(shown.options[first + row], first + row + 1 == *shown.chosen);
        }
        return lines;
    }
    lines[0] = shown.title;
    if (!shown.pages.empty()) {
        lines[0] = shown.pages[shown.at][0];
        lines[1] = shown.pages[shown.at][1];
        return lines;
    }
    const std::size_t first = shown.at / kListRows * kListRows;
    for (std::size_t row = 0; row < kListRows && first + row < shown.items.size(); ++row) {
        lines[row + 1] = Row(shown.items[first + row].label, first + row == shown.at);
    }
    return lines;
}

SimTrunkMenu63::Screen SimTrunkMenu63::Top() {
    Screen top{"MENU"};
    top.items = {{1, " :SEARCH", [this] { return SearchList(); }},
                 {2, " :PROGRAM", [this] {
                      Screen program{"PROGRAM"};
                      program.items = {{1, " :SYSTEM", [] { return Page("SYSTEM"); }},
                                       {2, " :BANKS", [this] {
                                            return Numbered(
                                                "BANKS",
                                                [](std::size_t b) { return " :BANK " + Letter(b); },
                                                [this](std::size_t b) { return BankItems(b); });
                                        }}};
                      return program;
                  }}};
    return top;
}

SimTrunkMenu63::Screen SimTrunkMenu63::SearchList() {
    Screen search{"SEARCH"};
    search.items = {{1, " :SERVICE SRCH", [] { return Page("SERVICE SRCH"); }},
                    {2, " :CUSTOM SRCH", [] { return Page("CUSTOM SRCH"); }},
                    {3, " :TONE SRCH", [] { return Page("TONE SRCH"); }}};
    if (m_model.chainSearch) {
        search.items.push_back({4, " :CHAIN SEARCH", [this] { return ChainList(); }});
    }
    return search;
}

SimTrunkMenu63::Screen SimTrunkMenu63::ChainList() {
    Screen chain{"CHAIN SEARCH"};
    std::vector<std::string> choices;
    for (unsigned n = 1; n <= kChainChoices; ++n) {
        choices.push_back(Printed("%u CHOICE %u", n, n));
    }
    chain.items = {{2, " :RANGES",
                    [this] {
                        return Numbered(
                            "RANGES", [](std::size_t r) { return " :RANGE " + Letter(r); },
                            [this](std::size_t r) { return RangeItems(r); });
                    }},
                   {3, " :CHAIN CHOICE",
                    [this, choices] { return Options("CHOICE", choices, m_memory.chainChoice); }},
                   {4, " :OPTION 4", [this] { return OnOff("OPTION 4", m_memory.chainOption4); }},
                   {6, " :OPTION 6", [this] { return OnOff("OPTION 6", m_memory.chainOption6); }}};
    return chain;
}

SimTrunkMenu63::Screen SimTrunkMenu63::RangeItems(std::size_t range) {
    SimTrunkRange63& kept = m_memory.ranges[range];
    Screen items{"RANGE " + Letter(range)};
    if (!m_model.rangeSteps.empty()) {
        std::vector<std::string> steps;
        for (const std::uint32_t hz : m_model.rangeSteps) {
            const auto word = std::ranges::find(hb::records::kTrunkStepWords, hz,
                                                &hb::records::TrunkStepWord::hz);
            steps.push_back(std::to_string(steps.size() + 1) + " " + std::string(word->word));
        }
        steps.push_back(std::to_string(steps.size() + 1) + " OTHER");
        items.items.push_back(
            {2, " :STEP", [&kept, steps] { return Options("STEP", steps, kept.step); }});
    }
    if (m_model.chainSearch) {
        items.items.push_back(
            {3, " :MODE", [&kept] {
                 return Options("MODE", {"1 AM", "2 FM", "3 WFM", "4 NFM", "5 OTHER"}, kept.mode);
             }});
    }
    return items;
}

SimTrunkMenu63::Screen SimTrunkMenu63::BankItems(std::size_t bank) {
    SimTrunkBank63& kept = m_memory.banks[bank];
    Screen items{"BANK " + Letter(bank)};
    const std::vector<std::string> delays =
        m_model.fullDelay ? std::vector<std::string>{"1 0 SEC", "2 1 SEC", "3 2 SEC", "4 4 SEC",
                                                     "5 +-",    "6 -2",    "7 -5",    "8 -10"}
                          : std::vector<std::string>{"1 OFF", "2 ON"};
    items.items = {
        {1, " :TRUNK",
         [this, bank] {
             Screen trunk{"TRUNK"};
             trunk.items = {{1, " :TYPE", [this, bank] { return TypeList(bank); }}};
             return trunk;
         }},
        {3, " :ID LIST",
         [this, bank] {
             return Numbered(
                 "ID LIST", [](std::size_t g) { return " :IDS " + Letter(g); },
                 [this, bank](std::size_t g) { return IdSlots(bank, g); });
         }},
        {4, " :DELAY", [&kept, delays] { return Options("DELAY", delays, kept.delay); }}};
    if (m_model.optionMenus) {
        items.items.push_back(
            {5, " :BANK OPTION", [&kept] { return OnOff("BANK OPTION", kept.option); }});
    }
    items.items.push_back({m_model.systemOptionItem, " :SYS OPTION",
                           [&kept] { return OnOff("SYS OPTION", kept.systemOption); }});
    if (m_model.trunkOptionsBySearch) {
        items.items.push_back({7, " :END CODE", [this, bank] { return EndCode(bank); }});
        items.items.push_back({8, " :EDCS ID FORM", [this, bank] { return EdacsFormat(bank); }});
    } else {
        items.items.push_back({0, " :TRUNK OPTION", [this, bank] { return TrunkOptions(bank); }});
    }
    return items;
}

SimTrunkMenu63::Screen SimTrunkMenu63::TypeList(std::size_t bank) {
    Screen types{"TYPE"};
    for (unsigned code = 1; code <= kTrunkCodes; ++code) {
        types.items.push_back({code, Printed(" :TYPE %u", code), [this, bank, code] {
                                   return code == kCodeUhf || code == kCodeVhf
                                              ? BandPlanPages(bank)
                                              : Page(Printed("TYPE %u", code));
                               }});
    }
    return types;
}

SimTrunkMenu63::Screen SimTrunkMenu63::BandPlanPages(std::size_t bank) {
    Screen pages{"BAND PLAN"};
    unsigned number = 0;
    for (const SimTrunkPlan63& plan : m_memory.banks[bank].plans) {
        ++number;
        pages.pages.push_back({Printed("PLAN %u", number), ""});
        pages.pages.push_back({Printed("P%u BASE", number),
                               Printed("%4u.%04u", plan.base / 10000, plan.base % 10000)});
        pages.pages.push_back({Printed("P%u SPACING", number),
                               Printed("%4u.%01u", plan.spacing / 10, plan.spacing % 10)});
        pages.pages.push_back({Printed("P%u OFFSET", number), Printed("OFS %03u", plan.offset)});
    }
    return pages;
}

SimTrunkMenu63::Screen SimTrunkMenu63::IdSlots(std::size_t bank, std::size_t group) {
    return Numbered(
        "IDS " + Letter(group),
        [group](std::size_t s) { return " :ID " + Letter(group) + std::to_string((s + 1) % kTen); },
        [this, bank, group](std::size_t s) {
            SimTrunkId63& id = m_memory.banks[bank].ids[group * kTen + s];
            Screen entry{"ID " + id.text};
            entry.items = {{1, " :SETTINGS", [this, &id] {
                                Screen settings{"SETTINGS"};
                                if (m_model.optionMenus) {
                                    settings.items = {{3, " :ID OPTION", [&id] {
                                                           return OnOff("ID OPTION", id.option);
                                                       }}};
                                }
                                return settings;
                            }}};
            return entry;
        });
}

SimTrunkMenu63::Screen SimTrunkMenu63::TrunkOptions(std::size_t bank) {
    const unsigned code = m_memory.banks[bank].trunkCode;
    Screen options{"TRUNK OPTION"};
    if (code == kCodeEdacs || code == kCodeEdacsWide) {
        options.items = {{1, " :EDCS ID FORM", [this, bank] { return EdacsFormat(bank); }}};
    } else {
        options.items = {{1, " :END CODE", [this, bank] { return EndCode(bank); }}};
    }
    return options;
}

SimTrunkMenu63::Screen SimTrunkMenu63::EndCode(std::size_t bank) {
    return Options("END CODE", {"1 CODE OFF", "2 CODE ON"}, m_memory.banks[bank].endCode);
}

SimTrunkMenu63::Screen SimTrunkMenu63::EdacsFormat(std::size_t bank) {
    return Options("EDCS ID FORM", {"1 AFS", "2 DECIMAL"}, m_memory.banks[bank].edacsFormat);
}

SimTrunkMenu63::Screen
SimTrunkMenu63::Numbered(std::string title, const std::function<std::string(std::size_t)>& label,
                         const std::function<Screen(std::size_t)>& open) {
    Screen list{std::move(title)};
    for (std::size_t n = 0; n < kTen; ++n) {
        list.items.push_back(
            {static_cast<unsigned>((n + 1) % kTen), label(n), [open, n] { return open(n); }});
    }
    return list;
}

SimTrunkMenu63::Screen SimTrunkMenu63::Options(std::string title, std::vector<std::string> labels,
                                               unsigned& chosen) {
    Screen options{std::move(title)};
    options.options = std::move(labels);
    options.chosen = &chosen;
    return options;
}

SimTrunkMenu63::Screen SimTrunkMenu63::OnOff(std::string title, unsigned& chosen) {
    return Options(std::move(title), {"1 ON", "2 OFF"}, chosen);
}

SimTrunkMenu63::Screen SimTrunkMenu63::Page(std::string title, std::string value) {
    Screen page{title};
    page.pages = {{std::move(title), std::move(value)}};
    return page;
}

} // namespace hb::engine::sim
