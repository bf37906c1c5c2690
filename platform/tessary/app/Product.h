#pragma once
// What a program built on the core library tells it about itself at set-up: its maker, its
// version and the two numbers the radio engine knows the product by.

#include <cstdint>

struct product {
    const char* maker = "";
    std::uint8_t version[4] = {};
    std::uint16_t ids[2] = {};
};
