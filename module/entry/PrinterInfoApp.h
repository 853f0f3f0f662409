// The module's application object: title and help file for the dialog, help routing, and the
// model index of the current call.
#pragma once

#include "classlib/Afx.h"

// Every help request with a context opens this topic.
constexpr DWORD HELP_TOPIC_PRINTER_INFO = 0x1300;

class CPrinterInfoApp : public CWinApp
{
public:
    CPrinterInfoApp();
    ~CPrinterInfoApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

    // Row of the supported-model table for the current call, -1 for none.
    int g_nModelIndex;

    DECLARE_MESSAGE_MAP()
};

extern CPrinterInfoApp theApp;
