#include "PrinterInfoApp.h"

CPrinterInfoApp theApp;

BEGIN_MESSAGE_MAP(CPrinterInfoApp, CWinApp)
ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CPrinterInfoApp::CPrinterInfoApp() : g_nModelIndex(-1) {}

CPrinterInfoApp::~CPrinterInfoApp() = default;

BOOL CPrinterInfoApp::InitInstance()
{
    return CWinApp::InitInstance();
}

int CPrinterInfoApp::ExitInstance()
{
    return CWinApp::ExitInstance();
}

void CPrinterInfoApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    // The help file has one topic for the whole module.
    if (dwData != 0)
    {
        dwData = HELP_TOPIC_PRINTER_INFO;
        nCmd = HELP_CONTEXT;
    }
    CWinApp::WinHelp(dwData, nCmd);
}
