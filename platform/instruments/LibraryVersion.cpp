// The version the program's start-up checks the instrument controls for.
#include "platform/win/sys/ModuleVersion.h"

HB_MODULE_VERSION(3, 0, 6, 376);
