// Opens arbitrary bytes as an activity log's dBASE table and reads what the log's organisation
// check reads (every field as stored), then every value of the first records. Nothing may crash
// or read out of bounds, whatever the header claims.

#include "platform/tessary/app/DbaseTable.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

std::string ScratchTable() {
    return "/tmp/fuzz_dbase_" + std::to_string(::getpid()) + ".dbf";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = ScratchTable();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    DbaseTable table;
    if (table.Open(path, nullptr)) {
        const int fields = table.FieldCount();
        for (int i = 0; i < fields; ++i) {
            table.Field(i);
        }
        const int records = table.RecordCount() < 4 ? table.RecordCount() : 4;
        for (int record = 0; record < records; ++record) {
            for (int i = 0; i < fields; ++i) {
                table.ReadText(record, i);
            }
        }
    }
    return 0;
}
