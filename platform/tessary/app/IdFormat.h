#pragma once
// The user's choice of how trunked-system IDs show.

// Asks for the Motorola and EDACS ID styles (modal); OK makes them the current styles and stores
// them in "Settings"/"MotorolaIDFormat" and "EDACSIDFormat", Cancel changes nothing.
void scan_select_id_format();
