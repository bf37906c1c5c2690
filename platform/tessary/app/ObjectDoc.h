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
    // The file's object when `fits` takes it; otherwise as ReadRoot.
    std::unique_ptr<Object> ReadFileRoot(LPCSTR path, const char* what,
                                         bool (*fits)(const Object* object));
    // Writes the object to the file and clears the modified flag; a failure is told, and the
    // document stays modified.
    BOOL WriteRoot(LPCSTR path, Object* root);
};
