// CError: composes a message from the string table (a message and up to two parameter texts,
// each addressed as an offset from its base) and shows it task-modal in the foreground.
#pragma once

#include "platform/Win32Api.h"

class CError
{
public:
    CError(int nMsgBase, int nParamBase);
    CError(const CError&) = delete;
    CError& operator=(const CError&) = delete;
    virtual ~CError() = default;

    void SetBases(int nMsgBase, int nParamBase);

    // Shows message nMsg with "%1" and "%2" replaced by parameters nParam1 and nParam2 (negative:
    // none), between the prefix and the suffix. With a caption the box has no owner; without one
    // it is the application's box. Returns the box's result, IDCANCEL when nMsg is negative and
    // nothing is shown.
    int ShowMessage(int nMsg, int nParam1, int nParam2, LPCSTR pszPrefix, LPCSTR pszSuffix,
                    LPCSTR pszCaption, UINT nType);

private:
    int m_nMsgBase;
    int m_nParamBase;
};
