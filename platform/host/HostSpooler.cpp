#include "HostSpooler.h"
#include "HostKernel.h"
#include "HostSpoolerLog.h"

#include <cstdint>
#include <map>
#include <set>
#include <strings.h>

namespace
{
struct OpenPrinterState
{
    std::string printerName; // as the printer was added
    bool bDocument = false;
    std::vector<BYTE> document; // bytes of the open document
};

struct SpoolerState
{
    std::vector<std::string> printers;
    std::map<HANDLE, OpenPrinterState> handles;
    std::map<std::string, std::vector<BYTE>> output;
    std::vector<HostSpoolerCall> calls;
    std::set<size_t> failAt;
    std::set<HostSpoolerFunction> failFunctions;
    uintptr_t nHandles = 0;
    DWORD dwJobs = 0;

    // Whether the call about to be recorded is one that a test made fail.
    bool PlannedFailure(HostSpoolerFunction function) const
    {
        return failAt.count(calls.size()) != 0 || failFunctions.count(function) != 0;
    }
};

SpoolerState& State()
{
    static SpoolerState state;
    return state;
}

const std::string* FindPrinter(const char* pszName)
{
    for (const std::string& name : State().printers)
    {
        if (strcasecmp(name.c_str(), pszName) == 0)
        {
            return &name;
        }
    }
    return nullptr;
}

OpenPrinterState* FindHandle(HANDLE hPrinter)
{
    auto it = State().handles.find(hPrinter);
    return it != State().handles.end() ? &it->second : nullptr;
}

HostSpoolerCall NewCall(HostSpoolerFunction function, HANDLE hPrinter)
{
    HostSpoolerCall call{};
    call.function = function;
    call.hPrinter = hPrinter;
    return call;
}

DWORD RecordResult(HostSpoolerCall& call, DWORD dwResult)
{
    call.dwResult = dwResult;
    State().calls.push_back(std::move(call));
    return dwResult;
}

BOOL Record(HostSpoolerCall& call, bool bSucceeded)
{
    RecordResult(call, bSucceeded ? 1 : 0);
    return bSucceeded ? TRUE : FALSE;
}

std::optional<std::string> OptionalText(LPCSTR psz)
{
    return psz ? std::optional<std::string>(psz) : std::nullopt;
}

// The open document of a handle for the page and write calls, or null with the last error set.
OpenPrinterState* DocumentOf(HANDLE hPrinter)
{
    OpenPrinterState* pPrinter = FindHandle(hPrinter);
    if (pPrinter == nullptr)
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (!pPrinter->bDocument)
    {
        SetLastError(ERROR_SPL_NO_STARTDOC);
        return nullptr;
    }
    return pPrinter;
}
} // namespace

void HostResetSpooler()
{
    SpoolerState& state = State();
    state.printers.clear();
    state.handles.clear();
    state.output.clear();
    state.calls.clear();
    state.failAt.clear();
    state.failFunctions.clear();
}

void HostAddPrinter(const char* pszName)
{
    State().printers.emplace_back(pszName);
}

const std::vector<HostSpoolerCall>& HostSpoolerCalls()
{
    return State().calls;
}

std::vector<BYTE> HostPrinterOutput(const char* pszName)
{
    const std::string* pName = FindPrinter(pszName);
    if (pName == nullptr)
    {
        return {};
    }
    auto it = State().output.find(*pName);
    return it != State().output.end() ? it->second : std::vector<BYTE>();
}

size_t HostOpenPrinterCount()
{
    return State().handles.size();
}

void HostFailSpoolerCallAt(size_t nIndex)
{
    State().failAt.insert(nIndex);
}

void HostFailSpoolerFunction(HostSpoolerFunction function)
{
    State().failFunctions.insert(function);
}

// cppcheck-suppress constParameter ; the Win32 signature
BOOL OpenPrinterA(LPSTR pPrinterName, LPHANDLE phPrinter, LPPRINTER_DEFAULTSA pDefault)
{
    SpoolerState& state = State();
    HostSpoolerCall call = NewCall(HostSpoolerFunction::OpenPrinterA, nullptr);
    call.printerName = pPrinterName ? pPrinterName : "";
    call.bDefaults = pDefault != nullptr;
    const std::string* pName = pPrinterName ? FindPrinter(pPrinterName) : nullptr;
    if (state.PlannedFailure(call.function))
    {
        SetLastError(ERROR_GEN_FAILURE);
        return Record(call, false);
    }
    if (phPrinter == nullptr)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return Record(call, false);
    }
    if (pName == nullptr)
    {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return Record(call, false);
    }
    // Distinct, never-null values that no test mistakes for memory.
    HANDLE hPrinter = reinterpret_cast<HANDLE>(0x10000 + 4 * ++state.nHandles);
    state.handles[hPrinter].printerName = *pName;
    *phPrinter = hPrinter;
    call.hPrinter = hPrinter;
    return Record(call, true);
}

DWORD StartDocPrinterA(HANDLE hPrinter, DWORD Level, LPBYTE pDocInfo)
{
    SpoolerState& state = State();
    HostSpoolerCall call = NewCall(HostSpoolerFunction::StartDocPrinterA, hPrinter);
    call.dwLevel = Level;
    if (Level == 1 && pDocInfo != nullptr)
    {
        const DOC_INFO_1A* pInfo = reinterpret_cast<const DOC_INFO_1A*>(pDocInfo);
        call.docName = OptionalText(pInfo->pDocName);
        call.outputFile = OptionalText(pInfo->pOutputFile);
        call.datatype = OptionalText(pInfo->pDatatype);
    }
    OpenPrinterState* pPrinter = FindHandle(hPrinter);
    if (state.PlannedFailure(call.function))
    {
        SetLastError(ERROR_GEN_FAILURE);
        return RecordResult(call, 0);
    }
    if (pPrinter == nullptr)
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return RecordResult(call, 0);
    }
    if (Level != 1)
    {
        SetLastError(ERROR_INVALID_LEVEL);
        return RecordResult(call, 0);
    }
    if (pDocInfo == nullptr)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return RecordResult(call, 0);
    }
    if (pPrinter->bDocument)
    {
        SetLastError(ERROR_INVALID_PRINTER_STATE);
        return RecordResult(call, 0);
    }
    pPrinter->bDocument = true;
    pPrinter->document.clear();
    return RecordResult(call, ++state.dwJobs);
}

BOOL StartPagePrinter(HANDLE hPrinter)
{
    HostSpoolerCall call = NewCall(HostSpoolerFunction::StartPagePrinter, hPrinter);
    if (State().PlannedFailure(call.function))
    {
        SetLastError(ERROR_GEN_FAILURE);
        return Record(call, false);
    }
    return Record(call, DocumentOf(hPrinter) != nullptr);
}

BOOL WritePrinter(HANDLE hPrinter, LPVOID pBuf, DWORD cbBuf, LPDWORD pcWritten)
{
    HostSpoolerCall call = NewCall(HostSpoolerFunction::WritePrinter, hPrinter);
    const BYTE* pBytes = static_cast<const BYTE*>(pBuf);
    if (pBytes != nullptr)
    {
        call.data.assign(pBytes, pBytes + cbBuf);
    }
    if (State().PlannedFailure(call.function))
    {
        SetLastError(ERROR_GEN_FAILURE);
        return Record(call, false);
    }
    if (pcWritten == nullptr || (pBytes == nullptr && cbBuf != 0))
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return Record(call, false);
    }
    OpenPrinterState* pPrinter = DocumentOf(hPrinter);
    if (pPrinter == nullptr)
    {
        return Record(call, false);
    }
    pPrinter->document.insert(pPrinter->document.end(), call.data.begin(), call.data.end());
    *pcWritten = cbBuf;
    return Record(call, true);
}

BOOL EndPagePrinter(HANDLE hPrinter)
{
    HostSpoolerCall call = NewCall(HostSpoolerFunction::EndPagePrinter, hPrinter);
    if (State().PlannedFailure(call.function))
    {
        SetLastError(ERROR_GEN_FAILURE);
        return Record(call, false);
    }
    return Record(call, DocumentOf(hPrinter) != nullptr);
}

BOOL EndDocPrinter(HANDLE hPrinter)
{
    HostSpoolerCall call = NewCall(HostSpoolerFunction::EndDocPrinter, hPrinter);
    if (State().PlannedFailure(call.function))
    {
        SetLastError(ERROR_GEN_FAILURE);
        return Record(call, false);
    }
    OpenPrinterState* pPrinter = DocumentOf(hPrinter);
    if (pPrinter == nullptr)
    {
        return Record(call, false);
    }
    std::vector<BYTE>& output = State().output[pPrinter->printerName];
    output.insert(output.end(), pPrinter->document.begin(), pPrinter->document.end());
    pPrinter->bDocument = false;
    pPrinter->document.clear();
    return Record(call, true);
}

// A document still open when its handle closes is abandoned, as a job that was never ended.
BOOL ClosePrinter(HANDLE hPrinter)
{
    HostSpoolerCall call = NewCall(HostSpoolerFunction::ClosePrinter, hPrinter);
    if (State().PlannedFailure(call.function))
    {
        SetLastError(ERROR_GEN_FAILURE);
        return Record(call, false);
    }
    if (State().handles.erase(hPrinter) == 0)
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return Record(call, false);
    }
    return Record(call, true);
}
