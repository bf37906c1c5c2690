#pragma once
// What the setup wizard shows at each step of its two tracks. In the texts "{P}" stands for the
// product name and "{S}" for the radio's section.
#include "platform/win/WinTypes.h"

#include <array>
#include <cstdint>

struct WizardStepText {
    int track;
    std::uint32_t step;
    const char* title;
    const char* subtitle;
    const char* body;
    // On the choice page; a null choice is hidden.
    std::array<const char*, 5> choices{};
    // On the tool-bar page: the line beside the button, the Finish line and the button's icon.
    const char* toolBarLine = nullptr;
    const char* finishLine = nullptr;
    UINT icon = 0;
    // The steps that work on a radio ask for one with this title when shown.
    const char* rigTitle = nullptr;
};

// Null for a step the tables do not show.
const WizardStepText* FindWizardStepText(int track, std::uint32_t step);
