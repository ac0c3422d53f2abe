#include "SomnaLib.h"

#include "SomnaLibDll.h"

#include "tessel/System/Assert.h"
#include "tessel/System/ProgramDirectory.h"

SomnaLib* SomnaLib::Instance()
{
    // Never destroyed: the library stays loaded until the process ends.
    static SomnaLib* const instance =
        new SomnaLib(std::make_unique<SomnaLibDll>(tessel::ProgramDirectory()));
    return instance;
}

SomnaLib::SomnaLib(std::unique_ptr<SomnaLibImp> imp) : m_imp(std::move(imp))
{
    TESSEL_ASSERT(m_imp != nullptr);
}

void SomnaLib::ScreenOff()
{
    m_imp->ScreenOff();
}
