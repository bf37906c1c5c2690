#pragma once
// The highway-patrol scanner's trunk-tracker panel: the trunk panel on its own form with a state
// list, the patrol-bank switch, the "H/R" and "Mute" keys and the HWY, PVT, MUTE and ALERT lamps,
// all following what the scanner reports.
#include "platform/afx/CComboBox.h"
#include "radioview/TrunkTrackerView.h"

class CBCT8View : public CTrunkTrackerView {
    DECLARE_DYNCREATE(CBCT8View)

public:
    static constexpr int kEdacsQuery = 85;
    static constexpr int kStates = 50;

    CBCT8View();

    void OnInitialUpdate() override;
    void UpdateStatusDisplay(const BYTE* engineStatus, BYTE* deviceStatus, Object* channel,
                             Object* user) override;
    void FormatTrunkId(const hb::records::UserId& id) override;

    CXTPButton m_homeRoam;
    CComboBox m_stateList;
    CiLedRectangleX m_highwayLamp;
    CiLedRectangleX m_privateLamp;
    CiLedRectangleX m_muteLamp;
    CiSwitchSliderX m_patrolBanks;
    CiLedRectangleX m_alertLamp;
    BYTE m_lastAlertTone = 0;
    BYTE m_lastState = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    std::uint16_t ServiceDigit(int selection) const override;
    void OnHomeRoam();
    void OnMute();
    void OnStateChosen();
    void OnPatrolBanks();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    // The position goes to the scanner and is kept.
    void SendPatrolBanks(int position);
    void SelectState(BYTE state);
};
