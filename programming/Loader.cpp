#include "programming/Loader.h"

#include "app/rig/Rig.h"
#include "platform/tessary/app/ObjectDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"

namespace {

std::vector<CLoader::Transfer>& TransferLog() {
    static std::vector<CLoader::Transfer> transfers;
    return transfers;
}

std::function<void(const CLoader::Transfer&)>& TransferHook() {
    static std::function<void(const CLoader::Transfer&)> hook;
    return hook;
}

void Begin(const CLoader::Transfer& transfer) {
    TransferLog().push_back(transfer);
    if (TransferHook()) {
        TransferHook()(transfer);
    }
}

std::string PathOf(const CObjectDoc* doc) {
    return doc ? doc->GetPathName().str() : std::string();
}

} // namespace

CLoader::CLoader() {
    CScanApp* app = CScanApp::GetScanApp();
    m_freq_mhz = !app || app->GetProfileIntA("Settings", "HFFreqDisplayMHz", 1) != 0;
}

CLoader::~CLoader() {
    m_progress.DestroyWindow();
}

void CLoader::Upload(Object* group, CRig* rig, CObjectDoc* doc, CWnd*) {
    Begin({Direction::Upload, rig, PathOf(doc)});
    auto* target = dynamic_cast<Group*>(group);
    if (target && rig && rig->m_radio) {
        rig->m_radio->ConformGroup(*target);
    }
}

void CLoader::Download(Object*, CRig* rig, CObjectDoc* doc, CWnd*) {
    Begin({Direction::Download, rig, PathOf(doc)});
}

const std::vector<CLoader::Transfer>& CLoader::Transfers() {
    return TransferLog();
}

void CLoader::ClearTransfers() {
    TransferLog().clear();
    TransferHook() = nullptr;
}

void CLoader::SetTransferHook(std::function<void(const Transfer&)> hook) {
    TransferHook() = std::move(hook);
}
