#pragma once
// A dBASE (.dbf) table read and appended to through shapelib: the activity log's database. Only
// what the log needs: create a table from its fields, open one, read the fields as stored and
// append records. Field names keep their case; a character field is stored with 0 decimals.

#include <optional>
#include <string>
#include <variant>
#include <vector>

struct DbaseField {
    std::string name; // at most 10 characters
    char type = 'C';  // 'C' text, 'N' number
    int width = 0;
    int decimals = 0;

    bool operator==(const DbaseField&) const = default;
};

// One value of a record: blank, a text (character fields) or a number (numeric fields).
using DbaseValue = std::variant<std::monostate, std::string, double>;

class DbaseTable {
public:
    DbaseTable() = default;
    DbaseTable(const DbaseTable&) = delete;
    DbaseTable& operator=(const DbaseTable&) = delete;
    ~DbaseTable();

    // Opens an existing table for reading and appending. The name must end in ".dbf" (either
    // case): the library picks the file by that extension. On failure *whyNot says why.
    bool Open(const std::string& path, std::string* whyNot);
    // Creates a new table, replacing any file of the name, and keeps it open.
    bool Create(const std::string& path, const std::vector<DbaseField>& fields,
                std::string* whyNot);
    void Close();
    bool IsOpen() const { return m_handle != nullptr; }
    const std::string& Path() const { return m_path; }

    int FieldCount() const;
    // The field as stored; nothing when there is no such field.
    std::optional<DbaseField> Field(int index) const;
    std::string FieldName(int index) const;
    int RecordCount() const;
    // The stored text of a field, blanks trimmed; empty when there is no such value.
    std::string ReadText(int record, int field) const;

    // Appends one record, a value per field in order; texts longer than their field are cut.
    // False when the record could not be written in full.
    bool Append(const std::vector<DbaseValue>& values);
    // Puts the record count in the header and the records on the disk.
    bool Flush();

private:
    // The library's handle; its type is an unnamed struct, so not declared here.
    void* m_handle = nullptr;
    std::string m_path;
};
