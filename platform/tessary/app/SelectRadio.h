#pragma once
// The core library's "Select Radio Type" list: one row per radio model of the model table, by
// name. Radio::SelectRadio runs it modally and makes the chosen model.

#include "platform/afx/CDialog.h"

#include <cstdint>
#include <vector>

class CSelectRadio : public CDialog {
    DECLARE_DYNAMIC(CSelectRadio)

public:
    enum : UINT { IDC_RADIOS = 1301 };

    // The list starts on `initial` (the first row when it is not listed); only the models whose
    // capability word holds every bit of `needs` are listed.
    CSelectRadio(CWnd* pParentWnd, std::uint8_t initial, std::uint32_t needs);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The type chosen with OK, or 0.
    std::uint8_t Chosen() const { return m_chosen; }

protected:
    void OnRadioDoubleClick();

    DECLARE_MESSAGE_MAP()

private:
    std::uint8_t m_initial;
    std::vector<std::uint8_t> m_types;
    std::uint8_t m_chosen = 0;
};
