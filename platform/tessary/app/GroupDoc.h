#pragma once
#include "platform/tessary/app/ObjectDoc.h"

#include <cstdint>
#include <memory>

class Group;
class Radio;

// The document of a group file (.swg): its Group, read and written through File. It always holds
// a group; an empty document holds a new one of no radio type.
class CGroupDoc : public CObjectDoc {
    DECLARE_DYNCREATE(CGroupDoc)

public:
    CGroupDoc();
    ~CGroupDoc() override;

    Group* GetGroup() const { return m_shared ? m_shared : m_group.get(); }
    // The model of the group's radio type; null for a group of no type.
    Radio* GetRadio() const { return m_radio.get(); }
    // Empties the document and gives it a new group for the radio type.
    void NewGroup(std::uint8_t radioType);
    // The same, with the group the radio model makes: its organisation of banks and channels,
    // which a trunk scanner's transfers walk.
    void NewModelGroup(std::uint8_t radioType);

    // A new group for the radio type the user selects; none selected fails the new document.
    BOOL OnNewDocument() override;
    // A file that cannot be read, holds no group or is for a radio type without a model is
    // reported in a box, and the document keeps what it held.
    BOOL OnOpenDocument(LPCSTR lpszPathName) override;
    // A failed write is reported in a box; the document stays modified.
    BOOL OnSaveDocument(LPCSTR lpszPathName) override;
    void DeleteContents() override;
    bool HoldsObject(const Object& object) const override;

private:
    std::unique_ptr<Group> m_group;
    // The scan list's object shown when the document is shared.
    Group* m_shared = nullptr;
    std::unique_ptr<Radio> m_radio;
};
