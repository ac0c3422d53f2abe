// The hibernation warning of Windows 2000: Wine is told to report that version to Couchdeck.

#include "CouchdeckRun.h"

#include "tessel/System/WinRegistry.h"

#include <gtest/gtest.h>

using namespace kova::test;

namespace {

constexpr const char* kAppDefaults = "Software\\Wine\\AppDefaults\\Couchdeck.exe";

// Wine reports Windows 2000 to Couchdeck.exe while it exists.
class ScopedWindows2000 {
public:
    ScopedWindows2000()
    {
        tessel::RegAccessor key;
        if (key.Open(HKEY_CURRENT_USER, kAppDefaults, true))
            key.WriteString("Version", "win2k");
    }
    ~ScopedWindows2000() { tessel::DeleteRegKey(HKEY_CURRENT_USER, kAppDefaults); }
};

struct FindText {
    const char* text;
    HWND found;
};

BOOL CALLBACK FindChildWithText(HWND window, LPARAM param)
{
    auto* find = reinterpret_cast<FindText*>(param);
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    if (std::string(text) == find->text) {
        find->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND ChildWithText(HWND parent, const char* text)
{
    FindText find{text, nullptr};
    EnumChildWindows(parent, FindChildWithText, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

bool ReadShowHibernation(DWORD& value)
{
    tessel::RegAccessor key;
    return key.Open(HKEY_LOCAL_MACHINE, "Software\\Veltra\\Veltra Kova Remote", false) &&
           key.ReadDword("ShowHibernation", value);
}

class CouchdeckWarning : public ::testing::Test {
protected:
    void SetUp() override { DeleteVeltraKey(); }
    void TearDown() override { DeleteVeltraKey(); }

    ScopedInstallationValues m_installation;
    ScopedWindows2000 m_windows2000;
};

TEST_F(CouchdeckWarning, ShowsTheTranslatedWarningUntilTheUserAsksNeverAgain)
{
    {
        CouchdeckRun run;
        ASSERT_TRUE(run.Start());
        ASSERT_TRUE(run.WaitForStartup());
        ASSERT_TRUE(WaitUntil([&] { return run.IsShown("TWarnForm"); }, 3000));
        HWND warning = run.FindWindowOfClass("TWarnForm");
        char caption[32] = {};
        GetWindowTextA(warning, caption, sizeof(caption));
        EXPECT_STREQ("Warning", caption);
        HWND neverShow = ChildWithText(warning, "Do not show this message again");
        HWND powerOptions = ChildWithText(warning, "Open Power Options");
        HWND ok = ChildWithText(warning, "OK");
        ASSERT_TRUE(neverShow && powerOptions && ok);

        SendMessageA(neverShow, BM_CLICK, 0, 0);
        SendMessageA(powerOptions, BM_CLICK, 0, 0);   // no control panel in a test
        SendMessageA(ok, BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !run.IsShown("TWarnForm"); }, 3000));
        DWORD value = 1;
        ASSERT_TRUE(ReadShowHibernation(value));
        EXPECT_EQ(0u, value);
    }
    CouchdeckRun again;
    ASSERT_TRUE(again.Start());
    ASSERT_TRUE(again.WaitForStartup());
    PumpMessagesFor(500);
    EXPECT_FALSE(again.IsShown("TWarnForm"));
}

TEST_F(CouchdeckWarning, OkAloneHidesItButWarnsAgainNextTime)
{
    CouchdeckRun run;
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitForStartup());
    ASSERT_TRUE(WaitUntil([&] { return run.IsShown("TWarnForm"); }, 3000));
    HWND warning = run.FindWindowOfClass("TWarnForm");
    SendMessageA(ChildWithText(warning, "Open Power Options"), BM_CLICK, 0, 0);
    SendMessageA(ChildWithText(warning, "OK"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !run.IsShown("TWarnForm"); }, 3000));
    DWORD value = 1;
    EXPECT_FALSE(ReadShowHibernation(value) && value == 0);
}

} // namespace
