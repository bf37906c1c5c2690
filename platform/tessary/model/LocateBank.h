#pragma once
// The bank an object belongs to: the object itself when it is a bank, else the nearest bank
// among its parents; null when it is in none.

class Bank;
class Object;

Bank* scan_locate_bank(Object* object);
