// Every suite's main: preconditions throw tessel::AssertionError instead of stopping the run.
#include "tessel/System/Assert.h"

#include <gtest/gtest.h>

#include <windows.h>

int main(int argc, char** argv)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    tessel::SetAssertHandler(&tessel::ThrowingAssertHandler);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
