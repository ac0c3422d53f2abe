#include "Assert.h"

#include <windows.h>

#include <atomic>

namespace tessel {
namespace {

void DefaultAssertHandler(const AssertionFailure& failure)
{
    const std::string text = "Assertion failed: " + failure.Message();
    OutputDebugStringA(text.c_str());
    MessageBoxA(nullptr, text.c_str(), "Assertion failed", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

std::atomic<AssertHandler> g_handler{nullptr};

} // namespace

std::string AssertionFailure::Message() const
{
    return "\"" + expression + "\" in unit " + unit + ", line " + std::to_string(line);
}

AssertionError::AssertionError(const AssertionFailure& failure)
    : std::logic_error(failure.Message()), m_failure(failure)
{
}

AssertHandler SetAssertHandler(AssertHandler handler)
{
    return g_handler.exchange(handler);
}

void ThrowingAssertHandler(const AssertionFailure& failure)
{
    throw AssertionError(failure);
}

std::string SourceUnit(const char* path)
{
    std::string unit = path ? path : "";
    const auto slash = unit.find_last_of("\\/");
    if (slash != std::string::npos)
        unit.erase(0, slash + 1);
    const auto dot = unit.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        unit.erase(dot);
    return unit;
}

void AssertFailed(const char* expression, const char* file, int line)
{
    const AssertionFailure failure{expression, SourceUnit(file), line};
    if (AssertHandler handler = g_handler.load())
        handler(failure);
    else
        DefaultAssertHandler(failure);
    // A handler that returns does not resume the broken caller.
    ExitProcess(3);
}

} // namespace tessel
