// The Win32 subset that the module, the class library and the simulator use. On Windows this is
// the real API; on the Linux host it is our own layer in platform/host, with the same names and
// the same semantics for what the module relies on.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <winspool.h>
#else
#include "host/HostKernel.h"
#include "host/HostResource.h"
#include "host/HostSpooler.h"
#include "host/HostTypes.h"
#include "host/HostUser.h"
#endif
