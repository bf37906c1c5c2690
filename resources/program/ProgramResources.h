#pragma once
// The program's own resources: menus, the main tool bar, accelerators, icons, images, strings
// with the document template strings, and the dialogs of the shell. The program registers them
// as its module at start (hb::afx::ProgramResources); tests register them for a test.
#include "platform/afx/res/ResourceTables.h"

const hb::afx::ResourceTables& ProgramResourceTables();
