#pragma once
// The recordings catalog's look: the application's list font for the rows, its caption font in
// bold for the header, and a light shade for group rows and the sorted column.
#include "platform/toolkit/CXTPReportPaintManager.h"

class CManifestPaintManager : public CXTPReportPaintManager {
public:
    static constexpr COLORREF kShade = 0x00FFF0F0;

    CManifestPaintManager();

    void RefreshMetrics() override;
};
