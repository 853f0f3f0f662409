// CListBox: a list-box control.
#pragma once

#include "String.h"
#include "Wnd.h"

class CListBox : public CWnd
{
public:
    int GetCount() const;
    // The text of item nIndex; LB_ERR, with rString unchanged, for an index outside the list.
    int GetText(int nIndex, CString& rString) const;
};
