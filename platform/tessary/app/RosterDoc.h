#pragma once
#include "platform/tessary/app/ObjectDoc.h"

#include <cstdint>
#include <memory>

class Roster;

// The document of a scan list (.sws): its Roster, read and written through File. It always holds
// a list; an empty document holds a new one with its default entries.
class CRosterDoc : public CObjectDoc {
    DECLARE_DYNCREATE(CRosterDoc)

public:
    CRosterDoc();
    ~CRosterDoc() override;

    Roster* GetRoster() const { return m_roster.get(); }

    // A file that cannot be read or holds no scan list is reported in a box, and the document
    // keeps what it held. The files the list's entries name are read with it.
    BOOL OnOpenDocument(LPCSTR lpszPathName) override;
    // A failed write is reported in a box; the document stays modified.
    BOOL OnSaveDocument(LPCSTR lpszPathName) override;
    // Both close the documents sharing the list's objects first.
    void DeleteContents() override;
    void OnCloseDocument() override;
    bool HoldsObject(const Object& object) const override;

    // Set by the group view while it is open.
    std::uint32_t m_groupView = 0;

private:
    std::unique_ptr<Roster> m_roster;
};
