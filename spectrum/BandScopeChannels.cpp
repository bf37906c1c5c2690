#include "spectrum/BandScopeChannels.h"

void BandScopeChannels::Reset(std::uint32_t capacity, double xInterval) {
    for (int channel = 0; channel < kChannels; ++channel) {
        m_plot.Channel(channel).Clear();
        m_plot.Channel(channel).SetXInterval(xInterval);
        m_plot.Channel(channel).SetCapacity(static_cast<int>(capacity));
    }
}

void BandScopeChannels::Append(double x, const Values& values) {
    for (int channel = 0; channel < kChannels; ++channel) {
        m_plot.Channel(channel).AddXY(x, values[static_cast<std::size_t>(channel)]);
    }
}

void BandScopeChannels::Set(int index, const Values& values) {
    for (int channel = 0; channel < kChannels; ++channel) {
        m_plot.Channel(channel).SetYAt(index, values[static_cast<std::size_t>(channel)]);
    }
}
