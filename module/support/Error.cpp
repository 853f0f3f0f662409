#include "Error.h"
#include "classlib/MessageBox.h"

namespace
{
// "Undefined error: the resources hold no error string with the given ID", in Japanese, as
// Shift-JIS bytes: shown when the message itself is missing from the string table.
const char kMissingMessageText[] = {
    '\x96', '\xA2', '\x92', '\xE8', '\x8B', '\x60', '\x82', '\xCC', '\x83', '\x47', '\x83', '\x89',
    '\x81', '\x5B', '\x21', '\x83', '\x8A', '\x83', '\x5C', '\x81', '\x5B', '\x83', '\x58', '\x82',
    '\xC9', '\x8E', '\x77', '\x92', '\xE8', '\x49', '\x44', '\x82', '\xCC', '\x83', '\x47', '\x83',
    '\x89', '\x81', '\x5B', '\x95', '\xB6', '\x8E', '\x9A', '\x97', '\xF1', '\x82', '\xAA', '\x82',
    '\xA0', '\x82', '\xE8', '\x82', '\xDC', '\x82', '\xB9', '\x82', '\xF1', '\0'};
static_assert(sizeof kMissingMessageText == 57 + 1, "57 bytes and the terminator");

CString LoadParameter(int nParamBase, int nParam)
{
    CString strText;
    if (nParam >= 0)
    {
        strText.LoadString(static_cast<UINT>(nParamBase + nParam));
    }
    return strText;
}
} // namespace

CError::CError(int nMsgBase, int nParamBase) : m_nMsgBase(nMsgBase), m_nParamBase(nParamBase) {}

void CError::SetBases(int nMsgBase, int nParamBase)
{
    m_nMsgBase = nMsgBase;
    m_nParamBase = nParamBase;
}

int CError::ShowMessage(int nMsg, int nParam1, int nParam2, LPCSTR pszPrefix, LPCSTR pszSuffix,
                        LPCSTR pszCaption, UINT nType)
{
    if (nMsg < 0)
    {
        return IDCANCEL;
    }
    const CString strParam1 = LoadParameter(m_nParamBase, nParam1);
    const CString strParam2 = LoadParameter(m_nParamBase, nParam2);
    CString strMessage;
    AfxFormatString2(strMessage, static_cast<UINT>(m_nMsgBase + nMsg), strParam1, strParam2);
    if (strMessage.IsEmpty())
    {
        strMessage = kMissingMessageText;
    }
    const CString strText = CString(pszPrefix) + strMessage + pszSuffix;
    nType |= MB_TASKMODAL | MB_SETFOREGROUND;
    if (pszCaption != nullptr)
    {
        return MessageBoxA(nullptr, strText, pszCaption, nType);
    }
    return AfxMessageBox(strText, nType, 0);
}
