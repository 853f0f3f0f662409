// The capture printer: a printer whose jobs the tests can read back. Under Wine it is a printer
// of the test prefix (tests/rawprint/capture-printer.reg) whose pipe port appends every job to
// the file that the environment variable SPOOL_CAPTURE names; on the host it is a printer of the
// simulated spooler.
#pragma once

#include "platform/Win32Api.h"

#include <vector>

class SpoolCapture
{
public:
    // The name under which capture-printer.reg registers the printer.
    static constexpr char PRINTER_NAME[] = "QZ Raw Capture";

    // Starts from an empty capture; false when there is nowhere to capture to.
    static bool Clear();
    // Every byte the printer received since Clear, in order.
    static std::vector<BYTE> Bytes();
};
