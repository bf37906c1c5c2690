#pragma once
// What the radio views do with a hit's ID and a search hit: find the stored ID of a call, store
// an ID heard on a channel, and store a frequency a search range found.

#include "platform/records/UserId.h"
#include "platform/win/WinTypes.h"

#include <cstdint>

class CObjectDoc;
class Object;
class Radio;
class Range;
class Roster;
class UserIdEntry;
struct Log;

// The stored entry of the ID in the ID list of the bank that holds `object`, or null. *alarm gets
// the entry's alarm code and *recordField 0xFF when its calls are to be recorded (both 0 without
// an entry); either pointer may be null.
UserIdEntry* scan_format_user_details(Object* object, Roster* roster, const hb::records::UserId* id,
                                      BYTE* alarm, BYTE* recordField);

// Counts a call of the ID in the ID list of the bank that holds `object`, adding the ID when the
// list lacks it; lockOut 0xFF also locks the ID out. 1 when the ID was added, 0 when it was there
// already, negative when it cannot be stored (no bank, no ID).
int scan_store_active_id(Object* object, const hb::records::UserId* id, Roster* roster,
                         std::uint32_t airTime, BYTE lockOut);

// Stores the frequency of a search hit as a found channel of the range, when the range stores its
// hits and neither holds the frequency already nor is full (the radio's channel count, else 1000).
// A range that locks out its stored hits gets the channel locked out. 1 when stored, 0 when not,
// negative without a range or entry.
int scan_search_store(Range* range, const Log* entry, CObjectDoc* document, Radio* radio);
