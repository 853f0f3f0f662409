// What the suites of the bidirectional link share: profile texts, records and the checks of
// the call log that every session must pass.
#pragma once

#include "SimulatorScope.h"
#include "module/entry/PrinterInf.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

// Profile lines joined into one profile text.
std::string ProfileText(std::initializer_list<std::string> lines);

// The default printer's texts (simulator/profiles/default.profile).
extern const char* const kQxDeviceId;
extern const char* const kQxExtendedReply; // the status reply of channel 0x10010003
extern const char* const kQxBasicReply;    // the status reply of channel 0x10000003
// The profile lines of the default printer, without its channels.
std::string QxPrinterLines();

// A record as the printer path hands it to the status query (ID values wanted, options as
// asked), every other field set to a pattern that shows whether it was touched.
PRINTER_INF RequestRecord(bool bOptions);

// The six ID values of the default printer and of simulator/profiles/vj-8200q.profile.
void ExpectQxIds(const PRINTER_INF& inf);
void ExpectVj8200qIds(const PRINTER_INF& inf);

// The log of a finished session (or of several nested ones) ends with the library unloaded, and
// every KWInitialize that initialised was released; with bChannelsClosed, no channel was left
// open in the library.
void ExpectReleasedAndUnloaded(const SimulatorScope& sim, bool bChannelsClosed = true);
// How many entries of Calls() are the given one.
int CountCalls(const SimulatorScope& sim, const std::string& call);
