// The measurement programs' printer: the simulator's default variant and profile in front of
// the search path, without a call log.
#pragma once

// Puts <build>/sim/default in front of PATH; the programs live in <build>/bin.
void UseSimulatedPrinter();
