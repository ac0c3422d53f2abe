#pragma once
// Preconditions of the whole code base. A failed TESSEL_ASSERT reports the expression, the source
// unit (file name without folder and extension) and the line to the installed handler. The default
// handler shows a message box and ends the program; tests install one that throws.

#include <stdexcept>
#include <string>

namespace tessel {

struct AssertionFailure {
    std::string expression;
    std::string unit;
    int line = 0;

    // "<expression>" in unit <unit>, line <line>
    std::string Message() const;
};

// Thrown by the handler that tests install.
class AssertionError : public std::logic_error {
public:
    explicit AssertionError(const AssertionFailure& failure);
    const AssertionFailure& Failure() const { return m_failure; }

private:
    AssertionFailure m_failure;
};

using AssertHandler = void (*)(const AssertionFailure&);

// Returns the previous handler; null restores the default.
AssertHandler SetAssertHandler(AssertHandler handler);
void ThrowingAssertHandler(const AssertionFailure& failure);

// "C:\src\WinRegistry.cpp" -> "WinRegistry"
std::string SourceUnit(const char* path);

[[noreturn]] void AssertFailed(const char* expression, const char* file, int line);

} // namespace tessel

#define TESSEL_ASSERT(expr) \
    ((expr) ? static_cast<void>(0) : ::tessel::AssertFailed(#expr, __FILE__, __LINE__))
