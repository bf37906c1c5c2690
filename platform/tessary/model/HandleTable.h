#pragma once
// The one table from 32-bit object handles to live objects. Handles count up from 1 and none is
// issued again before the 32-bit count wraps, so a stale handle finds nothing, not another object.

#include <cstdint>

class Object;

namespace hb::tessary {

std::uint32_t IssueHandle(Object* object);
void ReleaseHandle(std::uint32_t handle);
Object* LookUpHandle(std::uint32_t handle);

// Forgets every registration (objects still alive then resolve to null); the count goes on.
void ResetHandleTable();

} // namespace hb::tessary
