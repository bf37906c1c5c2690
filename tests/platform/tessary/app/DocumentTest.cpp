#include "platform/afx/CMDIFrameWnd.h"
#include "platform/afx/CMultiDocTemplate.h"
#include "platform/afx/ModalScript.h"
#include "platform/tessary/app/DbaseDoc.h"
#include "platform/tessary/app/DbaseView.h"
#include "platform/tessary/app/EnhancedFormView.h"
#include "platform/tessary/app/GenericDoc.h"
#include "platform/tessary/app/Log.h"
#include "platform/tessary/app/ObjectHint.h"
#include "platform/tessary/app/RangeDoc.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/TemplateClasses.h"
#include "platform/tessary/audio/AudioPlayerView.h"
#include "platform/tessary/model/File.h"
#include "platform/testkit/AppRun.h"
#include "platform/win/store/AtomicFile.h"
#include "tests/platform/tessary/app/ScanAppTest.h"

#include <utility>

namespace hb::tessary::test {
namespace {

constexpr UINT kMainId = 27000;
constexpr UINT kRosterTemplate = 27297;
constexpr UINT kToolTemplate = 1646;
constexpr UINT kFormId = 27348;
constexpr UINT kLogId = 1609;

// The scan-list form of the tests: it notes the path being opened and every update it gets.
class CTestRosterView : public CEnhancedFormView {
    DECLARE_DYNCREATE(CTestRosterView)

public:
    CTestRosterView() : CEnhancedFormView(kFormId) {}

    void OnInitialUpdate() override {
        openedPath = CScanApp::GetScanApp()->GetPathName().str();
        CEnhancedFormView::OnInitialUpdate();
        updates.clear();
    }
    void OnUpdate(CView*, LPARAM hint, CObject* object) override {
        updates.emplace_back(hint, CObjectHint::ObjectOf(object));
    }

    std::string openedPath;
    std::vector<std::pair<LPARAM, Object*>> updates;
};

IMPLEMENT_DYNCREATE(CTestRosterView, CEnhancedFormView)

class CDocApp : public CRecordingApp {
public:
    BOOL InitInstance() override {
        roster =
            new CMultiDocTemplate(kRosterTemplate, RUNTIME_CLASS(CRosterDoc),
                                  RUNTIME_CLASS(CGenericFrame), RUNTIME_CLASS(CTestRosterView));
        tool = new CMultiDocTemplate(kToolTemplate, RUNTIME_CLASS(CGenericDoc),
                                     RUNTIME_CLASS(CGenericFrame), RUNTIME_CLASS(CLoadMgrHistView));
        AddDocTemplate(roster);
        AddDocTemplate(tool);
        auto* frame = new CMDIFrameWnd;
        if (!frame->LoadFrame(kMainId)) {
            return FALSE;
        }
        m_pMainWnd = frame;
        frame->ShowWindow(SW_SHOW);
        return TRUE;
    }

    CDocTemplate* roster = nullptr;
    CDocTemplate* tool = nullptr;
};

class DocumentTest : public ModelTest {
protected:
    DocumentTest() {
        UseProgramResources({
            .dialogs =
                {{.id = kFormId, .style = WS_CHILD, .cx = 100, .cy = 60},
                 {.id = kLogId, .caption = "Logging", .style = WS_POPUP, .cx = 80, .cy = 40}},
            .strings = {{kMainId, "Halbridge Pro"},
                        {kRosterTemplate, "\nScan List\nScan List\nScan Lists (*.sws)\n.sws"}},
        });
        EXPECT_EQ(hb::testkit::StartApp(app), std::nullopt);
    }

    // A scan list file of one active entry naming `entryFile`.
    void WriteRoster(const std::string& name, const std::string& entryFile) {
        Roster roster;
        roster.entries()[0]->active = RosterEntry::kOn;
        roster.entries()[0]->setFileName(entryFile);
        ASSERT_TRUE(File(name, &roster).save());
    }

    CRosterDoc* Open(const std::string& name) {
        return dynamic_cast<CRosterDoc*>(app.roster->OpenDocumentFile(Doc(name).c_str()));
    }

    static CTestRosterView* ViewOf(CDocument* doc) {
        POSITION pos = doc->GetFirstViewPosition();
        return dynamic_cast<CTestRosterView*>(doc->GetNextView(pos));
    }

    CDocApp app;
};

TEST_F(DocumentTest, ScanListDocumentsOpenAndSaveTheirRoster) {
    WriteRoster("Radio 1.sws", "Police.swg");
    auto* doc = dynamic_cast<CRosterDoc*>(app.OpenDocumentFile("Radio 1.sws"));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetPathName(), Doc("Radio 1.sws").c_str());
    EXPECT_EQ(doc->GetRoster()->entries()[0]->fileName(), "Police.swg");
    CTestRosterView* view = ViewOf(doc);
    ASSERT_NE(view, nullptr);
    // The path was the application's current one while the window was made, and only then.
    EXPECT_EQ(view->openedPath, Doc("Radio 1.sws"));
    EXPECT_EQ(app.GetPathName(), "");
    // The form was styled once its controls had their data.
    EXPECT_EQ(app.styled, (std::vector<CWnd*>{view}));

    doc->GetRoster()->entries()[0]->log = 0;
    doc->SetModifiedFlag(TRUE);
    ASSERT_TRUE(doc->OnSaveDocument(Doc("Radio 1.sws").c_str()));
    EXPECT_FALSE(doc->IsModified());
    File reread("Radio 1.sws");
    auto* saved = dynamic_cast<Roster*>(reread.root());
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->entries()[0]->log, 0);

    // A failed write keeps the file and the document's changes.
    doc->GetRoster()->entries()[0]->log = RosterEntry::kOn;
    doc->SetModifiedFlag(TRUE);
    hb::win::SetFileWriteFault(hb::win::FileWriteStage::Rename);
    ExpectBox("could not be written", IDOK);
    EXPECT_FALSE(doc->OnSaveDocument(Doc("Radio 1.sws").c_str()));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(dynamic_cast<Roster*>(File("Radio 1.sws").root())->entries()[0]->log, 0);
}

TEST_F(DocumentTest, UnreadableScanListsAreReportedAndChangeNothing) {
    WriteRoster("Radio 1.sws", "Police.swg");
    CRosterDoc* doc = Open("Radio 1.sws");
    ASSERT_NE(doc, nullptr);
    Roster* before = doc->GetRoster();

    WriteBytes(Doc("Bad.sws"), "[Radios]\nRadio#1=x\n");
    ASSERT_TRUE(File("Police.swg", SampleGroup().get()).save());
    ExpectBox("is not a scanning file", IDOK);
    EXPECT_FALSE(doc->OnOpenDocument(Doc("Bad.sws").c_str()));
    ExpectBox("does not hold a scan list", IDOK);
    EXPECT_FALSE(doc->OnOpenDocument(Doc("Police.swg").c_str()));
    EXPECT_EQ(doc->GetRoster(), before);

    // Through the application, the failed document and its window are gone again.
    ExpectBox("is not a scanning file", IDOK);
    EXPECT_EQ(app.OpenDocumentFile("Bad.sws"), nullptr);
    std::size_t open = 0;
    for (POSITION pos = app.roster->GetFirstDocPosition(); pos; app.roster->GetNextDoc(pos)) {
        ++open;
    }
    EXPECT_EQ(open, 1u);
}

TEST_F(DocumentTest, SharedUpdatesReachTheDocumentsHoldingTheObjectOrTheFile) {
    ASSERT_TRUE(File("Police.swg", SampleGroup().get()).save());
    WriteRoster("A.sws", "Police.swg");
    WriteRoster("B.sws", "Police.swg");
    CRosterDoc* first = Open("A.sws");
    CRosterDoc* second = Open("A.sws");
    CRosterDoc* other = Open("B.sws");
    ASSERT_TRUE(first && second && other);
    ASSERT_EQ(first->GetRoster()->Load(0), 0);
    auto* group = dynamic_cast<Group*>(first->GetRoster()->entries()[0]->object());
    ASSERT_NE(group, nullptr);
    Object* channel = group->banks()[0]->members()[0].get();

    using Updates = std::vector<std::pair<LPARAM, Object*>>;
    auto take = [](CRosterDoc* doc) { return std::exchange(ViewOf(doc)->updates, {}); };

    first->ShareUpdate(channel, nullptr, 1018);
    EXPECT_EQ(take(first), (Updates{{1018, channel}}));
    EXPECT_EQ(take(second), Updates{});
    EXPECT_EQ(take(other), Updates{});

    // With no object, the documents of the same file share the update.
    second->ShareUpdate(nullptr, nullptr, 0);
    EXPECT_EQ(take(first), (Updates{{0, nullptr}}));
    EXPECT_EQ(take(second), (Updates{{0, nullptr}}));
    EXPECT_EQ(take(other), Updates{});

    other->SetCaption("Scan List - B");
    EXPECT_EQ(other->GetTitle(), "Scan List - B");
}

TEST_F(DocumentTest, AGenericFrameEmptiesTheMainFramesSlotWhenItGoes) {
    auto* doc = new CGenericDoc;
    CFrameWnd* made = app.tool->CreateNewFrame(doc, nullptr);
    ASSERT_NE(made, nullptr);
    auto* frame = dynamic_cast<CGenericFrame*>(made);
    ASSERT_NE(frame, nullptr);
    CGenericFrame* slot = frame;
    frame->SetFrameSlot(&slot);
    app.tool->InitialUpdateFrame(frame, nullptr, TRUE);
    frame->DestroyWindow();
    EXPECT_EQ(slot, nullptr);
}

TEST_F(DocumentTest, TheTemplatesClassesAreCreatableByName) {
    const std::pair<LPCSTR, CRuntimeClass*> classes[] = {
        {"CGenericDoc", RUNTIME_CLASS(CDocument)},
        {"CRosterDoc", RUNTIME_CLASS(CObjectDoc)},
        {"CGroupDoc", RUNTIME_CLASS(CObjectDoc)},
        {"CRangeDoc", RUNTIME_CLASS(CObjectDoc)},
        {"CSweepDoc", RUNTIME_CLASS(CObjectDoc)},
        {"CDbaseDoc", RUNTIME_CLASS(CDocument)},
        {"CDbaseView", RUNTIME_CLASS(CView)},
        {"CPRO96VFolderView", RUNTIME_CLASS(CView)},
        {"CLoadMgrHistView", RUNTIME_CLASS(CView)},
        {"CWebGrabberView", RUNTIME_CLASS(CView)},
        {"CAudioPlayerView", RUNTIME_CLASS(CView)},
        {"CGenericFrame", RUNTIME_CLASS(CMDIChildWnd)},
        {"CWebGrabberFrame", RUNTIME_CLASS(CGenericFrame)},
    };
    for (const auto& [name, base] : classes) {
        std::unique_ptr<CObject> object(CRuntimeClass::CreateObject(name));
        ASSERT_NE(object, nullptr) << name;
        EXPECT_STREQ(object->GetRuntimeClass()->m_lpszClassName, name);
        EXPECT_TRUE(object->IsKindOf(base)) << name;
    }
}

TEST_F(DocumentTest, TheLogRunsUnderTheRadiosNameAndShowsItsCaption) {
    CLog log(kLogId);
    log.Start("Radio 1");
    EXPECT_TRUE(log.IsActive());
    EXPECT_EQ(log.GetName(), "Radio 1");
    log.SetCaption("Radio 1 Scan Logging");
    log.OnTimer();
    hb::afx::SetModalScript(kLogId, [](CDialog& dialog) { dialog.EndDialog(IDOK); });
    EXPECT_EQ(log.DoModal(), IDOK);
    ASSERT_EQ(hb::afx::ModalLog().size(), 1u);
    EXPECT_EQ(hb::afx::ModalLog()[0].caption, "Radio 1 Scan Logging");
    log.Stop();
    EXPECT_FALSE(log.IsActive());
}

} // namespace
} // namespace hb::tessary::test
