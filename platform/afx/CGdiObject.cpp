#include "platform/afx/CGdiObject.h"

#include "platform/afx/CBitmap.h"
#include "platform/afx/CBrush.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CPen.h"
#include "platform/afx/ObjectMap.h"

#include <memory>

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

namespace {

using GdiObjects = hb::afx::detail::ObjectMap<CGdiObject, HGDIOBJ, &CGdiObject::m_hObject>;

std::unique_ptr<CGdiObject> MakeWrapper(HGDIOBJ hObject) {
    switch (::GetObjectType(hObject)) {
    case OBJ_FONT:
        return std::make_unique<CFont>();
    case OBJ_PEN:
        return std::make_unique<CPen>();
    case OBJ_BRUSH:
        return std::make_unique<CBrush>();
    case OBJ_BITMAP:
        return std::make_unique<CBitmap>();
    default:
        return std::make_unique<CGdiObject>();
    }
}

} // namespace

CGdiObject::~CGdiObject() {
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
    return GdiObjects::Get().FromHandle(hObject, [&] { return MakeWrapper(hObject); });
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    return GdiObjects::Get().Attach(*this, hObject);
}

HGDIOBJ CGdiObject::Detach() {
    return GdiObjects::Get().Detach(*this);
}

BOOL CGdiObject::DeleteObject() {
    return m_hObject ? ::DeleteObject(Detach()) : FALSE;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
    return m_hObject ? ::GetObject(m_hObject, nCount, lpObject) : 0;
}

BOOL CGdiObject::CreateStockObject(int nIndex) {
    return Take(::GetStockObject(nIndex));
}

BOOL CGdiObject::Take(HGDIOBJ hObject) {
    if (!hObject) {
        return FALSE;
    }
    if (!Attach(hObject)) {
        ::DeleteObject(hObject);
        return FALSE;
    }
    return TRUE;
}
