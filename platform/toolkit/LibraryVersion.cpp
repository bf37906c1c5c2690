// The version the program's start-up checks the toolkit for.
#include "platform/win/sys/ModuleVersion.h"

HB_MODULE_VERSION(13, 4, 0, 0);
