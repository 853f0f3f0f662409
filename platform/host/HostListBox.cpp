// The built-in LISTBOX class: an unsorted list of texts.
#include "HostUser.h"
#include "HostWindowTable.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace
{
std::map<HWND, std::vector<std::string>>& Lists()
{
    static std::map<HWND, std::vector<std::string>> lists;
    return lists;
}

bool ValidIndex(const std::vector<std::string>& items, WPARAM wParam)
{
    return static_cast<size_t>(wParam) < items.size();
}
} // namespace

LRESULT HostListBoxProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    std::vector<std::string>& items = Lists()[hWnd];
    switch (uMsg)
    {
    case LB_ADDSTRING:
        items.emplace_back(reinterpret_cast<LPCSTR>(lParam));
        return static_cast<LRESULT>(items.size() - 1);
    case LB_INSERTSTRING:
    {
        const auto nIndex = static_cast<intptr_t>(wParam);
        const size_t pos = nIndex < 0 || static_cast<size_t>(nIndex) > items.size()
                               ? items.size()
                               : static_cast<size_t>(nIndex);
        items.insert(items.begin() + static_cast<ptrdiff_t>(pos), reinterpret_cast<LPCSTR>(lParam));
        return static_cast<LRESULT>(pos);
    }
    case LB_DELETESTRING:
        if (!ValidIndex(items, wParam))
        {
            return LB_ERR;
        }
        items.erase(items.begin() + static_cast<ptrdiff_t>(wParam));
        return static_cast<LRESULT>(items.size());
    case LB_RESETCONTENT:
        items.clear();
        return 0;
    case LB_GETCOUNT:
        return static_cast<LRESULT>(items.size());
    case LB_GETTEXTLEN:
        return ValidIndex(items, wParam) ? static_cast<LRESULT>(items[wParam].size()) : LB_ERR;
    case LB_GETTEXT:
        if (!ValidIndex(items, wParam))
        {
            return LB_ERR;
        }
        std::memcpy(reinterpret_cast<LPSTR>(lParam), items[wParam].c_str(),
                    items[wParam].size() + 1);
        return static_cast<LRESULT>(items[wParam].size());
    case WM_NCDESTROY:
        Lists().erase(hWnd);
        return 0;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
