#include "HostMessageBoxLog.h"
#include "HostUser.h"

#include <deque>

namespace
{
struct MessageBoxState
{
    std::vector<HostMessageBoxCall> calls;
    std::deque<int> answers;
};

MessageBoxState& State()
{
    static MessageBoxState state;
    return state;
}
} // namespace

const std::vector<HostMessageBoxCall>& HostMessageBoxCalls()
{
    return State().calls;
}

void HostResetMessageBoxes()
{
    State().calls.clear();
    State().answers.clear();
}

void HostQueueMessageBoxAnswer(int nAnswer)
{
    State().answers.push_back(nAnswer);
}

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType)
{
    MessageBoxState& state = State();
    state.calls.push_back(
        {hWnd, lpText ? lpText : "", lpCaption ? lpCaption : "", lpCaption == nullptr, uType});
    if (state.answers.empty())
    {
        return IDOK;
    }
    const int nAnswer = state.answers.front();
    state.answers.pop_front();
    return nAnswer;
}
