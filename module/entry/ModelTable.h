// The supported-model table: one printer model sold under two names.
#pragma once

#include "platform/Win32Api.h"

constexpr int MODEL_NAME_FIELD = 48;
constexpr int MODEL_COUNT = 2;

extern const char g_szModelNames[MODEL_COUNT][MODEL_NAME_FIELD];

// Sets the application's g_nModelIndex to the row whose name equals pszModelName without regard
// to case, or to -1; returns 1 when a row matched.
BOOL FindModelIndex(LPCSTR pszModelName);
