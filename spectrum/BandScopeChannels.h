#pragma once
// The band scope's five trace channels on the plot control.
#include "platform/instruments/CiPlotX.h"
#include "spectrum/BandScopePlot.h"

class BandScopeChannels : public BandScopePlot {
public:
    explicit BandScopeChannels(CiPlotX& plot) : m_plot(plot) {}

    void BeginUpdate() override { m_plot.BeginUpdate(); }
    void EndUpdate() override { m_plot.EndUpdate(); }
    void Reset(std::uint32_t capacity, double xInterval) override;
    int PointCount() override { return m_plot.Channel(0).Count(); }
    void Append(double x, const Values& values) override;
    void Set(int index, const Values& values) override;

private:
    CiPlotX& m_plot;
};
