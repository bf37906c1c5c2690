#pragma once
// The machine's serial ports, for the radio configuration.

#include <string>
#include <vector>

class CGlobalRadioConfig {
public:
    // The serial devices present (ttyS*, ttyUSB* and ttyACM* in /dev), with any a test added, in
    // order of kind and then number ("/dev/ttyS2" before "/dev/ttyS10").
    static std::vector<std::string> EnumerateLocalComPorts();
};
