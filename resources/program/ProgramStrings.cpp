// The program's strings: its title, the user manual and the document template strings. A
// template string holds, separated by "\n": window title, document name, name for File New,
// filter name, filter extension, registry type id and registry type name.
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

hb::afx::StringResource FileTemplate(UINT id, const std::string& name, const std::string& filter,
                                     const std::string& extension, const std::string& typeName) {
    const std::string typeId = "HalbridgePro." + std::string(extension.substr(1));
    return {id, "\n" + name + "\n" + name + "\n" + filter + " (*" + extension + ")\n" + extension +
                    "\n" + typeId + "\n" + typeName};
}

// A template of windows without files: names only.
hb::afx::StringResource NameTemplate(UINT id, const std::string& name) {
    return {id, "\n" + name + "\n\n\n\n\n" + name};
}

} // namespace

std::vector<hb::afx::StringResource> ProgramStrings() {
    return {
        {IDS_PRODUCT_NAME, "Halbridge Pro"},
        {IDS_USER_MANUAL, "User Manual"},
        {IDS_NO_DSP, "This radio has no DSP unit, so DSP stays off."},
        {ID_GRID_FIND_TEXT, "Find text"},
        FileTemplate(IDR_GROUP, "Group", "Group Files", ".swg", "Group"),
        FileTemplate(IDR_RANGE, "Search Range", "Search Range Files", ".swr", "Search Range"),
        FileTemplate(IDR_RADIO, "Scan List", "Scan List Files", ".sws", "Scan List"),
        NameTemplate(IDR_SCANNER_MANAGER, "PRO-96 V Scanner Manager"),
        NameTemplate(IDR_PROGRAMMING_MANAGER, "Radio Programming Manager"),
        NameTemplate(IDR_WEB_GRABBER, "Web Grabber"),
        FileTemplate(IDR_SPECTRUM_ANALYZER, "Spectrum Analyzer", "Spectrum Analyzer Files", ".swa",
                     "Spectrum Analysis"),
        NameTemplate(IDR_AUDIO_PLAYER, "Audio Player"),
        FileTemplate(IDR_BAND_SCOPE, "Band Scope", "Band Scope Files", ".swv", "Band Scope"),
        FileTemplate(IDR_DATABASE_XBASE, "DBase", "DBase Files", ".dbf", "DBase Database"),
        FileTemplate(IDR_DATABASE_EXCEL, "Excel", "Excel Files", ".xls", "Excel Spreadsheet"),
        FileTemplate(IDR_DATABASE_LOTUS, "Lotus 123", "Lotus 123 Files", ".wk1",
                     "Lotus 123 Spreadsheet"),
        FileTemplate(IDR_DATABASE_PARADOX, "Paradox", "Paradox Files", ".db", "Paradox Database"),
        FileTemplate(IDR_DATABASE_JET, "Access", "Access Files", ".mdb", "Access Database"),
    };
}

} // namespace hb::resources
