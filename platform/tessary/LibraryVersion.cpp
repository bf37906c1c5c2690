// The version the program's start-up checks the core library for.
#include "platform/win/sys/ModuleVersion.h"

HB_MODULE_VERSION(9, 1, 4, 17);
