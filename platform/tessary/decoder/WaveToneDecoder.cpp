#include "platform/tessary/decoder/WaveToneDecoder.h"

#include "platform/records/ToneReport.h"

using hb::records::ToneReport;

void CWaveToneDecoder::OnTimerTick() {
    const bool tone = m_tone && CanDecodeFrequency() == 1;
    if (!tone && m_digits.empty()) {
        Clear();
        return;
    }
    ToneReport report;
    if (tone) {
        report.set(ToneReport::kId, *m_tone);
    }
    report.setText(ToneReport::kDigits, m_digits);
    if (const char* channel = ChannelText()) {
        report.setText(ToneReport::kChannel, channel);
    }
    Clear();
    ReportDecoded(report.data());
}

void CWaveToneDecoder::Clear() {
    m_tone.reset();
    m_digits.clear();
}
