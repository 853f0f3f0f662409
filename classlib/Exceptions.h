// The class library's exceptions. As in the class library we model, they are thrown as pointers
// to heap objects and released with Delete by whoever catches them.
#pragma once

#include "platform/Win32Api.h"

class CException
{
public:
    CException() = default;
    CException(const CException&) = delete;
    CException& operator=(const CException&) = delete;
    virtual ~CException() = default;

    void Delete() { delete this; }
    // Shows the class library's message nMessageID (its internal-failure text when 0) and
    // returns the box's result.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);
};

// A validation failed and the user has already been told.
class CUserException : public CException
{
};

class CMemoryException : public CException
{
};

[[noreturn]] void AfxThrowUserException();
[[noreturn]] void AfxThrowMemoryException();
