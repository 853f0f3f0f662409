#include "StatusReplyParser.h"
#include "module/support/Misc.h"

namespace
{
constexpr DWORD KEY_LENGTH = 3;
constexpr BYTE ID_KEY[KEY_LENGTH] = {'C', 'W', ':'};
constexpr BYTE OPTION_KEY[KEY_LENGTH] = {'C', 'D', ':'};

constexpr DWORD ITEM_HEAD = KEY_LENGTH + 2; // the key and the two bytes not interpreted
constexpr DWORD VALUE_FIELD = 2;
constexpr DWORD ENTRY_FIRST_FIELD = 4;
constexpr DWORD ENTRY_LENGTH = ENTRY_FIRST_FIELD + 2 * VALUE_FIELD;

constexpr DWORD ID_ITEM_LENGTH = ITEM_HEAD + VALUE_FIELD * PRINTER_ID_COUNT;
constexpr DWORD OPTION1_OFFSET = ITEM_HEAD + ENTRY_LENGTH * OPTION_ENTRY_COUNT;
constexpr DWORD OPTION_ITEM_LENGTH = OPTION1_OFFSET + VALUE_FIELD;

// The first occurrence of the key, when its whole item lies inside the reply; null otherwise.
// A later occurrence would lie closer to the end, so the first one decides.
const BYTE* FindItem(CMisc& misc, const BYTE* pReply, DWORD cbReply, const BYTE* pKey, DWORD cbItem)
{
    const BYTE* pItem = nullptr;
    if (!misc.FindBytes(pReply, cbReply, pKey, KEY_LENGTH, &pItem))
    {
        return nullptr;
    }
    const DWORD cbLeft = cbReply - static_cast<DWORD>(pItem - pReply);
    return cbLeft >= cbItem ? pItem : nullptr;
}

char AsciiUpper(char ch)
{
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

// Whether a field's text (its bytes up to the first zero byte) is pszText, letter case aside.
bool FieldIs(const BYTE* pField, DWORD cbField, LPCSTR pszText)
{
    DWORD i = 0;
    for (; i < cbField && pField[i] != 0; ++i)
    {
        if (pszText[i] == '\0' || AsciiUpper(static_cast<char>(pField[i])) != pszText[i])
        {
            return false;
        }
    }
    return pszText[i] == '\0';
}

DWORD FieldValue(CMisc& misc, const BYTE* pField)
{
    if (FieldIs(pField, VALUE_FIELD, "NA"))
    {
        return 0;
    }
    char szText[VALUE_FIELD + 1] = {};
    for (DWORD i = 0; i < VALUE_FIELD && pField[i] != 0; ++i)
    {
        szText[i] = static_cast<char>(pField[i]);
    }
    DWORD dwValue = 0;
    return misc.HexToInt(szText, &dwValue) ? dwValue : 0;
}

DWORD CountAvailableEntries(const BYTE* pItem)
{
    DWORD nAvailable = 0;
    for (DWORD j = 1; j < OPTION_ENTRY_COUNT; ++j)
    {
        const BYTE* pEntry = pItem + ITEM_HEAD + static_cast<size_t>(ENTRY_LENGTH) * j;
        const BYTE* pSecond = pEntry + ENTRY_FIRST_FIELD;
        const BYTE* pThird = pSecond + VALUE_FIELD;
        if (!FieldIs(pEntry, ENTRY_FIRST_FIELD, "NAVL") && !FieldIs(pSecond, VALUE_FIELD, "NA") &&
            !FieldIs(pThird, VALUE_FIELD, "NA"))
        {
            ++nAvailable;
        }
    }
    return nAvailable;
}
} // namespace

BOOL ParseStatusReply(const BYTE* pReply, DWORD cbReply, PRINTER_INF* pInf)
{
    CMisc misc;
    BOOL bResult = TRUE;
    if (pInf->dwIdFlag != 0)
    {
        const BYTE* pItem = FindItem(misc, pReply, cbReply, ID_KEY, ID_ITEM_LENGTH);
        if (pItem == nullptr)
        {
            bResult = FALSE;
        }
        else
        {
            for (DWORD k = 0; k < PRINTER_ID_COUNT; ++k)
            {
                pInf->dwId[k] =
                    FieldValue(misc, pItem + ITEM_HEAD + static_cast<size_t>(VALUE_FIELD) * k);
            }
        }
    }
    if (pInf->dwOpt1Flag != 0)
    {
        const BYTE* pItem = FindItem(misc, pReply, cbReply, OPTION_KEY, OPTION_ITEM_LENGTH);
        if (pItem == nullptr)
        {
            bResult = FALSE;
        }
        else
        {
            pInf->dwOpt1Value = FieldValue(misc, pItem + OPTION1_OFFSET);
        }
    }
    if (pInf->dwOpt2Flag != 0)
    {
        const BYTE* pItem = FindItem(misc, pReply, cbReply, OPTION_KEY, OPTION_ITEM_LENGTH);
        if (pItem == nullptr)
        {
            bResult = FALSE;
        }
        else
        {
            pInf->dwOpt2Value = CountAvailableEntries(pItem);
        }
    }
    return bResult;
}
