#include "resources/pellam/PellamTables.h"

#include "resources/ResourceIds.h"
#include "resources/pellam/PellamForms.h"

namespace hb::resources {

namespace {

std::vector<DialogTemplate> AllForms() {
    std::vector<DialogTemplate> forms;
    const auto add = [&forms](std::vector<DialogTemplate> more) {
        forms.insert(forms.end(), std::make_move_iterator(more.begin()),
                     std::make_move_iterator(more.end()));
    };
    add(GenericReceiverForms());
    add(OptoForms());
    add(PcrForms());
    add(RSeriesForms());
    add({Nrd535Form()});
    add(TrunkTrackerForms());
    add({AudioPlayerForm(), CustomizeToolsForm()});
    add(SparePanelForms());
    return forms;
}

} // namespace

hb::afx::ResourceTables PellamTables() {
    const hb::win::ModuleVersion version{{9, 1, 4, 17}};
    return {
        .dialogs = AllForms(),
        .strings = {{IDS_RESET_HIT_HISTORY, "Reset air time, hit count and recent log history."},
                    {IDS_NEW_FILE, "New File"},
                    {IDS_PRINT, "Print"},
                    {IDS_PREVIEW, "Preview"},
                    {IDS_CLEAR, "Clear"}},
        .bitmaps = {{IDB_IMAGES_10,
                     160,
                     16,
                     10,
                     {"new-file", "open", "save", "print", "print-preview", "cut", "copy", "paste",
                      "clear", "help"}},
                    {IDB_IMAGES_17,
                     272,
                     16,
                     17,
                     {"new-file", "open", "save", "print", "print-preview", "cut", "copy", "paste",
                      "undo", "search", "select-all", "insert-row", "delete-rows", "clear",
                      "history", "key-lock-out", "help"}}},
        .version = hb::afx::VersionResource{.fileVersion = version,
                                            .productVersion = version,
                                            .fileDescription = "English Resources",
                                            .productName = "English Resources"},
    };
}

} // namespace hb::resources
