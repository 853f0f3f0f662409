// The class library's application message box and its two-placeholder formatter.
#pragma once

#include "String.h"

// Shows lpszText with the application's title as caption and the main window as owner.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same with string nIDPrompt of the module's string table.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

// rString = string nIDS (at most 255 characters) with every "%1" replaced by lpsz1 and every
// "%2" by lpsz2; other '%' sequences stay as they are. A missing string leaves rString empty.
void AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2);
