// Command and string identifiers of the class library. The strings live in
// classlib/res/ClassLibStrings.rc, which every module's resource script includes.
#pragma once

#define ID_HELP 0xE146 // 57670: the help command and the dialogs' "?" button

#define AFX_IDS_APP_TITLE 0xE000             // 57344: application title; absent in our module
#define AFX_IDP_FAILED_TO_LAUNCH_HELP 0xF107 // 61703
#define AFX_IDP_INTERNAL_FAILURE 0xF108      // 61704
#define AFX_IDP_PARSE_INT_RANGE 0xF112       // 61714
#define AFX_IDP_PARSE_UINT 0xF117            // 61719

// Help contexts of dialogs are this base plus the template's resource number.
#define HID_BASE_RESOURCE 0x00020000UL
