#pragma once
// A scanning file bound to one object. Made from a path alone, it reads the file's root object and
// owns it; made with an object, it is to write that object. Either way the object is written when
// the File is destroyed, unless abandon() was called first: a read root only when it was changed
// since, a given object always (unless save() has already written it). A given object is held by
// its handle, so one deleted in the meantime is simply not written.

#include "platform/tessary/model/Object.h"

#include <cstdint>
#include <memory>
#include <string>

class File {
public:
    // A relative path is taken in the documents folder.
    explicit File(const std::string& path, Object* object = nullptr);
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    // The object read or given; null when the file could not be read or the object is gone.
    Object* root() const;
    // Hands over the read root; the File then writes nothing.
    std::unique_ptr<Object> release();
    // Why the last read or write failed; empty when it did not.
    const std::string& error() const { return m_error; }
    // What the read found damaged and replaced (see ScanFileRead); empty when nothing.
    const std::string& repaired() const { return m_repaired; }
    const std::string& path() const { return m_path; }

    // Writes the object now; false (with error()) when it could not be written.
    bool save();
    // Nothing is written when the File is destroyed.
    void abandon() { m_abandoned = true; }

private:
    std::string m_path;
    std::unique_ptr<Object> m_owned;
    std::uint32_t m_given = 0;
    std::string m_error;
    std::string m_repaired;
    bool m_abandoned = false;
    bool m_saved = false;
};
