// The application's tailoring of every radio model: functions this program does not offer come
// off the radio's function pages, and the tone reader functions go on when readers are installed.
#include "app/HalbridgeApp.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/store/PrivateProfile.h"

#include <algorithm>

namespace {

using hb::records::FunctionPage;

constexpr std::uint32_t kNoFunction = 0xFFFFFFFF;
constexpr std::uint32_t kToneReaderSystem = 0x0800;
constexpr WORD kToneFunction = 1001;
constexpr WORD kToneReaderFunction = 1003;
constexpr WORD kToneReportFunction = 1036;

// The functions that come off every page: first these, then, in a second pass, the others.
bool InFirstRemoval(std::uint32_t id) {
    return id == 1024 || id == 1025 || id == 1113 || id == 1114 || (id >= 1200 && id <= 1209);
}

bool InSecondRemoval(std::uint32_t id) {
    return id == 1052 || id == kNoFunction;
}

std::uint32_t* Find(FunctionPage& page, std::uint32_t id) {
    std::uint32_t* end = page.ids.data() + page.count;
    std::uint32_t* found = std::find(page.ids.data(), end, id);
    return found == end ? nullptr : found;
}

} // namespace

void CHalbridgeApp::TailorRadioFunctions(Radio* radio) {
    for (const auto removed : {&InFirstRemoval, &InSecondRemoval}) {
        for (std::size_t number = 1; number <= radio->pageCount(); ++number) {
            FunctionPage& page = *radio->page(number);
            for (;;) {
                const auto begin = page.ids.begin();
                const auto found = std::find_if(begin, begin + page.count, removed);
                if (found == begin + page.count) {
                    break;
                }
                RemoveRadioFunction(radio, number, static_cast<std::size_t>(found - begin));
            }
        }
    }
    const CString& settings = GetSettingsFile();
    const auto systems =
        static_cast<std::uint32_t>(GetPrivateProfileInt("Vela*Quin", "SystemTypes", 0, settings));
    radio->setSystemTypes((radio->systemTypes() | systems) & ~kToneReaderSystem);
    radio->SystemTypesChanged();
    if (GetPrivateProfileInt("Vela*Quin", "ToneReadersInstalled", 0, settings) != 0) {
        InsertRadioFunction(radio, 1, kToneReaderFunction, kToneFunction);
        InsertRadioFunction(radio, 1, kToneReportFunction, kToneReaderFunction);
    }
}

void CHalbridgeApp::RemoveRadioFunction(Radio* radio, std::size_t page, std::size_t index) {
    FunctionPage* functions = radio->page(page);
    if (!functions || index >= functions->count) {
        return;
    }
    std::copy(functions->ids.begin() + static_cast<std::ptrdiff_t>(index) + 1,
              functions->ids.begin() + functions->count,
              functions->ids.begin() + static_cast<std::ptrdiff_t>(index));
    --functions->count;
}

void CHalbridgeApp::InsertRadioFunction(Radio* radio, std::size_t page, WORD id, WORD after) {
    FunctionPage* functions = radio->page(page);
    if (!functions || functions->count >= functions->ids.size() || Find(*functions, id)) {
        return;
    }
    std::uint32_t* previous = Find(*functions, after);
    if (!previous) {
        return;
    }
    std::uint32_t* end = functions->ids.data() + functions->count;
    std::copy_backward(previous + 1, end, end + 1);
    previous[1] = id;
    ++functions->count;
}
