// The stand-in library on its own, loaded like the maker's library would be.

#include "PowerLibFixture.h"

#include "tessel/System/UniqueHandle.h"
#include "tessel/System/WinRegistry.h"

#include <gmock/gmock.h>

using kova::test::ScopedEnvironment;
using testing::ElementsAre;

namespace {

using OutProc = BOOL(__stdcall*)(DWORD*);
using ArgProc = BOOL(__stdcall*)(DWORD);
using Proc = BOOL(__stdcall*)();

class SomnaStandInTest : public kova::test::PowerLibFixture {
protected:
    void SetUp() override
    {
        PowerLibFixture::SetUp();
        InstallStandIn();
        m_module.reset(LoadLibraryA(LibraryPath().c_str()));
        ASSERT_TRUE(m_module);
    }

    template <typename P>
    P Export(const char* name) const
    {
        const auto proc = reinterpret_cast<P>(
            reinterpret_cast<void (*)()>(GetProcAddress(m_module.get(), name)));
        EXPECT_NE(proc, nullptr) << name;
        return proc;
    }

    tessel::UniqueModule m_module;
};

TEST_F(SomnaStandInTest, ExportsEveryEntryPointByName)
{
    for (const char* name :
         {"SomnaInit", "SomnaIsSupport", "SomnaCheckReboot", "SomnaEnable", "SomnaDisable",
          "SomnaSleep", "SomnaWake", "SomnaSound", "SomnaScreen", "TacetIsSupport", "TacetSleep",
          "TacetWake", "TacetSetDevice", "TacetGetDevice", "TacetCheckPower"})
        EXPECT_NE(GetProcAddress(m_module.get(), name), nullptr) << name;
}

TEST_F(SomnaStandInTest, FailsEveryListedExportWhateverTheSpacingAndCase)
{
    ScopedEnvironment fail("SOMNA_FAIL", "tacetwake, SomnaInit ,");
    EXPECT_FALSE(Export<Proc>("SomnaInit")());
    EXPECT_FALSE(Export<Proc>("TacetWake")());
    EXPECT_TRUE(Export<Proc>("SomnaEnable")());
    EXPECT_TRUE(Export<ArgProc>("TacetSleep")(0x4001));
    EXPECT_THAT(Calls(), ElementsAre("SomnaInit", "TacetWake", "SomnaEnable", "TacetSleep 16385"));
}

TEST_F(SomnaStandInTest, OutValuesHaveTheirDefaultsAndOverrides)
{
    DWORD value = 7;
    EXPECT_TRUE(Export<OutProc>("SomnaCheckReboot")(&value));
    EXPECT_EQ(value, 0u);
    EXPECT_TRUE(Export<OutProc>("TacetCheckPower")(&value));
    EXPECT_EQ(value, 1u);
    {
        ScopedEnvironment out("SOMNA_OUT_TACETCHECKPOWER", "42");
        EXPECT_TRUE(Export<OutProc>("TacetCheckPower")(&value));
        EXPECT_EQ(value, 42u);
    }
    {
        ScopedEnvironment garbage("SOMNA_OUT_TACETCHECKPOWER", "many");
        EXPECT_TRUE(Export<OutProc>("TacetCheckPower")(&value));
        EXPECT_EQ(value, 1u);
    }
    EXPECT_TRUE(Export<OutProc>("TacetIsSupport")(nullptr));
}

TEST_F(SomnaStandInTest, KeepsTheDeviceSettingInTheRegistry)
{
    EXPECT_TRUE(Export<ArgProc>("TacetSetDevice")(1));
    tessel::RegAccessor key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, "Software\\Veltra\\Somna", false));
    DWORD stored = 0;
    ASSERT_TRUE(key.ReadDword("PowerOn", stored));
    EXPECT_EQ(stored, 1u);

    DWORD value = 0;
    EXPECT_TRUE(Export<OutProc>("TacetGetDevice")(&value));
    EXPECT_EQ(value, 1u);
}

} // namespace
