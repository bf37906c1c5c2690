#pragma once
#include "platform/afx/CDocument.h"

#include <memory>
#include <string>

class Object;

// A document of scanning objects. Documents open at the same time may show the same objects or
// the same file; a change made through one of them is shared with the views of the others.
class CObjectDoc : public CDocument {
    DECLARE_DYNAMIC(CObjectDoc)

public:
    CObjectDoc();
    ~CObjectDoc() override;

    // Updates the views (all but `pSender`) of this document and of every other open document
    // that holds `object` (or, with no object, that has this document's file) with `hint` and a
    // CObjectHint of the object.
    void ShareUpdate(Object* object, CView* pSender, LPARAM hint);
    // The document's title.
    void SetCaption(LPCSTR caption);

    // Whether the object belongs to what this document holds; nothing here.
    virtual bool HoldsObject(const Object& object) const;

    // The scan-list document whose object this one shows, or null. A document opened with the
    // shared-open prefix "\[]\" before a path shows the object an open scan list loaded from
    // that file, and the list owns it.
    CObjectDoc* GetOwner() const { return m_owner; }
    bool IsShared() const { return m_owner != nullptr; }
    // Closes, without asking, the documents that share this one's objects: those of the file, or
    // all of them for none. An owner runs it before its objects go.
    void ShareClose(LPCSTR file);

protected:
    // The file's object when it is a `T`; otherwise the user is told (`what` names what the file
    // should hold) and the result is null.
    template <class T>
    std::unique_ptr<T> ReadRoot(LPCSTR path, const char* what) {
        std::unique_ptr<Object> root = ReadFileRoot(path, what, [](const Object* object) {
            return dynamic_cast<const T*>(object) != nullptr;
        });
        return std::unique_ptr<T>(static_cast<T*>(root.release()));
    }
    // Writes the object to the file and clears the modified flag; a failure is told, and the
    // document stays modified.
    BOOL WriteRoot(LPCSTR path, Object* root);
    // For a path with the shared-open prefix: the object an open scan list loaded from the file,
    // which then becomes this document's owner; null otherwise.
    Object* OpenShared(LPCSTR path);
    void ForgetOwner() { m_owner = nullptr; }
    // The path without the shared-open prefix.
    static std::string FilePath(LPCSTR path);

private:
    CObjectDoc* m_owner = nullptr;

    std::unique_ptr<Object> ReadFileRoot(LPCSTR path, const char* what,
                                         bool (*fits)(const Object* object));
};
