#include "programming/Loader.h"

#include "app/rig/Rig.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"

namespace {

std::vector<CLoader::Transfer>& TransferLog() {
    static std::vector<CLoader::Transfer> transfers;
    return transfers;
}

std::string PathOf(const CGroupDoc* doc) {
    return doc ? doc->GetPathName().str() : std::string();
}

} // namespace

void CLoader::Upload(Object* group, CRig* rig, CGroupDoc* doc, CWnd*) {
    TransferLog().push_back({Direction::Upload, rig, PathOf(doc)});
    auto* target = dynamic_cast<Group*>(group);
    if (target && rig && rig->m_radio) {
        rig->m_radio->ConformGroup(*target);
    }
}

void CLoader::Download(Object*, CRig* rig, CGroupDoc* doc, CWnd*) {
    TransferLog().push_back({Direction::Download, rig, PathOf(doc)});
}

const std::vector<CLoader::Transfer>& CLoader::Transfers() {
    return TransferLog();
}

void CLoader::ClearTransfers() {
    TransferLog().clear();
}
