// Resource identifiers of the module.
#pragma once

#define IDD_PRINTER_INFO 102

#define IDC_ID_GROUP 1000
#define IDC_ID1 1001
#define IDC_ID2 1002
#define IDC_ID3 1003
#define IDC_ID4 1004
#define IDC_ID5 1005
#define IDC_ID6 1006
#define IDC_ID_LABEL 1007
#define IDC_SETTINGS_SHEET 1008
#define IDC_MESSAGE 1009
#define IDC_DASH1 1010
#define IDC_DASH2 1011
#define IDC_DASH3 1012
#define IDC_DASH4 1013
#define IDC_DASH5 1014

#define IDS_ERROR_CAPTION 100
#define IDS_ENTER_AFTER_SHEET 101
#define IDS_ALREADY_SAVED 102

// CError addresses messages and their parameters as offsets from these bases.
#define IDS_MESSAGE_BASE 50000
#define IDS_PARAMETER_BASE 51000
#define IDS_MSG_INCOMPATIBLE_PRINTER 50000
#define IDS_MSG_ID_RANGE 50100
#define IDS_PARAM_ID_MIN 51000
#define IDS_PARAM_ID_MAX 51001
