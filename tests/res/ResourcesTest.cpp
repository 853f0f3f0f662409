// The compiled resources: what the module shows the user must be there, exactly, under both
// Italian languages.
#include "ResourceReader.h"
#include "classlib/ClassLibResource.h"
#include "module/res/resource.h"

#include <gtest/gtest.h>

#include <cwctype>

namespace
{
bool SameClassName(const std::u16string& a, const char* pszB)
{
    const std::u16string b = U16(pszB);
    if (a.size() != b.size())
    {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i)
    {
        if (std::towlower(a[i]) != std::towlower(b[i]))
        {
            return false;
        }
    }
    return true;
}

const WORD kLanguages[] = {MAKELANGID(LANG_ITALIAN, SUBLANG_ITALIAN),
                           MAKELANGID(LANG_ITALIAN, SUBLANG_ITALIAN_SWISS)};

// Texts in code page 1252, as the module reads them.
const struct
{
    UINT nID;
    const char* pszText;
} kStrings[] = {
    {100, "Errore"},
    {101, "Inserite i dati relativi alle opzioni dopo aver stampato i fogli di informazioni."},
    {102, "I dati relativi alle opzioni sono gi\xE0 salvati, perci\xF2 non dovete inserire alcuna "
          "informazione."},
    {50000, "E' collegata una stampante incompatibile.\r\nCollegate la stampante appropriata e "
            "riprovate."},
    {50100, "L' ID deve essere un numero pari tra %1 e %2."},
    {51000, "30"},
    {51001, "70"},
    {61703, "Impossibile avviare la Guida."},
    {61704, "Errore interno dell'applicazione."},
    {61714, "Digitare un numero intero compreso tra %1 e %2."},
    {61719, "Digitare un numero intero positivo."},
};

TEST(ResourcesTest, EveryStringIsStoredUnderBothLanguages)
{
    for (WORD wLanguage : kLanguages)
    {
        for (const auto& s : kStrings)
        {
            std::u16string text;
            ASSERT_TRUE(LoadStringInLanguage(s.nID, wLanguage, text)) << s.nID << " " << wLanguage;
            EXPECT_TRUE(text == U16(s.pszText)) << s.nID << " " << wLanguage;
        }
    }
}

TEST(ResourcesTest, LoadStringGivesCodePage1252Text)
{
    for (const auto& s : kStrings)
    {
        char szText[256];
        const int cch = LoadStringA(GetModuleHandleA(nullptr), s.nID, szText, sizeof szText);
        EXPECT_EQ(lstrlenA(s.pszText), cch) << s.nID;
        EXPECT_STREQ(s.pszText, szText) << s.nID;
    }
}

TEST(ResourcesTest, ThereIsNoApplicationTitleString)
{
    char szText[64];
    EXPECT_EQ(0, LoadStringA(GetModuleHandleA(nullptr), AFX_IDS_APP_TITLE, szText, sizeof szText));
}

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

const struct
{
    DWORD dwId;
    const char* pszClass;
    const char* pszTitle;
    short x, y, cx, cy;
    DWORD dwStyle;
} kControls[] = {
    {1000, "Button", "&ID stampante:", 7, 7, 215, 37, kChild | BS_GROUPBOX},
    {1007, "Static", "ID", 12, 22, 21, 12, kChild | SS_CENTER | WS_GROUP},
    {1001, "Edit", "", 37, 21, 21, 14,
     kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL},
    {1002, "Edit", "", 68, 21, 21, 14,
     kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL},
    {1003, "Edit", "", 99, 21, 21, 14,
     kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL},
    {1004, "Edit", "", 130, 21, 21, 14,
     kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL},
    {1005, "Edit", "", 161, 21, 21, 14,
     kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL},
    {1006, "Edit", "", 192, 21, 21, 14,
     kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL},
    {1010, "Static", "-", 59, 23, 8, 12, kChild | SS_CENTER | WS_GROUP},
    {1011, "Static", "-", 90, 23, 8, 12, kChild | SS_CENTER | WS_GROUP},
    {1012, "Static", "-", 121, 23, 8, 12, kChild | SS_CENTER | WS_GROUP},
    {1013, "Static", "-", 152, 23, 8, 12, kChild | SS_CENTER | WS_GROUP},
    {1014, "Static", "-", 183, 23, 8, 12, kChild | SS_CENTER | WS_GROUP},
    {1008, "Button", "Foglio impos&tazioni...", 135, 70, 87, 15,
     kChild | BS_PUSHBUTTON | WS_TABSTOP},
    {0xFFFFFFFF, "Static", "Impostazioni correnti", 7, 89, 96, 13, kChild | SS_LEFT | WS_GROUP},
    {0xFFFFFFFF, "Button", "", 7, 98, 215, 61, kChild | BS_GROUPBOX},
    {1009, "Static", "", 11, 107, 207, 50, kChild | SS_LEFT | WS_GROUP},
    {1, "Button", "OK", 63, 170, 50, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {2, "Button", "Annulla", 117, 170, 50, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP},
    {57670, "Button", "?", 171, 170, 51, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP},
};

TEST(ResourcesTest, DialogTemplate102IsAsDesignedUnderBothLanguages)
{
    for (WORD wLanguage : kLanguages)
    {
        DialogTemplate dialog;
        ASSERT_TRUE(LoadDialogTemplate(IDD_PRINTER_INFO, wLanguage, dialog)) << wLanguage;
        EXPECT_TRUE(dialog.title == U16("Informazioni su stampante e opzioni"));
        EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                     DS_MODALFRAME | DS_SETFONT),
                  dialog.dwStyle);
        EXPECT_EQ(static_cast<DWORD>(WS_EX_APPWINDOW), dialog.dwExStyle);
        EXPECT_EQ(230, dialog.cx);
        EXPECT_EQ(191, dialog.cy);
        EXPECT_EQ(9, dialog.wPointSize);
        EXPECT_TRUE(dialog.typeface == U16("MS Sans Serif"));
        ASSERT_EQ(std::size(kControls), dialog.items.size());
        for (size_t i = 0; i < dialog.items.size(); ++i)
        {
            const DialogItem& item = dialog.items[i];
            const auto& expected = kControls[i];
            SCOPED_TRACE(testing::Message() << "control " << i << " id " << expected.dwId);
            EXPECT_EQ(expected.dwId, item.dwId);
            EXPECT_TRUE(SameClassName(item.className, expected.pszClass));
            EXPECT_TRUE(item.title == U16(expected.pszTitle));
            EXPECT_EQ(expected.x, item.x);
            EXPECT_EQ(expected.y, item.y);
            EXPECT_EQ(expected.cx, item.cx);
            EXPECT_EQ(expected.cy, item.cy);
            EXPECT_EQ(expected.dwStyle, item.dwStyle);
            EXPECT_EQ(0u, item.dwExStyle);
        }
    }
}

TEST(ResourcesTest, VersionIs1_0_1_0)
{
    DWORD dwFileMS = 0, dwFileLS = 0, dwProductMS = 0, dwProductLS = 0;
    ASSERT_TRUE(LoadFixedVersion(dwFileMS, dwFileLS, dwProductMS, dwProductLS));
    EXPECT_EQ(0x00010000u, dwFileMS);
    EXPECT_EQ(0x00010000u, dwFileLS);
    EXPECT_EQ(0x00010000u, dwProductMS);
    EXPECT_EQ(0x00010000u, dwProductLS);
}
} // namespace
