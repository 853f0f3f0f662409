// The simulator's view of the process environment and of its own file.
#pragma once

#include <string>

// The value of an environment variable; empty when it is not set.
std::string SimGetEnvironment(const char* pszName);
// The directory that holds the simulator's own file, with a trailing separator.
std::string SimOwnDirectory(void* hInstance);
