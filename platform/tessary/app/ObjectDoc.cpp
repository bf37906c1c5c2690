#include "platform/tessary/app/ObjectDoc.h"

#include "platform/afx/AfxMessageBox.h"
#include "platform/tessary/app/AppHooks.h"
#include "platform/tessary/app/ObjectHint.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Roster.h"
#include "platform/tessary/model/TimeFunctions.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

IMPLEMENT_DYNAMIC(CObjectDoc, CDocument)

namespace {

// Every object document that exists, oldest first.
std::vector<CObjectDoc*>& OpenDocuments() {
    static std::vector<CObjectDoc*> documents;
    return documents;
}

constexpr std::string_view kSharedPrefix = "\\[]\\";

bool IsOpen(const CObjectDoc* doc) {
    return std::find(OpenDocuments().begin(), OpenDocuments().end(), doc) != OpenDocuments().end();
}

} // namespace

CObjectDoc::CObjectDoc() {
    OpenDocuments().push_back(this);
}

CObjectDoc::~CObjectDoc() {
    std::erase(OpenDocuments(), this);
}

void CObjectDoc::ShareUpdate(Object* object, CView* pSender, LPARAM hint) {
    CObjectHint carrier(object);
    const CString path = m_strPathName;
    // A view's update may open or close documents: work on a copy, and skip the ones gone since.
    const std::vector<CObjectDoc*> documents = OpenDocuments();
    for (CObjectDoc* doc : documents) {
        if (std::find(OpenDocuments().begin(), OpenDocuments().end(), doc) ==
            OpenDocuments().end()) {
            continue;
        }
        const bool shares = doc == this || (object ? doc->HoldsObject(*object)
                                                   : !path.IsEmpty() && doc->GetPathName() == path);
        if (shares) {
            doc->UpdateAllViews(pSender, hint, &carrier);
        }
    }
}

void CObjectDoc::SetCaption(LPCSTR caption) {
    SetTitle(caption ? caption : "");
}

bool CObjectDoc::HoldsObject(const Object&) const {
    return false;
}

void CObjectDoc::RegisterImageTransfer(ImageTransfer* record, const void* image,
                                       std::uint32_t extent, std::uint32_t direction,
                                       std::uint32_t reserved, LPCSTR rootName,
                                       const Radio* radio) {
    const std::string name = rootName ? rootName : "";
    const std::uint16_t type = radio ? radio->RadioTypeCode() : 0;
    char numbers[48];
    std::snprintf(numbers, sizeof numbers, "0x%08X, %u, %u", extent, direction, reserved);
    hb::tessary::detail::RecordStubCall(std::string("RegisterImageTransfer(") +
                                        (record ? "record" : "none") + ", " +
                                        (image ? "image" : "none") + ", " + numbers + ", " + name +
                                        ", " + std::to_string(type) + ")");
    if (record) {
        *record = {extent, direction, GetLongTimeNow(), name, type};
    }
}

BOOL CObjectDoc::SaveModified() {
    if (InTransfer()) {
        MessageBeep(MB_ICONASTERISK);
        return FALSE;
    }
    return CDocument::SaveModified();
}

BOOL CObjectDoc::CanCloseFrame(CFrameWnd* pFrame) {
    if (InTransfer()) {
        MessageBeep(MB_ICONASTERISK);
        return FALSE;
    }
    return CDocument::CanCloseFrame(pFrame);
}

std::unique_ptr<Object> CObjectDoc::ReadFileRoot(LPCSTR path, const char* what,
                                                 bool (*fits)(const Object* object)) {
    File file(path ? path : "");
    std::unique_ptr<Object> root = file.release();
    if (!root || !fits(root.get())) {
        const std::string why =
            root ? "\"" + file.path() + "\" does not hold " + what : file.error();
        AfxMessageBox((why + ".").c_str(), MB_ICONHAND);
        return nullptr;
    }
    return root;
}

BOOL CObjectDoc::WriteRoot(LPCSTR path, Object* root) {
    File file(path ? path : "", root);
    if (!file.save()) {
        // The File would try again when it goes; the user has been told it failed.
        file.abandon();
        AfxMessageBox((file.error() + ".").c_str(), MB_ICONHAND);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

std::string CObjectDoc::FilePath(LPCSTR path) {
    const std::string_view whole = path ? path : "";
    return std::string(whole.starts_with(kSharedPrefix) ? whole.substr(kSharedPrefix.size())
                                                        : whole);
}

Object* CObjectDoc::OpenShared(LPCSTR path) {
    if (!path || !std::string_view(path).starts_with(kSharedPrefix)) {
        return nullptr;
    }
    const std::string file = FilePath(path);
    for (CObjectDoc* doc : OpenDocuments()) {
        auto* list = dynamic_cast<CRosterDoc*>(doc);
        if (!list || list == this) {
            continue;
        }
        for (const auto& entry : list->GetRoster()->entries()) {
            if (entry->object() && entry->fileName() == file) {
                m_owner = list;
                return entry->object();
            }
        }
    }
    return nullptr;
}

void CObjectDoc::ShareClose(LPCSTR file) {
    const std::vector<CObjectDoc*> documents = OpenDocuments();
    for (CObjectDoc* doc : documents) {
        if (IsOpen(doc) && doc->m_owner == this &&
            (!file || FilePath(doc->GetPathName()) == FilePath(file))) {
            doc->SetModifiedFlag(FALSE);
            doc->OnCloseDocument();
        }
    }
}
