#pragma once
// The library's screen switch for the black screen's timer. Needs no support check: without a
// working library it does nothing.

#include "SomnaLibImp.h"

#include <memory>

class SomnaLib {
public:
    // Created on first use over "Somna.dll" beside the program; kept until the process ends.
    static SomnaLib* Instance();

    explicit SomnaLib(std::unique_ptr<SomnaLibImp> imp);
    SomnaLib(const SomnaLib&) = delete;
    SomnaLib& operator=(const SomnaLib&) = delete;

    void ScreenOff();

private:
    std::unique_ptr<SomnaLibImp> m_imp;
};
