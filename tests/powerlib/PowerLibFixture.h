#pragma once
// A program directory of its own for each test, with or without a library in it, and the
// stand-in library's call log.

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kova::test {

class PowerLibFixture : public testing::Test {
protected:
    void SetUp() override { DeleteVeltraKey(); }
    void TearDown() override { DeleteVeltraKey(); }

    const std::string& ProgramDir() const { return m_dir.Path(); }
    std::string LibraryPath() const { return ProgramDir() + "Somna.dll"; }

    // The stand-in from bin\ as "Somna.dll" of the program directory.
    void InstallStandIn();
    // The stand-in without its "SomnaScreen" export.
    void InstallIncompleteStandIn();
    void InstallFile(const std::string& from);

    std::vector<std::string> Calls() const;
    void ClearCalls();

private:
    ScopedTempDir m_dir;
    ScopedEnvironment m_log{"SOMNA_LOG", m_dir.Path() + "somna.log"};
};

} // namespace kova::test
