#include "PowerLibFixture.h"

#include "tessel/System/ProgramDirectory.h"

#include <sstream>

namespace kova::test {

void PowerLibFixture::InstallStandIn()
{
    InstallFile(BinDirectory() + "Somna.dll");
}

void PowerLibFixture::InstallIncompleteStandIn()
{
    InstallFile(tessel::ProgramDirectory() + "SomnaIncomplete.dll");
}

void PowerLibFixture::InstallFile(const std::string& from)
{
    ASSERT_TRUE(CopyFileA(from.c_str(), LibraryPath().c_str(), FALSE)) << from;
}

std::vector<std::string> PowerLibFixture::Calls() const
{
    std::istringstream text(ReadTextFile(ProgramDir() + "somna.log"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void PowerLibFixture::ClearCalls()
{
    DeleteFileA((ProgramDir() + "somna.log").c_str());
}

} // namespace kova::test
