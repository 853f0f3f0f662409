// Message maps: each class lists the messages and commands it handles in a static table chained
// to its base class's table, and dispatch walks the chain from the most derived class.
#pragma once

#include "platform/Win32Api.h"

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

#define CN_COMMAND 0

// How a handler is called; one value per handler signature the class library dispatches.
enum AfxSig : UINT
{
    AfxSig_end = 0,
    AfxSig_vv, // void (void)
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;
    UINT nCode;   // notification code for WM_COMMAND entries
    UINT nID;     // first control or command identifier
    UINT nLastID; // last identifier of the range
    UINT nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The first entry for nMessage (and for WM_COMMAND the code and identifier) in the chain.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                            UINT nID);

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                              \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        typedef baseClass TheBaseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, 0, AfxSig_end, nullptr                                                            \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

// memberFxn cannot be parenthesised: a pointer to member is formed from a plain qualified name.
#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, CN_COMMAND,                                                                       \
     (WORD)(id), (WORD)(id),                                                                       \
     AfxSig_vv,  static_cast<AFX_PMSG>(&memberFxn)}, /* NOLINT(bugprone-macro-parentheses) */

class CCmdTarget
{
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the handler of command nID with notification code nCode; FALSE when none handles it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
