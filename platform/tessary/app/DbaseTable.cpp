#include "platform/tessary/app/DbaseTable.h"

#include <shapefil.h>
#include <strings.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

// Set by the file hooks when a write or flush falls short; read after each change.
bool g_ioFailed = false;

SAOffset CheckedWrite(void* data, SAOffset size, SAOffset count, SAFile file) {
    const SAOffset written = std::fwrite(data, size, count, reinterpret_cast<FILE*>(file));
    if (written != count) {
        g_ioFailed = true;
    }
    return written;
}

int CheckedFlush(SAFile file) {
    const int result = std::fflush(reinterpret_cast<FILE*>(file));
    if (result != 0) {
        g_ioFailed = true;
    }
    return result;
}

// The library's own messages go to stderr; ours say why in the caller's words.
void Silent(const char*) {}

SAHooks Hooks() {
    SAHooks hooks;
    SASetupDefaultHooks(&hooks);
    hooks.FWrite = CheckedWrite;
    hooks.FFlush = CheckedFlush;
    hooks.Error = Silent;
    return hooks;
}

DBFHandle Dbf(void* handle) {
    return static_cast<DBFHandle>(handle);
}

void Explain(std::string* whyNot, std::string text) {
    if (whyNot) {
        *whyNot = std::move(text);
    }
}

// The library picks the file by its extension, so another name would reach another file.
bool HasDbaseExtension(const std::string& path, std::string* whyNot) {
    const std::string extension = std::filesystem::path(path).extension().string();
    if (strcasecmp(extension.c_str(), ".dbf") == 0) {
        return true;
    }
    Explain(whyNot, "the name of a dBASE table ends in .dbf");
    return false;
}

} // namespace

DbaseTable::~DbaseTable() {
    Close();
}

bool DbaseTable::Open(const std::string& path, std::string* whyNot) {
    Close();
    std::error_code error;
    if (!HasDbaseExtension(path, whyNot)) {
        return false;
    }
    if (!std::filesystem::is_regular_file(path, error)) {
        Explain(whyNot, "there is no such file");
        return false;
    }
    SAHooks hooks = Hooks();
    errno = 0;
    m_handle = DBFOpenLL(path.c_str(), "rb+", &hooks);
    if (!m_handle) {
        Explain(whyNot, errno == EACCES || errno == EROFS ? std::strerror(errno)
                                                          : "it is not a dBASE table");
        return false;
    }
    m_path = path;
    return true;
}

bool DbaseTable::Create(const std::string& path, const std::vector<DbaseField>& fields,
                        std::string* whyNot) {
    Close();
    if (!HasDbaseExtension(path, whyNot)) {
        return false;
    }
    SAHooks hooks = Hooks();
    errno = 0;
    m_handle = DBFCreateLL(path.c_str(), "LDID/87", &hooks);
    if (!m_handle) {
        Explain(whyNot, errno ? std::strerror(errno) : "the table cannot be made");
        return false;
    }
    m_path = path;
    for (const DbaseField& field : fields) {
        const int decimals = field.type == 'C' ? 0 : field.decimals;
        if (DBFAddNativeFieldType(Dbf(m_handle), field.name.c_str(), field.type, field.width,
                                  decimals) < 0) {
            Close();
            Explain(whyNot, "the field " + field.name + " cannot be made");
            return false;
        }
    }
    if (!Flush()) {
        Close();
        Explain(whyNot, "the table cannot be written");
        return false;
    }
    return true;
}

void DbaseTable::Close() {
    if (m_handle) {
        DBFClose(Dbf(m_handle));
        m_handle = nullptr;
    }
    m_path.clear();
}

int DbaseTable::FieldCount() const {
    return m_handle ? DBFGetFieldCount(Dbf(m_handle)) : 0;
}

std::optional<DbaseField> DbaseTable::Field(int index) const {
    if (index < 0 || index >= FieldCount()) {
        return std::nullopt;
    }
    char name[XBASE_FLDNAME_LEN_READ + 1] = {};
    int width = 0;
    int decimals = 0;
    DBFGetFieldInfo(Dbf(m_handle), index, name, &width, &decimals);
    return DbaseField{name, DBFGetNativeFieldType(Dbf(m_handle), index), width, decimals};
}

std::string DbaseTable::FieldName(int index) const {
    const auto field = Field(index);
    return field ? field->name : std::string();
}

int DbaseTable::RecordCount() const {
    return m_handle ? DBFGetRecordCount(Dbf(m_handle)) : 0;
}

std::string DbaseTable::ReadText(int record, int field) const {
    if (!m_handle || record < 0 || record >= RecordCount() || field < 0 || field >= FieldCount() ||
        DBFIsAttributeNULL(Dbf(m_handle), record, field)) {
        return {};
    }
    std::string text = DBFReadStringAttribute(Dbf(m_handle), record, field);
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

bool DbaseTable::Append(const std::vector<DbaseValue>& values) {
    if (!m_handle) {
        return false;
    }
    const int record = RecordCount();
    g_ioFailed = false;
    bool written = true;
    for (int field = 0; field < FieldCount(); ++field) {
        const DbaseValue blank;
        const DbaseValue& value = field < static_cast<int>(values.size()) ? values[field] : blank;
        const auto stored = Field(field);
        if (const auto* text = std::get_if<std::string>(&value); text && stored->type == 'C') {
            const std::string cut = text->substr(0, static_cast<std::size_t>(stored->width));
            written &= DBFWriteStringAttribute(Dbf(m_handle), record, field, cut.c_str()) != 0;
        } else if (const auto* number = std::get_if<double>(&value);
                   number && stored->type != 'C') {
            written &= DBFWriteDoubleAttribute(Dbf(m_handle), record, field, *number) != 0;
        } else {
            written &= DBFWriteNULLAttribute(Dbf(m_handle), record, field) != 0;
        }
    }
    // Writing the record itself happens when the library moves off it.
    return written && Flush();
}

bool DbaseTable::Flush() {
    if (!m_handle) {
        return false;
    }
    g_ioFailed = false;
    DBFUpdateHeader(Dbf(m_handle));
    return !g_ioFailed;
}
