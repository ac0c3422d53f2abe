#include "ProfileReg.h"

#include "support/TestSupport.h"

#include "tessel/System/Assert.h"
#include "tessel/System/WinRegistry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>

namespace {

std::string SlotKey(int index)
{
    char key[64] = {};
    std::snprintf(key, sizeof(key), "Software\\Veltra\\Keyrelay\\0.0.6\\Profiles\\%02d", index);
    return key;
}

class ProfileRegTest : public testing::Test {
protected:
    void SetUp() override { kova::test::DeleteVeltraKey(); }
    void TearDown() override { kova::test::DeleteVeltraKey(); }

    static void WriteSlotString(int index, const char* name, const std::string& text)
    {
        tessel::RegAccessor key;
        ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, SlotKey(index).c_str(), true));
        ASSERT_TRUE(key.WriteString(name, text));
    }

    static std::string ReadSlotString(int index, const char* name)
    {
        tessel::RegAccessor key;
        std::string text;
        if (key.Open(HKEY_CURRENT_USER, SlotKey(index).c_str(), false))
            key.ReadString(name, text);
        return text;
    }

    static void WriteMainDword(const char* name, DWORD value)
    {
        tessel::RegAccessor key;
        ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, ProfileReg::KeyPath().c_str(), true));
        ASSERT_TRUE(key.WriteDword(name, value));
    }

    static std::optional<DWORD> ReadMainDword(const char* name)
    {
        tessel::RegAccessor key;
        DWORD value = 0;
        if (!key.Open(HKEY_CURRENT_USER, ProfileReg::KeyPath().c_str(), false) ||
            !key.ReadDword(name, value))
            return std::nullopt;
        return value;
    }

    // Fourteen slots named "Profile <n>" with the path "C:\Apps\<n>.exe".
    static void WriteFullProfiles()
    {
        for (int i = 0; i < 14; ++i) {
            WriteSlotString(i, "Name", "Profile " + std::to_string(i));
            WriteSlotString(i, "Apppath", "C:\\Apps\\" + std::to_string(i) + ".exe");
        }
    }

    ProfileReg& m_profiles = ProfileReg::Instance();
};

TEST_F(ProfileRegTest, TheKeysAreTheSharedSettings)
{
    EXPECT_EQ(ProfileReg::KeyPath(), "Software\\Veltra\\Keyrelay\\0.0.6");
    EXPECT_EQ(ProfileReg::ProfilesPath(), "Software\\Veltra\\Keyrelay\\0.0.6\\Profiles");
    EXPECT_EQ(m_profiles.Count(), 14);
    EXPECT_EQ(&m_profiles, &ProfileReg::Instance());
}

TEST_F(ProfileRegTest, AFreshSystemReadsEmptyAndNothingIsWritten)
{
    for (int i = 0; i < m_profiles.Count(); ++i) {
        const ProfileData profile = m_profiles.GetProfile(i);
        EXPECT_EQ(profile.name, "") << i;
        EXPECT_EQ(profile.appPath, "") << i;
    }
    EXPECT_EQ(m_profiles.GetCurrentProfile(), ProfileReg::kNoProfile);

    m_profiles.SetAppPath(0, "C:\\Apps\\player.exe");
    m_profiles.SetCurrentProfile(3);
    m_profiles.SetPowerOn(true);
    EXPECT_FALSE(tessel::RegKeyExists(HKEY_CURRENT_USER, "Software\\Veltra"));
}

TEST_F(ProfileRegTest, AFullRegistryReadsEverySlot)
{
    WriteFullProfiles();
    for (int i = 0; i < m_profiles.Count(); ++i) {
        const ProfileData profile = m_profiles.GetProfile(i);
        EXPECT_EQ(profile.name, "Profile " + std::to_string(i));
        EXPECT_EQ(profile.appPath, "C:\\Apps\\" + std::to_string(i) + ".exe");
    }
}

TEST_F(ProfileRegTest, SetAppPathChangesOnlyThatSlotsPath)
{
    WriteFullProfiles();
    m_profiles.SetAppPath(13, "D:\\Players\\new.exe");
    EXPECT_EQ(ReadSlotString(13, "Apppath"), "D:\\Players\\new.exe");
    EXPECT_EQ(ReadSlotString(13, "Name"), "Profile 13");
    EXPECT_EQ(ReadSlotString(12, "Apppath"), "C:\\Apps\\12.exe");
}

TEST_F(ProfileRegTest, SetAppPathOnAMissingSlotCreatesNothing)
{
    WriteSlotString(0, "Name", "Media Player");
    m_profiles.SetAppPath(5, "C:\\Apps\\x.exe");
    EXPECT_FALSE(tessel::RegKeyExists(HKEY_CURRENT_USER, SlotKey(5).c_str()));
}

TEST_F(ProfileRegTest, ValuesThatCannotBeReadGiveEmptyStrings)
{
    WriteSlotString(1, "Name", "iTunes");  // no path
    {
        tessel::RegAccessor key;
        ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, SlotKey(2).c_str(), true));
        ASSERT_TRUE(key.WriteDword("Name", 5));
        ASSERT_TRUE(key.WriteString("AppPath", "C:\\Apps\\cased.exe"));  // names ignore case
    }
    const ProfileData itunes = m_profiles.GetProfile(1);
    EXPECT_EQ(itunes.name, "iTunes");
    EXPECT_EQ(itunes.appPath, "");
    const ProfileData odd = m_profiles.GetProfile(2);
    EXPECT_EQ(odd.name, "");
    EXPECT_EQ(odd.appPath, "C:\\Apps\\cased.exe");
}

TEST_F(ProfileRegTest, StoredTextsLongerThanTheLayoutHoldsReadAsEmpty)
{
    WriteSlotString(3, "Name", std::string(63, 'n'));
    WriteSlotString(3, "Apppath", std::string(259, 'p'));
    WriteSlotString(4, "Name", std::string(64, 'n'));
    WriteSlotString(4, "Apppath", std::string(260, 'p'));
    EXPECT_EQ(m_profiles.GetProfile(3).name.size(), 63u);
    EXPECT_EQ(m_profiles.GetProfile(3).appPath.size(), 259u);
    EXPECT_EQ(m_profiles.GetProfile(4).name, "");
    EXPECT_EQ(m_profiles.GetProfile(4).appPath, "");
}

TEST_F(ProfileRegTest, APathLongerThanTheLayoutHoldsIsNotWritten)
{
    WriteFullProfiles();
    m_profiles.SetAppPath(6, "C:\\" + std::string(257, 'p'));  // 260 characters
    EXPECT_EQ(ReadSlotString(6, "Apppath"), "C:\\Apps\\6.exe");
    m_profiles.SetAppPath(6, "C:\\" + std::string(256, 'p'));  // 259 characters
    EXPECT_EQ(ReadSlotString(6, "Apppath").size(), 259u);
}

TEST_F(ProfileRegTest, AnIndexOutsideTheSlotsIsAProgrammingError)
{
    for (int index : {14, 15, -1}) {
        try {
            m_profiles.GetProfile(index);
            ADD_FAILURE() << index;
        } catch (const tessel::AssertionError& error) {
            EXPECT_EQ(error.Failure().unit, "ProfileReg");
            if (index >= 14) {
                EXPECT_EQ(error.Failure().expression, "index < Count()");
            }
        }
        EXPECT_THROW(m_profiles.SetAppPath(index, "C:\\x.exe"), tessel::AssertionError);
    }
}

TEST_F(ProfileRegTest, TheCurrentProfileIsASignedDword)
{
    WriteMainDword("Power_Enable", 1);
    m_profiles.SetCurrentProfile(-1);
    EXPECT_EQ(ReadMainDword("Profile"), 0xFFFFFFFFu);
    EXPECT_EQ(m_profiles.GetCurrentProfile(), -1);
    m_profiles.SetCurrentProfile(13);
    EXPECT_EQ(m_profiles.GetCurrentProfile(), 13);
}

TEST_F(ProfileRegTest, ACurrentProfileThatIsMissingOrNoDwordMeansNone)
{
    WriteMainDword("Power_Enable", 1);
    EXPECT_EQ(m_profiles.GetCurrentProfile(), ProfileReg::kNoProfile);
    tessel::RegAccessor key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, ProfileReg::KeyPath().c_str(), false));
    ASSERT_TRUE(key.WriteString("Profile", "3"));
    EXPECT_EQ(m_profiles.GetCurrentProfile(), ProfileReg::kNoProfile);
}

TEST_F(ProfileRegTest, PowerOnIsWrittenAsZeroOrOne)
{
    WriteMainDword("Power_Enable", 1);
    m_profiles.SetPowerOn(true);
    EXPECT_EQ(ReadMainDword("Power_On"), 1u);
    m_profiles.SetPowerOn(false);
    EXPECT_EQ(ReadMainDword("Power_On"), 0u);
}

} // namespace
