#pragma once
// Both ID display styles plain while an ID text a radio wrote is read, the previous styles back
// afterwards.
#include "platform/tessary/model/Format.h"

class PlainIdStyles {
public:
    PlainIdStyles() : m_motorola(format_motorola_style(0)), m_edacs(format_edacs_style(0)) {}
    ~PlainIdStyles() {
        format_motorola_style(m_motorola);
        format_edacs_style(m_edacs);
    }
    PlainIdStyles(const PlainIdStyles&) = delete;
    PlainIdStyles& operator=(const PlainIdStyles&) = delete;

private:
    int m_motorola;
    int m_edacs;
};
