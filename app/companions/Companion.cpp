// A file the program's start-up expects beside it, with nothing in it but its version record: the
// start-up reads the record and may load the library, but calls nothing in it.
#include "platform/win/sys/ModuleVersion.h"

// The version comes from the build as "a,b,c,d"; this expands it into the four parts.
#define HB_COMPANION_RECORD(version) HB_MODULE_VERSION(version)

HB_COMPANION_RECORD(HB_COMPANION_VERSION);
