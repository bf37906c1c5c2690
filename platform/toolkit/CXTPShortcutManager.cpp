#include "platform/toolkit/CXTPShortcutManager.h"

#include "platform/afx/res/ResourceChain.h"
#include "platform/afx/res/ResourceLoading.h"
#include "platform/toolkit/ProfileBlob.h"

namespace {

constexpr const char* kEntry = "CommandBarShortcuts";

} // namespace

using hb::toolkit::detail::BlobKind;

CXTPShortcutManager::~CXTPShortcutManager() {
    if (m_table) {
        ::DestroyAcceleratorTable(m_table);
    }
}

BOOL CXTPShortcutManager::SetAccelerators(UINT nIDAccelerators) {
    const LPCSTR name = MAKEINTRESOURCE(nIDAccelerators);
    const hb::afx::ResourceModule* module =
        hb::afx::ResourceModuleOf(AfxFindResourceHandle(name, RT_ACCELERATOR));
    const hb::afx::AcceleratorResource* resource =
        module ? module->FindAccelerators(nIDAccelerators) : nullptr;
    if (!resource) {
        return FALSE;
    }
    SetShortcuts(resource->entries);
    return TRUE;
}

void CXTPShortcutManager::SetShortcuts(const std::vector<ACCEL>& entries) {
    if (m_table) {
        ::DestroyAcceleratorTable(m_table);
    }
    m_entries = entries;
    m_table = ::CreateAcceleratorTable(m_entries.data(), static_cast<int>(m_entries.size()));
}

void CXTPShortcutManager::SaveShortcuts(LPCSTR lpszProfileName) const {
    hb::toolkit::detail::BlobWriter blob;
    blob.U32(static_cast<std::uint32_t>(m_entries.size()));
    for (const ACCEL& entry : m_entries) {
        blob.U8(entry.fVirt);
        blob.U16(entry.key);
        blob.U16(entry.cmd);
    }
    hb::toolkit::detail::SaveBlob(lpszProfileName, kEntry, BlobKind::Shortcuts, blob);
}

BOOL CXTPShortcutManager::LoadShortcuts(LPCSTR lpszProfileName) {
    auto blob = hb::toolkit::detail::LoadBlob(lpszProfileName, kEntry, BlobKind::Shortcuts);
    std::uint32_t count = 0;
    if (!blob || !blob->U32(count)) {
        return FALSE;
    }
    // Each entry is read before the next is asked for, so a false count ends at the data's end.
    std::vector<ACCEL> entries;
    for (std::uint32_t i = 0; i < count; ++i) {
        ACCEL entry;
        if (!blob->U8(entry.fVirt) || !blob->U16(entry.key) || !blob->U16(entry.cmd)) {
            return FALSE;
        }
        entries.push_back(entry);
    }
    if (!blob->Done()) {
        return FALSE;
    }
    SetShortcuts(entries);
    return TRUE;
}

BOOL CXTPShortcutManager::TranslateAccelerator(HWND hWnd, const MSG* pMsg) const {
    return m_table && ::TranslateAccelerator(hWnd, m_table, pMsg) ? TRUE : FALSE;
}
