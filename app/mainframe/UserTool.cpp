#include "app/mainframe/UserTool.h"

#include "platform/afx/CWinApp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CUserTool, CObject)

namespace {

constexpr LPCSTR kSection = "Settings";
constexpr LPCSTR kEntry = "UserTools";

} // namespace

void CUserTool::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_strTitle << m_strArguments << m_strCommand << m_strInitialDirectory;
    } else {
        ar >> m_strTitle >> m_strArguments >> m_strCommand >> m_strInitialDirectory;
    }
}

void CUserTool::CopyFrom(const CUserTool& other) {
    m_nIconId = other.m_nIconId;
    m_strTitle = other.m_strTitle;
    m_strArguments = other.m_strArguments;
    m_strCommand = other.m_strCommand;
    m_strInitialDirectory = other.m_strInitialDirectory;
}

namespace hb::app {

CUserToolList& UserTools() {
    static CUserToolList tools;
    return tools;
}

CUserTool* FindUserTool(const void* tag) {
    const auto found = std::ranges::find_if(UserTools(), [tag](const auto& tool) {
        return static_cast<const void*>(tool.get()) == tag;
    });
    return found != UserTools().end() ? found->get() : nullptr;
}

void LoadUserTools() {
    UserTools().clear();
    CWinApp* app = AfxGetApp();
    BYTE* data = nullptr;
    UINT size = 0;
    if (!app || !app->GetProfileBinary(kSection, kEntry, &data, &size)) {
        return;
    }
    CArchive ar(std::vector<BYTE>(data, data + size));
    delete[] data;
    CUserToolList tools;
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count && !ar.IsLoadFailed(); ++i) {
        auto tool = std::make_unique<CUserTool>();
        tool->Serialize(ar);
        tools.push_back(std::move(tool));
    }
    if (ar.IsLoadComplete()) {
        UserTools() = std::move(tools);
    }
}

void SaveUserTools() {
    CWinApp* app = AfxGetApp();
    if (!app) {
        return;
    }
    CArchive ar;
    ar.WriteCount(static_cast<DWORD>(UserTools().size()));
    for (const auto& tool : UserTools()) {
        tool->Serialize(ar);
    }
    std::vector<BYTE> bytes = ar.GetBytes();
    app->WriteProfileBinary(kSection, kEntry, bytes.data(), static_cast<UINT>(bytes.size()));
}

} // namespace hb::app
