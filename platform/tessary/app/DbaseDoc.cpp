#include "platform/tessary/app/DbaseDoc.h"

#include "platform/afx/AfxMessageBox.h"
#include "platform/tessary/app/DbaseTable.h"

IMPLEMENT_DYNCREATE(CDbaseDoc, CDocument)

BOOL CDbaseDoc::OnOpenDocument(LPCSTR lpszPathName) {
    return Read(lpszPathName ? lpszPathName : "");
}

void CDbaseDoc::DeleteContents() {
    m_fields.clear();
    m_records.clear();
}

bool CDbaseDoc::Reread() {
    return Read(GetPathName().str());
}

bool CDbaseDoc::Read(const std::string& path) {
    DbaseTable table;
    std::string whyNot;
    if (!table.Open(path, &whyNot)) {
        AfxMessageBox((whyNot + ".").c_str(), MB_ICONHAND);
        return false;
    }
    std::vector<std::string> fields;
    for (int field = 0; field < table.FieldCount(); ++field) {
        fields.push_back(table.FieldName(field));
    }
    std::vector<std::vector<std::string>> records;
    for (int record = 0; record < table.RecordCount(); ++record) {
        records.emplace_back();
        for (int field = 0; field < table.FieldCount(); ++field) {
            records.back().push_back(table.ReadText(record, field));
        }
    }
    m_fields = std::move(fields);
    m_records = std::move(records);
    return true;
}
