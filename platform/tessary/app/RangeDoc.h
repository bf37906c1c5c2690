#pragma once
#include "platform/tessary/app/ObjectDoc.h"

#include <memory>

class Radio;
class Range;

// The document of a search range file (.swr): its Range, read and written through File, and the
// radio model of the range's type. It always holds a range; a new document holds an empty one.
class CRangeDoc : public CObjectDoc {
    DECLARE_DYNCREATE(CRangeDoc)

public:
    CRangeDoc();
    ~CRangeDoc() override;

    Range* GetRange() const { return m_shared ? m_shared : m_range.get(); }
    // The model of the range's radio type; null for a range of no type.
    Radio* GetRadio() const { return m_radio.get(); }

    // A file that cannot be read, holds no range or is for a radio type without a model is
    // reported in a box, and the document keeps what it held.
    BOOL OnOpenDocument(LPCSTR lpszPathName) override;
    // Written whole or not at all; a failed write is reported in a box and the document stays
    // modified.
    BOOL OnSaveDocument(LPCSTR lpszPathName) override;
    void DeleteContents() override;
    bool HoldsObject(const Object& object) const override;

private:
    std::unique_ptr<Range> m_range;
    // The scan list's object shown when the document is shared.
    Range* m_shared = nullptr;
    std::unique_ptr<Radio> m_radio;
};
