#include "ListBox.h"

int CListBox::GetCount() const
{
    return static_cast<int>(SendMessage(LB_GETCOUNT));
}

int CListBox::GetText(int nIndex, CString& rString) const
{
    const auto cch = static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(nIndex)));
    if (cch == LB_ERR)
    {
        return LB_ERR;
    }
    CString strText;
    const auto nResult = static_cast<int>(SendMessage(
        LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(strText.GetBuffer(cch))));
    strText.ReleaseBuffer(nResult == LB_ERR ? 0 : nResult);
    if (nResult != LB_ERR)
    {
        rString = strText;
    }
    return nResult;
}
