#include "spectrum/SweepView.h"

#include "app/rig/Rig.h"
#include "platform/afx/CCreateContext.h"
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/Ddx.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/PrivateMessages.h"
#include "platform/records/SpanBlockHeader.h"
#include "platform/records/StatusCodes.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/app/SweepDoc.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/SweepSettings.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/sys/Paths.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <array>
#include <cstring>

IMPLEMENT_DYNAMIC(CSweepView, CEnhancedFormView)

BEGIN_MESSAGE_MAP(CSweepView, CEnhancedFormView)
ON_COMMAND(CSweepView::kCommandStart, &CSweepView::OnStart)
ON_COMMAND(CSweepView::kCommandPause, &CSweepView::OnPause)
ON_MESSAGE(WM_ENGINE_STATUS, &CSweepView::OnEngineStatus)
ON_MESSAGE(WM_SPAN_SWEEP, &CSweepView::OnSpanSweep)
ON_MESSAGE(WM_SPAN_BLOCK, &CSweepView::OnSpanBlock)
ON_MESSAGE(WM_QUERY_RUN_COMMAND, &CSweepView::OnQueryRunCommand)
END_MESSAGE_MAP()

namespace {

using hb::records::DeviceStatus;
using hb::records::Parm;
using hb::records::SpanBlockHeader;

// The status read of the seeding: larger than the record, and zeroed, so a failed read seeds
// nothing but zeros.
constexpr std::size_t kSeedBufferSize = 4150;
constexpr std::size_t kStatusParmOffset = 1423;
constexpr std::uint32_t kSeedHalfSpan = 100'000;
constexpr std::uint32_t kSeedStep = 20'000;
constexpr std::uint32_t kMaxBlockBytes = 0x1000000;

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

} // namespace

CSweepView::CSweepView(const Kind& kind) : CEnhancedFormView(kind.form), m_kind(kind) {}

CSweepView::~CSweepView() = default;

CSweepDoc* CSweepView::GetSweepDoc() const {
    return dynamic_cast<CSweepDoc*>(GetDocument());
}

hb::records::Parm& CSweepView::Settings() {
    return GetSweepDoc()->GetParm();
}

BOOL CSweepView::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    if (pContext == nullptr) {
        return FALSE;
    }
    m_rig = CRig::s_selection[0];
    if (m_rig == nullptr) {
        const std::string stem = hb::win::PathStem(App().GetPathName().str());
        m_rig = stem.empty() ? nullptr : CRig::FindByName(stem.c_str());
    }
    if (m_rig == nullptr) {
        CString typeName;
        if (pContext->m_pNewDocTemplate != nullptr) {
            pContext->m_pNewDocTemplate->GetDocString(typeName, CDocTemplate::regFileTypeName);
        }
        m_rig = CRig::SelectRig(typeName, CRig::kNoWizardOffer, 0);
    }
    if (m_rig == nullptr) {
        return FALSE;
    }
    if (m_rig->m_radio == nullptr || (m_rig->m_radio->features() & Radio::kFeatureSweep) == 0) {
        MessageBeep(MB_ICONASTERISK);
        MessageBox(HWND{},
                   "This radio does not support this feature. Please select a different type of "
                   "radio.",
                   "Unsupported Radio Function", MB_ICONHAND);
        m_rig = nullptr;
        return FALSE;
    }
    return CEnhancedFormView::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID,
                                     pContext);
}

void CSweepView::DoDataExchange(CDataExchange* pDX) {
    CEnhancedFormView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_SWEEP_RUN_LAMP, m_runLamp);
    DDX_ControlIfPresent(pDX, IDC_SWEEP_FREQUENCY, m_frequencyDisplay);
    DDX_ControlIfPresent(pDX, IDC_SWEEP_LEVEL, m_levelDisplay);
    DDX_ControlIfPresent(pDX, IDC_SWEEP_PEAK_PANEL, m_peakPanel);
    DDX_ControlIfPresent(pDX, IDC_SWEEP_RIG_NAME, m_rigName);
}

void CSweepView::OnInitialUpdate() {
    CEnhancedFormView::OnInitialUpdate();
    if (m_rig == nullptr || GetSweepDoc() == nullptr) {
        return;
    }
    m_rig->AttachView(m_kind.templateId, GetParentFrame());
    SeedSettings();
    if (m_rigName.GetSafeHwnd() != HWND{}) {
        m_rigName.SetCaption(m_rig->GetNameString());
    }
    m_stepCount = CountSteps();
    ShowRunState(false);
    m_ready = kOn;
}

void CSweepView::SeedSettings() {
    CSweepDoc& doc = *GetSweepDoc();
    Parm& settings = doc.GetParm();
    const std::uint32_t opener = m_rig->m_opener;
    if (opener == m_kind.aroundVfo || opener == m_kind.byBand) {
        std::vector<std::uint8_t> status(kSeedBufferSize, 0);
        m_rig->DeviceStatus(status.data());
        std::memcpy(settings.data(), status.data() + kStatusParmOffset, Parm::kSize);
        if (opener == m_kind.aroundVfo) {
            const std::uint32_t frequency = settings.get(Parm::kFrequency);
            settings.set(Parm::kStart, frequency - kSeedHalfSpan);
            settings.set(Parm::kEnd, frequency + kSeedHalfSpan);
            settings.set(Parm::kStep, kSeedStep);
        } else {
            band found;
            if (CBandSelect::LocateBand(&settings, &found) == 1) {
                CBandSelect::SnapBand(&settings, found);
            }
        }
        m_seeded = kOn;
    }
    // A document of another radio's type keeps it: its settings were made for that radio.
    if (m_rig->m_radio != nullptr && doc.GetObject().radioType() == 0) {
        doc.SetRadioType(static_cast<std::uint8_t>(m_rig->m_radio->RadioTypeCode()));
        doc.SetModifiedFlag(TRUE);
    }
    if (m_seeded != 0) {
        doc.m_seeded = CSweepDoc::kSeeded;
    } else {
        App().WriteProfileString(m_rig->m_section, m_kind.fileKey, doc.GetPathName());
    }
    const std::uint32_t start = settings.get(Parm::kStart);
    if (start == 0 || start >= settings.get(Parm::kEnd) || settings.get(Parm::kStep) == 0) {
        const Radio* radio = m_rig->m_radio;
        radio->PrepareSweepRecord(settings);
        const std::uint32_t first = radio->sweepValues().firstBand;
        settings.set(Parm::kStart, first);
        settings.set(Parm::kEnd, first + kNoStepRange);
        settings.set(Parm::kStep, kNoStepStep);
        doc.SetModifiedFlag(TRUE);
    }
}

std::uint32_t CSweepView::CountSteps() {
    const Parm& settings = Settings();
    const std::uint32_t start = settings.get(Parm::kStart);
    const std::uint32_t end = settings.get(Parm::kEnd);
    const std::uint32_t step = settings.get(Parm::kStep);
    if (step == 0 || end <= start) {
        return 1;
    }
    return static_cast<std::uint32_t>((std::uint64_t{end} - start + step - 1) / step);
}

std::int16_t CSweepView::ConvertLevel(std::uint32_t raw, std::uint16_t kind) {
    return static_cast<std::int16_t>(m_rig->RadioRequest(static_cast<int>(raw), kind));
}

std::int16_t CSweepView::ProcessSweepPoint(SpanPoint& point) {
    if (m_rig == nullptr || m_paused != 0) {
        return 0;
    }
    const std::int16_t level =
        ConvertLevel(point.get(SpanPoint::kRawLevel), point.get(SpanPoint::kLevelKind));
    const Parm& settings = Settings();
    const std::uint32_t step = settings.get(Parm::kStep);
    const std::uint32_t index =
        step == 0 ? 0 : (point.get(SpanPoint::kFrequency) - settings.get(Parm::kStart)) / step;
    if (index < m_stepCount) {
        FoldLevel(index, level, point);
    }
    return level;
}

void CSweepView::FoldLevel(std::uint32_t, std::int16_t, const SpanPoint&) {}

void CSweepView::OnRadioReopened() {}

void CSweepView::ShowPeak(double megahertz, double level) {
    if (m_frequencyDisplay.GetSafeHwnd() != HWND{}) {
        m_frequencyDisplay.SetValue(megahertz);
    }
    if (m_levelDisplay.GetSafeHwnd() != HWND{}) {
        m_levelDisplay.SetValue(level);
    }
}

void CSweepView::ShowRunState(bool running) {
    if (m_runLamp.GetSafeHwnd() != HWND{}) {
        m_runLamp.SetActive(running);
        m_runLamp.SetCaption(running ? "Running" : "Paused");
    }
}

bool CSweepView::ClaimForStart(const char* source) {
    CWnd* frame = GetParentFrame();
    if (m_rig->AttachView(m_kind.templateId, frame) != 0) {
        return false;
    }
    Settings().set(Parm::kMode, m_mode);
    if (!m_rig->IsOpen()) {
        const std::uint16_t status = m_rig->OpenDevice(this);
        if (hb::records::IsFailureStatus(status)) {
            App().ErrorMessage("Radio", "Device Open", source, __LINE__, status, 0x10, 0);
            m_rig->DetachView(frame, 0xFF);
            return false;
        }
    }
    if (m_rig->OnDeviceOpened() != 0) {
        OnRadioReopened();
    }
    return true;
}

void CSweepView::StartFromResume() {
    Parm& settings = Settings();
    m_block.clear();
    settings.set(Parm::Sweep::kSetup108, 0xFF);
    const std::uint32_t resume = settings.get(Parm::Sweep::kResumeFrequency);
    const bool inside = resume >= settings.get(Parm::kStart) && resume < settings.get(Parm::kEnd);
    settings.set(Parm::kFrequency, inside ? resume : settings.get(Parm::kStart));
    const std::uint8_t volume = settings.get(Parm::kVolume);
    settings.set(Parm::kVolume, 0);
    m_rig->StartSweep(&settings);
    settings.set(Parm::kVolume, volume);
}

void CSweepView::OnStart() {
    if (m_ready == 0 || m_paused == 0 || m_rig == nullptr || !ClaimForStart("RFAnalyzer")) {
        return;
    }
    const Radio* radio = m_rig->m_radio;
    Settings().set(Parm::kSquelch, radio->SquelchToDevice(radio->controls().squelch.min));
    StartFromResume();
    ShowRunState(true);
    m_paused = 0;
    const std::uint32_t silent = 0;
    m_rig->SetVolume(&silent);
    m_rig->DeviceHwnd(this);
}

bool CSweepView::BreakForPause() {
    if (m_rig == nullptr || !m_rig->IsOpenFor(GetParentFrame())) {
        MessageBeep(MB_ICONASTERISK);
        return false;
    }
    m_rig->DeviceBreak();
    m_paused = kOn;
    return true;
}

void CSweepView::OnPause() {
    if (m_ready == 0 || !BreakForPause()) {
        return;
    }
    ShowRunState(false);
    const std::uint32_t volume = Settings().get(Parm::kVolume);
    m_rig->SetVolume(&volume);
    DeviceStatus status;
    m_rig->DeviceStatus(status.data());
}

LRESULT CSweepView::OnEngineStatus(WPARAM, LPARAM) {
    if (m_rig == nullptr) {
        return 0;
    }
    SpanPoint point;
    while (m_rig->SpanGetData(&point) == 0) {
        ProcessSweepPoint(point);
    }
    return 0;
}

LRESULT CSweepView::OnSpanSweep(WPARAM wParam, LPARAM lParam) {
    if (m_rig == nullptr || m_paused != 0 || lParam == 0) {
        return 0;
    }
    // The engine says how many bytes it sent: a sweep of an older, shorter range is not read past.
    const auto* levels = reinterpret_cast<const std::uint8_t*>(lParam);
    const std::uint32_t count = std::min<std::uint32_t>(m_stepCount, wParam);
    const Parm& settings = Settings();
    const std::uint32_t start = settings.get(Parm::kStart);
    const std::uint32_t step = settings.get(Parm::kStep);
    std::int16_t peak = 0;
    std::uint32_t peakFrequency = start;
    for (std::uint32_t i = 0; i < count; ++i) {
        SpanPoint point;
        const std::uint32_t frequency = start + i * step;
        point.set(SpanPoint::kFrequency, frequency);
        point.set(SpanPoint::kRawLevel, levels[i]);
        point.set(SpanPoint::kLevelKind, SpanPoint::kLevelKindByte);
        point.set(SpanPoint::kLevelCopy1, levels[i]);
        point.set(SpanPoint::kLevelCopy2, levels[i]);
        const std::int16_t level = ConvertLevel(levels[i], SpanPoint::kLevelKindByte);
        if (i == 0 || level > peak) {
            peak = level;
            peakFrequency = frequency;
        }
        ProcessSweepPoint(point);
    }
    if (count != 0) {
        ShowPeak(peakFrequency * 1e-6, peak);
    }
    return 0;
}

LRESULT CSweepView::OnSpanBlock(WPARAM, LPARAM) {
    if (m_blockBusy != 0) {
        return 0;
    }
    m_blockBusy = kOn;
    if (m_rig != nullptr) {
        if (m_block.empty()) {
            const std::uint32_t size = std::clamp<std::uint32_t>(
                m_rig->SpanGetBlockSize(0), SpanBlockHeader::kSize, kMaxBlockBytes);
            m_block.assign(size, 0);
            SpanBlockHeader header;
            header.set(SpanBlockHeader::kBufferSize, size);
            std::memcpy(m_block.data(), header.data(), SpanBlockHeader::kSize);
            if (m_peakPanel.GetSafeHwnd() != HWND{}) {
                m_peakPanel.SetCaption("Peak Level");
            }
        }
        if ((m_rig->SpanGetBlock(m_block.data(), 0) & hb::records::kStatusFailureBit) == 0) {
            SpanBlockHeader header;
            std::memcpy(header.data(), m_block.data(), SpanBlockHeader::kSize);
            const auto room = static_cast<std::uint32_t>(m_block.size() - SpanBlockHeader::kSize);
            const std::uint32_t count = std::min(header.get(SpanBlockHeader::kCount), room);
            if (count != 0) {
                const std::uint8_t* levels = m_block.data() + SpanBlockHeader::kLevelsOffset;
                const std::uint32_t step = header.get(SpanBlockHeader::kStep);
                std::uint32_t frequency = header.get(SpanBlockHeader::kStart);
                std::uint64_t time = header.get(SpanBlockHeader::kFirstStepTime);
                const std::int64_t perStep =
                    header.get(SpanBlockHeader::kDuration) /
                    static_cast<std::int64_t>(header.get(SpanBlockHeader::kCount));
                std::uint8_t peak = levels[0];
                std::uint32_t peakFrequency = frequency;
                for (std::uint32_t i = 0; i < count; ++i) {
                    SpanPoint point;
                    point.set(SpanPoint::kTime, time);
                    point.set(SpanPoint::kFrequency, frequency);
                    point.set(SpanPoint::kRawLevel, levels[i]);
                    point.set(SpanPoint::kLevelKind, SpanPoint::kLevelKindByte);
                    point.set(SpanPoint::kLevelCopy1, levels[i]);
                    point.set(SpanPoint::kLevelCopy2, levels[i]);
                    if (levels[i] > peak) {
                        peak = levels[i];
                        peakFrequency = frequency;
                    }
                    ProcessSweepPoint(point);
                    frequency += step;
                    time += static_cast<std::uint64_t>(perStep);
                }
                const int floor = m_rig->m_radio != nullptr ? m_rig->m_radio->meterFloor() : 0;
                ShowPeak(peakFrequency * 1e-6, floor + peak);
            }
        }
    }
    m_blockBusy = 0;
    return 0;
}

LRESULT CSweepView::OnQueryRunCommand(WPARAM wParam, LPARAM lParam) {
    return m_paused != 0 ? static_cast<LRESULT>(wParam) : lParam;
}
