#pragma once
// A report cell holding a duration in seconds, shown as minutes and seconds ("2:05") and sorted by
// the seconds.
#include "audio/NumberItem.h"

class CMinutesSecondsItem : public CNumberItem {
public:
    explicit CMinutesSecondsItem(std::uint32_t seconds = 0) { SetValue(seconds); }

    void SetValue(std::uint32_t seconds) override;
};
