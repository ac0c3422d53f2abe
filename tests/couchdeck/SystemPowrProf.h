#pragma once
// The system's answers whether hibernation and standby are allowed, chosen by a test: a
// Powrprof.dll with those answers replaces the one in the system folder, Wine is told to load it
// into Couchdeck.exe in place of its own, and the destructor puts everything back.

#include "support/TestSupport.h"

#include <memory>
#include <string>

namespace kova::test {

class ScopedSystemPowrProf {
public:
    ScopedSystemPowrProf(bool hibernateAllowed, bool suspendAllowed);
    ~ScopedSystemPowrProf();
    ScopedSystemPowrProf(const ScopedSystemPowrProf&) = delete;
    ScopedSystemPowrProf& operator=(const ScopedSystemPowrProf&) = delete;

    // False when the library could not be put in place (the test cannot go on).
    bool Installed() const { return m_installed; }

    // Only Wine can be told to prefer a library in the system folder to its own.
    static bool Supported();

private:
    ScopedTempDir m_saved;
    std::string m_target;
    bool m_installed = false;
    std::unique_ptr<ScopedEnvironment> m_hibernate;
    std::unique_ptr<ScopedEnvironment> m_suspend;
};

} // namespace kova::test
