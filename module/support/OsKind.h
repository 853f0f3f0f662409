// Platform kinds: the Windows families and versions whose behaviour the module tells apart.
#pragma once

constexpr int OSKIND_WIN32S = 0;      // Win32s on 16-bit Windows
constexpr int OSKIND_WIN95 = 1;       // the 9x family, version 4.0
constexpr int OSKIND_WIN95_LATER = 2; // the 9x family above 4.0 (98, Me)
constexpr int OSKIND_NT = 3;          // every NT version not singled out below
constexpr int OSKIND_NT35 = 4;        // NT 3.5
constexpr int OSKIND_NT351 = 5;       // NT 3.51
constexpr int OSKIND_NT40 = 6;        // NT 4.0
