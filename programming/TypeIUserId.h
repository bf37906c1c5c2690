#pragma once
// The text a trunk scanner is given for a talkgroup or user ID: a Motorola Type I ID as block,
// fleet and subfleet laid out by its fleet's size code, any other ID as a six-digit number.
#include "platform/records/UserId.h"

#include <string>

class Bank;

// Keeps only the low four bits of the record's size code, in the record itself.
std::string FormatTypeIUserId(hb::records::UserId& id, const Bank& bank);
