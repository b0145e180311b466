#include "LinkColorsTest.h"

#include <gtest/gtest.h>

#include <cstring>

#include "ui/LinkColors.h"

namespace {
constexpr const char* kKey = "Software\\Microsoft\\Internet Explorer\\Settings";
}

AnchorColorValues::AnchorColorValues()
{
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                    nullptr);
    Remove("Anchor Color");
    Remove("Anchor Color Visited");
}

AnchorColorValues::~AnchorColorValues()
{
    // A new prefix has neither value.
    Remove("Anchor Color");
    Remove("Anchor Color Visited");
    RegCloseKey(key_);
}

void AnchorColorValues::Set(const char* name, DWORD type, const void* data, DWORD size)
{
    RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size);
}

void AnchorColorValues::SetText(const char* name, const char* text)
{
    Set(name, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
}

void AnchorColorValues::Remove(const char* name)
{
    RegDeleteValueA(key_, name);
}

namespace {

constexpr COLORREF kDefaultLink = RGB(0, 0, 255);
constexpr COLORREF kDefaultVisited = RGB(128, 0, 128);

TEST(LinkColors, TextValuesOfTheFormRGB)
{
    struct Case {
        const char* text;
        COLORREF expected;
    };
    const Case cases[] = {
        {"0,0,255", RGB(0, 0, 255)},
        {"0, 128, 0", RGB(0, 128, 0)},
        {"1,2,3,4", RGB(1, 2, 3)},
        {"255,255,255", RGB(255, 255, 255)},  // 11 characters: fits
        {"255, 255, 255", kDefaultLink},      // 13 characters: does not fit
        {"255,0", kDefaultLink},
        {"255,0,", kDefaultLink},
        {"-1,0,0", kDefaultLink},
        {"300,0,0", RGB(44, 0, 0)},
        {"a,b,c", RGB(0, 0, 0)},
        {"", kDefaultLink},
    };
    for (const Case& c : cases) {
        AnchorColorValues values;
        values.SetText("Anchor Color", c.text);
        COLORREF link = kDefaultLink, visited = kDefaultVisited;
        ReadLinkColors(link, visited);
        EXPECT_EQ(link, c.expected) << '"' << c.text << '"';
        EXPECT_EQ(visited, kDefaultVisited) << '"' << c.text << '"';
    }
}

TEST(LinkColors, VisitedColourIsItsOwnValue)
{
    AnchorColorValues values;
    values.SetText("Anchor Color Visited", "10,20,30");
    COLORREF link = kDefaultLink, visited = kDefaultVisited;
    ReadLinkColors(link, visited);
    EXPECT_EQ(link, kDefaultLink);
    EXPECT_EQ(visited, RGB(10, 20, 30));
}

TEST(LinkColors, ValuesOfOtherTypesAreIgnored)
{
    AnchorColorValues values;
    const DWORD number = 0x00FF00;
    values.Set("Anchor Color", REG_DWORD, &number, sizeof(number));
    const char binary[] = "1,2,3";
    values.Set("Anchor Color Visited", REG_BINARY, binary, sizeof(binary));
    COLORREF link = kDefaultLink, visited = kDefaultVisited;
    ReadLinkColors(link, visited);
    EXPECT_EQ(link, kDefaultLink);
    EXPECT_EQ(visited, kDefaultVisited);
}

TEST(LinkColors, ExpandableTextIsTakenAsItIs)
{
    AnchorColorValues values;
    const char text[] = "4,5,6";
    values.Set("Anchor Color", REG_EXPAND_SZ, text, sizeof(text));
    COLORREF link = kDefaultLink, visited = kDefaultVisited;
    ReadLinkColors(link, visited);
    EXPECT_EQ(link, RGB(4, 5, 6));
}

TEST(LinkColors, MissingValuesKeepTheDefaults)
{
    AnchorColorValues values;
    COLORREF link = kDefaultLink, visited = kDefaultVisited;
    ReadLinkColors(link, visited);
    EXPECT_EQ(link, kDefaultLink);
    EXPECT_EQ(visited, kDefaultVisited);
}

}  // namespace
