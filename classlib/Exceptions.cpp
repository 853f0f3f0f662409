#include "Exceptions.h"
#include "ClassLibResource.h"
#include "MessageBox.h"

int CException::ReportError(UINT nType, UINT nMessageID)
{
    return AfxMessageBox(nMessageID != 0 ? nMessageID : AFX_IDP_INTERNAL_FAILURE, nType);
}

void AfxThrowUserException()
{
    throw new CUserException;
}

void AfxThrowMemoryException()
{
    throw new CMemoryException;
}
