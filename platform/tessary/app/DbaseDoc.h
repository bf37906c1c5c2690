#pragma once
// The document of a database file: the fields and records of a dBASE table, read whole when the
// file opens and again when asked.
#include "platform/afx/CDocument.h"

#include <string>
#include <vector>

class CDbaseDoc : public CDocument {
    DECLARE_DYNCREATE(CDbaseDoc)

public:
    // A table that cannot be read is reported in a box and the document keeps what it held.
    BOOL OnOpenDocument(LPCSTR lpszPathName) override;
    void DeleteContents() override;

    // Reads the document's file again; false, keeping what was read before, when it cannot.
    bool Reread();

    const std::vector<std::string>& Fields() const { return m_fields; }
    // Each record's values, a text per field.
    const std::vector<std::vector<std::string>>& Records() const { return m_records; }

private:
    bool Read(const std::string& path);

    std::vector<std::string> m_fields;
    std::vector<std::vector<std::string>> m_records;
};
