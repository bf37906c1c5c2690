#pragma once
// The radio windows of the simulated engine, with the sweep displays their commands open.
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/CDocument.h"
#include "spectrum/RFAnalyzerFrame.h"
#include "spectrum/RFAnalyzerView.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <string_view>

namespace hb::app::test {

class SweepFixture : public RadioWindowTest {
protected:
    // A new sweep document takes its radio's type and is modified: the program closing after a
    // test leaves it unsaved rather than asking.
    void TearDown() override {
        for (const UINT id : {27299U, 27301U}) {
            CDocTemplate* sweeps = Template(id);
            for (POSITION at = sweeps != nullptr ? sweeps->GetFirstDocPosition() : nullptr; at;) {
                sweeps->GetNextDoc(at)->SetModifiedFlag(FALSE);
            }
        }
        RadioWindowTest::TearDown();
    }
    static CDocTemplate* Template(UINT id) {
        POSITION position = AfxGetApp()->GetFirstDocTemplatePosition();
        while (position) {
            CDocTemplate* found = AfxGetApp()->GetNextDocTemplate(position);
            if (found->m_nIDResource == id) {
                return found;
            }
        }
        return nullptr;
    }
    CRadioFrame* OpenReceiver() {
        Radios(kReceiverOnly, {{"Receiver", 42}});
        return Opened();
    }
    CRadioFrame* Opened() {
        CRadioFrame* frame = OpenWindow();
        AdvanceAndPump(1000);
        EngineSim::ClearJournal();
        return frame;
    }
    // The radio window's VFO on `frequency`, then its analyzer opened by `opener`.
    CRFAnalyzerView* OpenAnalyzer(CRadioFrame* radio, UINT opener = 27022,
                                  std::uint32_t frequency = 150'000'000) {
        if (radio->m_rig->m_device != 0) {
            hb::records::Parm vfo;
            vfo.set(hb::records::Parm::kFrequency, frequency);
            radio->m_rig->VfoFastWrite(&vfo);
        }
        radio->SendMessage(WM_COMMAND, opener);
        PumpUntilIdle();
        auto* frame = dynamic_cast<CRFAnalyzerFrame*>(Main().GetActiveFrame());
        return frame != nullptr ? dynamic_cast<CRFAnalyzerView*>(frame->GetActiveView()) : nullptr;
    }
    // The analyzer's template makes views of another class while the guard lives.
    struct ViewClass {
        CDocTemplate* t;
        CRuntimeClass* kept;
        ~ViewClass() { t->m_pViewClass = kept; }
    };
    static ViewClass UseViewClass(CRuntimeClass* viewClass) {
        CDocTemplate* analyzer = Template(27299);
        CRuntimeClass* kept = analyzer->m_pViewClass;
        analyzer->m_pViewClass = viewClass;
        return ViewClass{analyzer, kept};
    }
    static CRFAnalyzerFrame* FrameOf(CView* view) {
        return dynamic_cast<CRFAnalyzerFrame*>(view->GetParentFrame());
    }
    static std::size_t Calls(std::string_view function) {
        return EngineSim::Calls(function).size();
    }
};

} // namespace hb::app::test
