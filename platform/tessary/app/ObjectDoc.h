#pragma once
#include "platform/afx/CDocument.h"

#include <cstdint>
#include <memory>
#include <string>

class Object;
class Radio;

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

    // A memory transfer between the document and a radio.
    struct ImageTransfer {
        static constexpr std::uint32_t kWhole = 0xFFFFFFFF;
        static constexpr std::uint32_t kPartial = 0xFFFFFFFE;
        static constexpr std::uint32_t kFromRadio = 0;
        static constexpr std::uint32_t kToRadio = 1;

        std::uint32_t extent = 0;
        std::uint32_t direction = 0;
        std::uint64_t time = 0;
        std::string rootName;
        std::uint16_t radioType = 0;
    };
    // Keeps what a transfer moved in `record`; the image of a radio's memory is not kept.
    void RegisterImageTransfer(ImageTransfer* record, const void* image, std::uint32_t extent,
                               std::uint32_t direction, std::uint32_t reserved, LPCSTR rootName,
                               const Radio* radio);
    // The last transfer of the document.
    ImageTransfer m_last_transfer;

    // While a memory transfer works on the document it refuses to close: the transfer holds
    // pointers into its objects.
    void BeginTransfer() { ++m_transfers; }
    void EndTransfer() { --m_transfers; }
    bool InTransfer() const { return m_transfers > 0; }
    BOOL SaveModified() override;
    BOOL CanCloseFrame(CFrameWnd* pFrame) override;

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
    // The file's object when `fits` takes it; otherwise as ReadRoot.
    std::unique_ptr<Object> ReadFileRoot(LPCSTR path, const char* what,
                                         bool (*fits)(const Object* object));
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
    int m_transfers = 0;
    CObjectDoc* m_owner = nullptr;
};
