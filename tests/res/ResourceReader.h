// Reads the program's compiled resources through the resource functions of the platform, the
// same way on Windows and on the host: strings per language, dialog templates, the version.
#pragma once

#include "platform/Win32Api.h"

#include <string>
#include <vector>

// String nID of language wLanguage as UTF-16; false when it is not there.
bool LoadStringInLanguage(UINT nID, WORD wLanguage, std::u16string& text);

struct DialogItem
{
    DWORD dwStyle;
    DWORD dwExStyle;
    short x, y, cx, cy;
    DWORD dwId;
    std::u16string className; // atoms as their class names: Button, Edit, Static; any case
    std::u16string title;
};

struct DialogTemplate
{
    DWORD dwStyle;
    DWORD dwExStyle;
    short x, y, cx, cy;
    std::u16string title;
    WORD wPointSize;
    std::u16string typeface;
    std::vector<DialogItem> items;
};

// Parses the extended dialog template nID of language wLanguage.
bool LoadDialogTemplate(UINT nID, WORD wLanguage, DialogTemplate& dialog);

// The file and product versions of the version resource, as (MS, LS) pairs.
bool LoadFixedVersion(DWORD& dwFileMS, DWORD& dwFileLS, DWORD& dwProductMS, DWORD& dwProductLS);

std::u16string U16(const char* pszLatin1);
