// The memory transfer: the radio chosen and claimed, its device opened, the user asked what to
// move, the pre- and post-transfer requests around the work, and the generic path that moves one
// memory at a time through the engine's memory requests.
#include "programming/Loader.h"

#include "app/rig/Rig.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/engine/EngineApi.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/app/ObjectDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "programming/LoadObjects.h"
#include "programming/TransferCursor.h"
#include "programming/TransferFamilies.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

using hb::records::Parm;
namespace tr = hb::resources::transfer;

constexpr unsigned kClaimCommand = 27119;
constexpr unsigned kReleaseAll = 255;
constexpr std::uint32_t kMessageNotSupported = 10;
constexpr std::uint32_t kBracketWaitMs = 100000;
constexpr std::uint32_t kReadWaitMs = 5000;
constexpr std::uint32_t kWriteWaitMs = 10000;
constexpr std::uint16_t kOpenFailed = 0x8000;
constexpr std::uint16_t kNoBank = 0xFFFF;
constexpr int kReadAttempts = 10;
// Asked in a read request; still there in the answer when the radio sent nothing.
constexpr std::uint8_t kModeUnread = 0x10;
constexpr std::uint32_t kStepOutsideBands = 25000;
constexpr std::size_t kNameWidth = 16;
// Type 78 answers a read of an empty memory with the next memory that holds something.
constexpr std::uint8_t kTypeSkipping = 78;
// Type 14 needs memory 100 read again after a long transfer.
constexpr std::uint8_t kTypeReread = 14;
constexpr std::uint16_t kRereadAfterSteps = 400;
constexpr std::uint16_t kRereadMemory = 100;

// Radios that move their memory as one image by their own means.
constexpr std::array<std::uint8_t, 4> kOwnTransferTypes{42, 46, 62, 75};

// Where each failure the driver reports comes from, as its box shows it.
enum LoaderRef : int {
    kRefUploadDeviceOpen = 690,
    kRefPreUpload = 737,
    kRefReadBankName = 880,
    kRefReadChannel = 920,
    kRefReadStatus = 930,
    kRefReadEmpty = 945,
    kRefPostUpload = 995,
    kRefDownloadDeviceOpen = 1131,
    kRefPreDownload = 1190,
    kRefWriteBankName = 1330,
    kRefWriteChannel = 1377,
    kRefWriteStatus = 1387,
    kRefPostDownload = 1418,
};

std::vector<const CRig*>& RigsInTransfer() {
    static std::vector<const CRig*> rigs;
    return rigs;
}

HWND WindowOf(const CWnd* window) {
    return window ? window->m_hWnd : HWND{};
}

void RefuseBusy(HWND owner) {
    MessageBeep(MB_ICONASTERISK);
    ::MessageBox(owner, "The radio is busy with another operation.", "Radio Busy",
                 MB_OK | MB_ICONASTERISK);
}

// The rig's place in the list of rigs in transfer, for as long as the transfer runs.
class TransferScope {
public:
    TransferScope() = default;
    TransferScope(const TransferScope&) = delete;
    TransferScope& operator=(const TransferScope&) = delete;
    ~TransferScope() {
        if (m_rig) {
            std::erase(RigsInTransfer(), m_rig);
        }
    }
    void Enter(const CRig* rig) {
        m_rig = rig;
        RigsInTransfer().push_back(rig);
    }

private:
    const CRig* m_rig = nullptr;
};

// The document and the owner's own document refuse to close while the transfer runs.
class DocumentMarks {
public:
    DocumentMarks(CObjectDoc* doc, CWnd* owner) : m_doc(doc) {
        auto* frame = dynamic_cast<CFrameWnd*>(owner);
        auto* ownerDoc = frame ? dynamic_cast<CObjectDoc*>(frame->GetActiveDocument()) : nullptr;
        m_ownerDoc = ownerDoc != doc ? ownerDoc : nullptr;
        for (CObjectDoc* marked : {m_doc, m_ownerDoc}) {
            if (marked) {
                marked->BeginTransfer();
            }
        }
    }
    ~DocumentMarks() {
        for (CObjectDoc* marked : {m_doc, m_ownerDoc}) {
            if (marked) {
                marked->EndTransfer();
            }
        }
    }
    DocumentMarks(const DocumentMarks&) = delete;
    DocumentMarks& operator=(const DocumentMarks&) = delete;

private:
    CObjectDoc* m_doc;
    CObjectDoc* m_ownerDoc = nullptr;
};

// A record's name without the blanks that pad its field.
std::string NameOf(const Parm& record) {
    std::string name = record.text(Parm::kName);
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

std::uint32_t BandStep(const Parm& record) {
    Parm copy = record;
    hb::records::Band found;
    return CBandSelect::LocateBand(&copy, &found) == 1 ? found.get(hb::records::Band::kStep)
                                                       : kStepOutsideBands;
}

} // namespace

struct CLoader::Way {
    bool reading;
    std::uint8_t direction;
    std::uint32_t capability;
    LPCSTR title;
    int openRef;
    LPCSTR preCaption;
    int preRef;
    LPCSTR postCaption;
    int postRef;
};

namespace {

constexpr CLoader::Way kUpload{true,
                               TransferPosition::kRadioToPc,
                               Radio::kCanRead,
                               "Radio to PC",
                               kRefUploadDeviceOpen,
                               "Pre-Upload",
                               kRefPreUpload,
                               "Post-Upload",
                               kRefPostUpload};
constexpr CLoader::Way kDownload{false,
                                 TransferPosition::kPcToRadio,
                                 Radio::kCanWrite,
                                 "PC to Radio",
                                 kRefDownloadDeviceOpen,
                                 "Pre-Download",
                                 kRefPreDownload,
                                 "Post-Download",
                                 kRefPostDownload};

} // namespace

CLoader::CLoader() {
    CScanApp* app = CScanApp::GetScanApp();
    m_freq_mhz = !app || app->GetProfileIntA("Settings", "HFFreqDisplayMHz", 1) != 0;
}

CLoader::~CLoader() {
    m_progress.DestroyWindow();
}

bool CLoader::InTransfer(const CRig* rig) {
    return rig && std::ranges::find(RigsInTransfer(), rig) != RigsInTransfer().end();
}

void CLoader::Upload(Object* group, CRig* rig, CObjectDoc* doc, CWnd* parent) {
    Run(kUpload, group, rig, doc, parent);
}

void CLoader::Download(Object* group, CRig* rig, CObjectDoc* doc, CWnd* parent) {
    Run(kDownload, group, rig, doc, parent);
}

void CLoader::Run(const Way& way, Object* root, CRig* rig, CObjectDoc* doc, CWnd* owner) {
    m_root = root;
    m_rig = rig;
    m_document = doc;
    m_owner = owner;
    m_rig_given = rig != nullptr;
    const HWND ownerWindow = WindowOf(owner);
    if (m_rig_given && InTransfer(rig)) {
        RefuseBusy(ownerWindow);
        return;
    }
    const DocumentMarks marks(doc, owner);
    const auto* group = dynamic_cast<const Group*>(root);
    const std::uint8_t type = group ? group->radioType() : 0;
    m_radio = group ? Radio::CreateRadio(type) : nullptr;
    if (!m_radio) {
        scan_message(ownerWindow, kMessageNotSupported);
        return;
    }
    if (std::ranges::find(kOwnTransferTypes, type) != kOwnTransferTypes.end()) {
        if (dynamic_cast<CGroupDoc*>(doc)) {
            RunOwnTransfer(way);
        }
        return;
    }
    const TransferFamily* family = FindTransferFamily(type);
    const TransferFamily::Step familyStep =
        family ? (way.reading ? family->reader : family->writer) : nullptr;
    if (!(m_radio->caps1() & way.capability)) {
        scan_message(ownerWindow, kMessageNotSupported);
        return;
    }
    TransferScope scope;
    if (!m_rig_given) {
        m_rig = ChooseRig(way, type);
        if (!m_rig) {
            return;
        }
    }
    scope.Enter(m_rig);
    Transfer(way, familyStep);
}

void CLoader::Transfer(const Way& way, TransferFamily::Step familyStep) {
    const HWND ownerWindow = WindowOf(m_owner);
    TransferCursor cursor;
    cursor.direction = way.direction;
    cursor.rigName = RigName().GetString();
    if (PrepareTransfer(ownerWindow, cursor, m_root) != 0) {
        Release();
        return;
    }
    if (!m_rig->IsOpen()) {
        const std::uint16_t opened = m_rig->OpenDevice(m_owner);
        if (opened & kOpenFailed) {
            Report("Device Open", way.openRef, opened);
            Release();
            return;
        }
    }
    m_rig->DeviceStatus(m_device_status.data());
    ShowProgress(way);
    Parm bracket;
    const std::uint16_t pre =
        way.reading ? m_rig->PreUpload(&bracket) : m_rig->PreDownload(&bracket);
    if (pre) {
        Report(way.preCaption, way.preRef, pre);
    } else if (WaitReply(kBracketWaitMs, &m_progress) == 0) {
        if (way.reading && m_document) {
            m_document->SetModifiedFlag(TRUE);
        }
        if (familyStep) {
            (this->*familyStep)(cursor);
        } else if (way.reading) {
            ReadMemories(way, cursor);
        } else {
            WriteMemories(way, cursor);
        }
    }
    CloseTransfer(way, cursor);
}

void CLoader::RunOwnTransfer(const Way& way) {
    // The whole-memory argument of the model's own reading.
    constexpr auto kWholeMemory = static_cast<WPARAM>(-1);
    const int moved = way.reading ? m_radio->TransferFromRadio(m_document, m_owner, kWholeMemory)
                                  : m_radio->TransferToRadio(m_document, m_owner);
    if (moved == Radio::kNoOwnTransfer) {
        scan_message(WindowOf(m_owner), kMessageNotSupported);
    }
}

CRig* CLoader::ChooseRig(const Way& way, std::uint8_t type) {
    const HWND ownerWindow = WindowOf(m_owner);
    CRig* chosen = CRig::SelectRig(way.title, CRig::kNoWizardOffer, type);
    if (!chosen) {
        MessageBeep(MB_ICONASTERISK);
        ::MessageBox(ownerWindow,
                     "No radios are installed that match the radio type associated with this "
                     "group. Please install a radio of the correct type or change the type of "
                     "this group from the radio menu.",
                     "Radio Type Not Installed", MB_OK | MB_ICONSTOP);
        return nullptr;
    }
    if (InTransfer(chosen) || chosen->AttachView(kClaimCommand, m_owner) == 1) {
        RefuseBusy(ownerWindow);
        return nullptr;
    }
    return chosen;
}

void CLoader::Release() {
    if (!m_rig_given && m_rig) {
        m_rig->DetachView(m_owner, kReleaseAll);
    }
}

CLoader::MemoryWrite CLoader::WriteMemory(const Parm& record, int writeRef, int waitRef,
                                          CLoadProgressDlg* dialog) {
    if (const std::uint16_t status = m_rig->MemWrite(&record)) {
        Report("Write Channel", writeRef, status);
        return MemoryWrite::kFailed;
    }
    const std::uint16_t waited = WaitReply(kWriteWaitMs, dialog);
    if (waited == kStatusStopped) {
        return MemoryWrite::kStopped;
    }
    if (waited) {
        Report("Write Channel", waitRef, waited);
        return MemoryWrite::kFailed;
    }
    return MemoryWrite::kWritten;
}

void CLoader::Report(LPCSTR caption, int ref, std::uint16_t status) {
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->ErrorMessage(RigName(), caption, kSourcePath, ref, status, 0x10, 0);
    }
}

void CLoader::ShowProgress(const Way& way) {
    if (!m_progress.Create(m_owner)) {
        return;
    }
    m_progress.CenterWindow();
    CString path = m_document ? m_document->GetPathName() : CString();
    if (const CScanApp* app = CScanApp::GetScanApp()) {
        app->RemoveDocPath(path);
    }
    m_progress.SetCurrentItem(m_document ? m_document->GetTitle().GetString() : "");
    m_progress.SetDirection(way.title);
    m_progress.SetRigName(RigName().GetString());
    m_progress.SetDocument(path.IsEmpty() ? "Untitled." : path.GetString());
    m_progress.ShowWindow(SW_SHOW);
}

void CLoader::ShowMemory(const TransferCursor& cursor, const std::string& name, std::uint32_t hz) {
    m_progress.SetBank(cursor.bank);
    m_progress.SetChannel(cursor.channel);
    m_progress.SetCurrentItem(name.c_str());
    m_progress.SetFrequency(m_radio->FormatFrequency(hz, m_freq_mhz).c_str());
}

bool CLoader::TransferBankName(const Way& way, const TransferCursor& cursor,
                               std::uint16_t& lastBank) {
    auto* group = dynamic_cast<Group*>(m_root);
    if (!(m_radio->organisationFlags() & Radio::kOrganisationBankNames) || !group ||
        cursor.bankIndex >= group->banks().size() || cursor.partial || cursor.bank == lastBank) {
        return true;
    }
    lastBank = cursor.bank;
    Bank& bank = *group->banks()[cursor.bankIndex];
    Parm record;
    record.set(Parm::kMemoryChannel,
               MemoryNumber(group->radioType(), *m_radio, cursor.bank, cursor.channel));
    if (way.reading) {
        if (const std::uint16_t status = m_rig->GetBankName(&record)) {
            Report("Read Bank Name", kRefReadBankName, status);
            return false;
        }
        bank.setName(NameOf(record).substr(0, kNameWidth));
        return true;
    }
    record.setText(Parm::kName, bank.name().substr(0, kNameWidth));
    if (const std::uint16_t status = m_rig->SetBankName(&record)) {
        Report("Write Bank Name", kRefWriteBankName, status);
        return false;
    }
    return true;
}

bool CLoader::ReadMemory(Parm& record) {
    const std::uint16_t asked = record.get(Parm::kMemoryChannel);
    for (int attempts = 0;;) {
        if (const std::uint16_t status = m_rig->MemRead(&record)) {
            Report("Read Channel", kRefReadChannel, status);
            return false;
        }
        if (WaitReply(kReadWaitMs, &m_progress)) {
            return false;
        }
        if (const std::uint16_t status = m_rig->DeviceStatus(m_device_status.data())) {
            Report("Read Status", kRefReadStatus, status);
            return false;
        }
        const Parm answer = m_device_status.get(hb::records::DeviceStatus::kCurrentParm);
        if (m_radio->RadioTypeCode() == kTypeSkipping &&
            answer.get(Parm::kMemoryChannel) != asked) {
            const std::uint16_t next = answer.get(Parm::kMemoryChannel);
            m_skip_until = next ? next : std::uint16_t{0xFFFF};
            m_skipping = true;
            record = Parm{};
            record.set(Parm::kMemoryChannel, asked);
            return true;
        }
        // A record of another memory is what the radio said before: this memory went unanswered.
        if ((answer.get(Parm::kFrequency) == 0 && answer.get(Parm::kMode) == kModeUnread) ||
            answer.get(Parm::kMemoryChannel) != asked) {
            if (++attempts >= kReadAttempts) {
                Report("Read Status", kRefReadEmpty, kStatusTimeout);
                return false;
            }
            record = Parm{};
            record.set(Parm::kMemoryChannel, asked);
            record.set(Parm::kMode, kModeUnread);
            continue;
        }
        record = answer;
        return !Stopped();
    }
}

void CLoader::ReadMemories(const Way& way, TransferCursor& cursor) {
    const auto* group = dynamic_cast<const Group*>(m_root);
    const std::uint8_t rootType = group ? group->radioType() : 0;
    std::uint16_t lastBank = kNoBank;
    m_skipping = false;
    m_skip_until = 0;
    for (Chan* channel = LocateRecord(m_root, cursor); channel;
         channel = LocateRecord(m_root, cursor)) {
        if (!TransferBankName(way, cursor, lastBank)) {
            return;
        }
        Parm record;
        const std::uint16_t number = MemoryNumber(rootType, *m_radio, cursor.bank, cursor.channel);
        record.set(Parm::kMemoryChannel, number);
        record.set(Parm::kMode, kModeUnread);
        if (m_skipping && number < m_skip_until) {
            record.set(Parm::kMode, 0);
        } else if (!ReadMemory(record)) {
            return;
        }
        channel->reset(m_radio.get());
        channel->SetParm(record);
        const std::string name = NameOf(record);
        if ((m_radio->options() & Radio::kOptionChannelNames) && !name.empty()) {
            channel->setName(name);
        }
        ShowMemory(cursor, name, record.get(Parm::kFrequency));
        ++cursor.transferred;
        if (StepProgress(cursor) != 0) {
            return;
        }
    }
}

void CLoader::WriteMemories(const Way& way, TransferCursor& cursor) {
    const auto* group = dynamic_cast<const Group*>(m_root);
    const std::uint8_t rootType = group ? group->radioType() : 0;
    std::uint16_t lastBank = kNoBank;
    for (Chan* channel = LocateRecord(m_root, cursor); channel;
         channel = LocateRecord(m_root, cursor)) {
        if (!TransferBankName(way, cursor, lastBank)) {
            return;
        }
        Parm record = channel->record();
        if (NameOf(record).empty()) {
            record.setText(Parm::kName, channel->name().substr(0, kNameWidth));
        }
        record.set(Parm::kMemoryChannel,
                   MemoryNumber(rootType, *m_radio, cursor.bank, cursor.channel));
        if (record.get(Parm::kStep) == 0) {
            record.set(Parm::kStep, BandStep(record));
        }
        if (Stopped()) {
            return;
        }
        ShowMemory(cursor, channel->name(), record.get(Parm::kFrequency));
        if (WriteMemory(record, kRefWriteChannel, kRefWriteChannel, &m_progress) !=
            MemoryWrite::kWritten) {
            return;
        }
        if (const std::uint16_t status = m_rig->DeviceStatus(m_device_status.data())) {
            Report("Read Status", kRefWriteStatus, status);
            return;
        }
        ++cursor.transferred;
        if (StepProgress(cursor) != 0) {
            return;
        }
    }
}

void CLoader::CloseTransfer(const Way& way, const TransferCursor& cursor) {
    Parm bracket;
    const std::uint16_t post =
        way.reading ? m_rig->PostUpload(&bracket) : m_rig->PostDownload(&bracket);
    if (post) {
        Report(way.postCaption, way.postRef, post);
    } else {
        WaitReply(kBracketWaitMs, &m_progress);
    }
    if (m_radio->RadioTypeCode() == kTypeReread && cursor.done >= kRereadAfterSteps) {
        Parm reread;
        reread.set(Parm::kMemoryChannel, kRereadMemory);
        if (m_rig->MemRead(&reread) == 0) {
            WaitReply(kReadWaitMs, &m_progress);
        }
    }
    m_rig->DeviceStop();
    Release();
    MessageBeep(MB_ICONASTERISK);
    m_progress.DestroyWindow();
    if (auto* groupDoc = dynamic_cast<CGroupDoc*>(m_document)) {
        using Transfer = CObjectDoc::ImageTransfer;
        groupDoc->RegisterImageTransfer(&groupDoc->m_last_transfer, nullptr,
                                        cursor.partial ? Transfer::kPartial : Transfer::kWhole,
                                        way.reading ? Transfer::kFromRadio : Transfer::kToRadio, 0,
                                        m_root ? m_root->name().c_str() : "", m_radio.get());
    }
}
