#include "platform/engine/sim/SimType17Radio.h"

#include "platform/engine/sim/SimRadios.h"

#include <algorithm>

namespace hb::engine::sim {

namespace {

constexpr std::array<std::uint8_t, 1> kTypes{17};
constexpr std::string_view kRefused = "NG";
constexpr std::string_view kModeBusy = "MD12";
constexpr std::string_view kModeReady = "MD01";
// The keys from a list to its fleet-map menu.
constexpr std::string_view kFleetMenuPath = "110711";
constexpr std::uint8_t kSizeCodes = 16;

// The presets of the fleet-map menu, in its order.
constexpr std::array<SimType17Radio::FleetMap, 15> kPresets{{
    {4, 4, 4, 4, 4, 4, 4, 4},
    {4, 4, 4, 4, 4, 4, 12, 15},
    {12, 15, 4, 4, 4, 4, 4, 4},
    {4, 4, 12, 15, 4, 4, 4, 4},
    {3, 10, 4, 4, 12, 15, 12, 15},
    {10, 10, 11, 4, 4, 4, 4, 4},
    {1, 1, 2, 2, 3, 3, 4, 4},
    {4, 4, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 4, 4},
    {4, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 4},
    {3, 3, 11, 4, 4, 0, 0, 0},
    {4, 3, 10, 4, 4, 4, 12, 15},
    {4, 4, 4, 11, 11, 0, 12, 15},
    {3, 10, 10, 11, 0, 0, 12, 15},
}};

// The blocks a size code entered by hand fills.
unsigned BlocksOf(std::uint8_t size) {
    switch (size) {
    case 12:
        return 2;
    case 13:
        return 4;
    case 14:
        return 8;
    default:
        return 1;
    }
}

std::unique_ptr<SimRadio> Make(std::uint8_t) {
    return std::make_unique<SimType17Radio>();
}

[[maybe_unused]] const bool kRegistered = RegisterSimRadio(kTypes, &Make);

} // namespace

SimType17Radio::SimType17Radio() : SimChannelRadio(kMemories) {
    m_busyPolls.fill(1);
    Define("AC", [this](std::string_view) {
        Erase();
        return std::string(kAccepted);
    });
    Define("MD", [this](std::string_view) { return Mode(); });
    Define("IC", [this](std::string_view arguments) { return Slot(arguments); });
}

void SimType17Radio::Erase() {
    EraseChannels();
    m_lists = {};
    m_menu = Menu::Top;
    m_open.reset();
}

void SimType17Radio::OpenList(char letter) {
    if (letter < 'A' || Index(letter) >= kLists) {
        return;
    }
    m_open = Index(letter);
    m_menu = Menu::List;
    m_path.clear();
    m_busy = m_busyPolls[*m_open];
}

std::optional<std::string> SimType17Radio::Mode() {
    if (m_open && m_busy > 0) {
        --m_busy;
        return std::string(kModeBusy);
    }
    return std::string(kModeReady);
}

std::optional<std::string> SimType17Radio::Slot(std::string_view arguments) {
    const auto slot =
        arguments.starts_with(' ') ? SlotIndex(arguments.substr(1), kSlots) : std::nullopt;
    if (!m_open || !slot) {
        return std::string(kRefused);
    }
    m_menu = Menu::Ids;
    m_cursor = *slot;
    m_typed.clear();
    const std::string& text = m_lists[*m_open].slots[*slot];
    return "IC" + std::string(arguments) + ' ' + (text.empty() ? std::string(kEmptySlot) : text);
}

void SimType17Radio::Key(std::string_view key) {
    if (key == "13" || key == "13H") {
        m_menu = Menu::Top;
        m_open.reset();
        return;
    }
    if (key.size() == 4 && key.starts_with("21 ")) {
        OpenList(key[3]);
        return;
    }
    if (!m_open) {
        return;
    }
    if (key == "01") {
        m_menu = Menu::List;
        m_path.clear();
        return;
    }
    switch (m_menu) {
    case Menu::List:
        ListKey(key);
        break;
    case Menu::FleetPresets:
        PresetKey(key);
        break;
    case Menu::FleetByHand:
        HandEntryKey(key);
        break;
    case Menu::Ids:
        IdKey(key);
        break;
    case Menu::Top:
        break;
    }
}

void SimType17Radio::ListKey(std::string_view key) {
    m_path += key;
    if (m_path == kFleetMenuPath) {
        m_menu = Menu::FleetPresets;
        m_preset = 0;
    } else if (!kFleetMenuPath.starts_with(m_path)) {
        m_path.clear();
    }
}

void SimType17Radio::PresetKey(std::string_view key) {
    if (key == "07") {
        m_preset = (m_preset + 1) % kPresets.size();
    } else if (key == "04") {
        m_lists[*m_open].fleetMap = kPresets[m_preset];
        m_menu = Menu::List;
        m_path.clear();
    } else if (key == "11") {
        m_menu = Menu::FleetByHand;
        m_entered = {};
        m_block = 0;
        m_size = 0;
    }
}

void SimType17Radio::HandEntryKey(std::string_view key) {
    if (key == "07") {
        m_size = static_cast<std::uint8_t>((m_size + 1) % kSizeCodes);
    } else if (key == "04" && m_block < kFleetBlocks) {
        const unsigned end = std::min(kFleetBlocks, m_block + BlocksOf(m_size));
        std::fill(m_entered.begin() + m_block, m_entered.begin() + end, m_size);
        m_block = end;
        m_size = 0;
    } else if (key == "09") {
        m_lists[*m_open].fleetMap = m_entered;
        m_menu = Menu::List;
        m_path.clear();
    }
}

void SimType17Radio::IdKey(std::string_view key) {
    if (key.size() == 4 && key.starts_with("02 ")) {
        m_typed += key[3];
    } else if (key == "03") {
        m_typed += '-';
    } else if (key == "04") {
        m_lists[*m_open].slots[m_cursor] = m_typed;
        m_typed.clear();
    } else if (key == "07" && m_cursor + 1 < kSlots) {
        ++m_cursor;
        m_typed.clear();
    }
}

} // namespace hb::engine::sim
