#include "ResourceReader.h"

#include <cstring>

namespace
{
const BYTE* Lock(UINT nID, LPCSTR lpType, WORD wLanguage, DWORD& cb)
{
    HMODULE hModule = GetModuleHandleA(nullptr);
    HRSRC hRes = FindResourceExA(hModule, lpType, MAKEINTRESOURCEA(nID), wLanguage);
    if (hRes == nullptr)
    {
        return nullptr;
    }
    cb = SizeofResource(hModule, hRes);
    return static_cast<const BYTE*>(LockResource(LoadResource(hModule, hRes)));
}

class Cursor
{
public:
    Cursor(const BYTE* p, DWORD cb) : m_pStart(p), m_p(p), m_pEnd(p + cb) {}
    bool Ok() const { return m_bOk; }
    WORD Word()
    {
        if (m_pEnd - m_p < 2)
        {
            m_bOk = false;
            return 0;
        }
        const WORD w = static_cast<WORD>(m_p[0] | (m_p[1] << 8));
        m_p += 2;
        return w;
    }
    DWORD Dword()
    {
        const DWORD lo = Word();
        return lo | (static_cast<DWORD>(Word()) << 16);
    }
    BYTE Byte()
    {
        if (m_p >= m_pEnd)
        {
            m_bOk = false;
            return 0;
        }
        return *m_p++;
    }
    std::u16string Text()
    {
        std::u16string s;
        for (WORD c = Word(); m_bOk && c != 0; c = Word())
        {
            s.push_back(static_cast<char16_t>(c));
        }
        return s;
    }
    // A name or ordinal field: 0xFFFF and an ordinal, or a text.
    std::u16string NameOrOrdinal()
    {
        const WORD w = Word();
        if (w == 0xFFFF)
        {
            switch (Word())
            {
            case 0x80:
                return U16("Button");
            case 0x81:
                return U16("Edit");
            case 0x82:
                return U16("Static");
            default:
                return u"(unknown atom)";
            }
        }
        std::u16string s;
        for (WORD c = w; m_bOk && c != 0; c = Word())
        {
            s.push_back(static_cast<char16_t>(c));
        }
        return s;
    }
    void AlignDword()
    {
        while ((m_p - m_pStart) % 4 != 0 && m_p < m_pEnd)
        {
            ++m_p;
        }
    }
    void Skip(size_t cb) { m_p = cb <= static_cast<size_t>(m_pEnd - m_p) ? m_p + cb : m_pEnd; }

private:
    const BYTE* m_pStart;
    const BYTE* m_p;
    const BYTE* m_pEnd;
    bool m_bOk = true;
};
} // namespace

std::u16string U16(const char* pszLatin1)
{
    std::u16string s;
    for (const char* p = pszLatin1; *p != '\0'; ++p)
    {
        s.push_back(static_cast<char16_t>(static_cast<unsigned char>(*p)));
    }
    return s;
}

bool LoadStringInLanguage(UINT nID, WORD wLanguage, std::u16string& text)
{
    DWORD cb = 0;
    const BYTE* p = Lock((nID >> 4) + 1, RT_STRING, wLanguage, cb);
    if (p == nullptr)
    {
        return false;
    }
    Cursor cursor(p, cb);
    for (UINT i = 0; i < (nID & 15); ++i)
    {
        cursor.Skip(2 * static_cast<size_t>(cursor.Word()));
    }
    const WORD cch = cursor.Word();
    text.clear();
    for (WORD i = 0; i < cch; ++i)
    {
        text.push_back(static_cast<char16_t>(cursor.Word()));
    }
    return cursor.Ok() && cch > 0;
}

bool LoadDialogTemplate(UINT nID, WORD wLanguage, DialogTemplate& dialog)
{
    DWORD cb = 0;
    const BYTE* p = Lock(nID, RT_DIALOG, wLanguage, cb);
    if (p == nullptr)
    {
        return false;
    }
    Cursor c(p, cb);
    if (c.Word() != 1 || c.Word() != 0xFFFF)
    {
        return false; // not an extended template
    }
    c.Dword(); // help ID
    dialog.dwExStyle = c.Dword();
    dialog.dwStyle = c.Dword();
    const WORD cItems = c.Word();
    dialog.x = static_cast<short>(c.Word());
    dialog.y = static_cast<short>(c.Word());
    dialog.cx = static_cast<short>(c.Word());
    dialog.cy = static_cast<short>(c.Word());
    c.NameOrOrdinal(); // menu
    c.NameOrOrdinal(); // class
    dialog.title = c.Text();
    dialog.wPointSize = c.Word();
    c.Word(); // weight
    c.Byte(); // italic
    c.Byte(); // character set
    dialog.typeface = c.Text();
    dialog.items.clear();
    for (WORD i = 0; i < cItems && c.Ok(); ++i)
    {
        c.AlignDword();
        DialogItem item;
        c.Dword(); // help ID
        item.dwExStyle = c.Dword();
        item.dwStyle = c.Dword();
        item.x = static_cast<short>(c.Word());
        item.y = static_cast<short>(c.Word());
        item.cx = static_cast<short>(c.Word());
        item.cy = static_cast<short>(c.Word());
        item.dwId = c.Dword();
        item.className = c.NameOrOrdinal();
        item.title = c.NameOrOrdinal();
        c.Skip(c.Word()); // creation data
        dialog.items.push_back(item);
    }
    return c.Ok();
}

bool LoadFixedVersion(DWORD& dwFileMS, DWORD& dwFileLS, DWORD& dwProductMS, DWORD& dwProductLS)
{
    DWORD cb = 0;
    const BYTE* p = Lock(1, RT_VERSION, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), cb);
    if (p == nullptr)
    {
        HMODULE hModule = GetModuleHandleA(nullptr);
        HRSRC hRes = FindResourceA(hModule, MAKEINTRESOURCEA(1), RT_VERSION);
        if (hRes == nullptr)
        {
            return false;
        }
        cb = SizeofResource(hModule, hRes);
        p = static_cast<const BYTE*>(LockResource(LoadResource(hModule, hRes)));
    }
    const BYTE kSignature[4] = {0xBD, 0x04, 0xEF, 0xFE};
    for (DWORD i = 0; i + 24 <= cb; i += 4)
    {
        if (std::memcmp(p + i, kSignature, 4) == 0)
        {
            Cursor c(p + i + 8, 16);
            dwFileMS = c.Dword();
            dwFileLS = c.Dword();
            dwProductMS = c.Dword();
            dwProductLS = c.Dword();
            return c.Ok();
        }
    }
    return false;
}
