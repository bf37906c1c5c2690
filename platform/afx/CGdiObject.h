#pragma once
#include "platform/afx/CObject.h"
#include "platform/win/Windows.h"

// A drawing object (font, pen, brush or bitmap) owned by its wrapper: the wrapper deletes it. A
// handle without a wrapper gets a temporary one from FromHandle, of the class that fits its kind,
// valid until hb::afx::DeleteTempMap; a temporary wrapper never deletes its handle.
class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)

public:
    CGdiObject() = default;
    ~CGdiObject() override;

    HGDIOBJ m_hObject;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }

    // The handle's wrapper: a CFont, CPen, CBrush or CBitmap by its kind; null for no handle.
    static CGdiObject* FromHandle(HGDIOBJ hObject);
    // FALSE when the wrapper has a handle already or the handle has a wrapper.
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    // Deletes the object (never a stock one) and empties the wrapper; FALSE when there was none.
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const;
    // Wraps a stock object, which is never deleted.
    BOOL CreateStockObject(int nIndex);

protected:
    // Wraps a newly made object; FALSE when it could not be made, or when the wrapper has one
    // already (the new object is deleted).
    BOOL Take(HGDIOBJ hObject);
};

namespace hb::afx::detail {

// The wrapper of `handle` as `T`, or null when its wrapper is of another class.
template <class T, class H>
T* GdiWrapperOf(H handle) {
    return dynamic_cast<T*>(CGdiObject::FromHandle(handle));
}

} // namespace hb::afx::detail
