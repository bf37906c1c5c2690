#pragma once
// The band plan as the core library offers it: finding the band a record's frequency lies in, and
// a modal list of the bands from which the user picks one to tune to.

#include "platform/afx/CDialog.h"
#include "platform/records/Band.h"
#include "platform/records/Parm.h"
#include "platform/tessary/model/BandPlan.h"

#include <cstdint>

class CBandSelect : public CDialog {
    DECLARE_DYNAMIC(CBandSelect)

public:
    enum : UINT { IDC_BANDS = 1300 };

    // 1 with `found` filled when the record's frequency lies in a band of the plan; else 0 and
    // `found` is left alone.
    static int LocateBand(const parm* record, band* found);
    // The band list, starting on the band of the record's start frequency. 1 when a band was
    // chosen: its lowest frequency is written at the record's chosen-frequency field, its limits
    // at start and end, its step (when it has one) at the step and its mode at the mode; `name`,
    // when given, receives the band's name.
    static int SelectBand(parm* record, CString* name = nullptr);
    // Puts the record's start, end and step on the band.
    static void SnapBand(parm* record, const band& found);
    // The text behind a band record's name id.
    static const char* BandName(const band& record);

    explicit CBandSelect(std::uint32_t start, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The plan index chosen with OK, or -1.
    int Chosen() const { return m_chosen; }

protected:
    void OnBandDoubleClick();

    DECLARE_MESSAGE_MAP()

private:
    static void PutOnBand(parm& record, const hb::tessary::BandPlanEntry& plan);
    std::uint32_t m_start;
    int m_chosen = -1;
};
