#pragma once

namespace hb::afx {

// Frees the temporary objects FromHandle made (windows, drawing objects, DCs, image lists). The
// idle loop calls it: a temporary object is not kept past the message that asked for it.
void DeleteTempMap();

// Back to the start state for the next test, after the window layer's reset has destroyed every
// window and the modules are unloaded: temporary objects, the permanent map, the template, string
// and bitmap lookups, the modal scripts and the modal log, the print hook and log, and the resource
// chain (extension libraries still in it are deleted; the program's registered resources stay), and
// the child windows told to fail.
void ResetForTests();

} // namespace hb::afx
