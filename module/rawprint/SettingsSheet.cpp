#include "SettingsSheet.h"
#include "RawPrinter.h"
#include "classlib/AfxMemory.h"

#include <cstring>

namespace
{
// Texts are measured as texts: their terminators are not sent.
const char SHEET_HEADING[] = "Printer ID\r\n";

// ESC ( R with its 16-bit little-endian count 8, then a zero byte and "REMOTE1".
constexpr DWORD REMOTE_MODE_ENTRY_LENGTH = 13;
const BYTE REMOTE_MODE_ENTRY[REMOTE_MODE_ENTRY_LENGTH] = {0x1B, 0x28, 0x52, 0x08, 0x00, 0x00, 'R',
                                                          'E',  'M',  'O',  'T',  'E',  '1'};

// Remote command AI with its 16-bit little-endian parameter count 3 and three zero parameters.
const struct
{
    BYTE abBytes[7];
    DWORD cbBytes;
} REMOTE_COMMAND_AI = {{'A', 'I', 0x03, 0x00, 0x00, 0x00, 0x00}, 7};

// ESC and three zero bytes.
const BYTE REMOTE_MODE_EXIT[] = {0x1B, 0x00, 0x00, 0x00};

const char FORM_FEED[] = "\f";

BYTE* Append(BYTE* pbTo, const void* pFrom, DWORD cb)
{
    std::memcpy(pbTo, pFrom, cb);
    return pbTo + cb;
}
} // namespace

CSettingsSheetBody::CSettingsSheetBody() : m_pbBody(nullptr), m_cbBody(0)
{
    const DWORD cbHeading = static_cast<DWORD>(lstrlenA(SHEET_HEADING));
    const DWORD cbFormFeed = static_cast<DWORD>(lstrlenA(FORM_FEED));
    const DWORD cbBody = cbHeading + REMOTE_MODE_ENTRY_LENGTH + REMOTE_COMMAND_AI.cbBytes +
                         sizeof(REMOTE_MODE_EXIT) + cbFormFeed;
    m_pbBody = static_cast<BYTE*>(AfxAlloc(cbBody));
    m_cbBody = cbBody;
    BYTE* pb = Append(m_pbBody, SHEET_HEADING, cbHeading);
    pb = Append(pb, REMOTE_MODE_ENTRY, REMOTE_MODE_ENTRY_LENGTH);
    pb = Append(pb, REMOTE_COMMAND_AI.abBytes, REMOTE_COMMAND_AI.cbBytes);
    pb = Append(pb, REMOTE_MODE_EXIT, sizeof(REMOTE_MODE_EXIT));
    Append(pb, FORM_FEED, cbFormFeed);
}

CSettingsSheetBody::~CSettingsSheetBody()
{
    AfxFree(m_pbBody);
}

BOOL PrintSettingsSheet(LPCSTR pszPrinterName)
{
    CRawPrinter printer;
    const CSettingsSheetBody body;
    return printer.SendJob(pszPrinterName, body.GetData(), body.GetLength());
}
