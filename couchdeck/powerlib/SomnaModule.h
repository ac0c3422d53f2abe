#pragma once
// The maker's power-saving library as both bindings see it: where its file lies, the calling
// conventions of its exports and the module that holds them.

#include "tessel/System/UniqueHandle.h"

#include <windows.h>

#include <string>

// Every export removes its own arguments; only the low byte of a result counts.
using SomnaResult = BOOL;
using SomnaProc = SomnaResult(__stdcall*)();
using SomnaArgProc = SomnaResult(__stdcall*)(DWORD value);
using SomnaOutProc = SomnaResult(__stdcall*)(DWORD* value);

inline bool SomnaSucceeded(SomnaResult result)
{
    return (static_cast<unsigned>(result) & 0xFFu) != 0;
}

// The library file in a program directory (which ends in a backslash, or is empty).
std::string SomnaLibraryPath(const std::string& programDirectory);

// True when a file (not a folder) lies at the path.
bool SomnaLibraryPresent(const std::string& path);

// An out call that counts only when it succeeded and answered exactly 1.
bool SomnaAnswersOne(SomnaOutProc proc);

// The loaded library. Entry points are looked up all or nothing: a library that lacks one of
// them is given back at once and treated as absent.
class SomnaModule {
public:
    SomnaModule() = default;

    bool Load(const std::string& path);
    bool IsLoaded() const { return m_module.valid(); }
    void Unload() { m_module.reset(); }

    // Sets proc to the export, or to null when it is missing; true when it was found.
    template <typename Proc>
    bool Resolve(const char* name, Proc& proc) const
    {
        proc = reinterpret_cast<Proc>(
            reinterpret_cast<void (*)()>(GetProcAddress(m_module.get(), name)));
        return proc != nullptr;
    }

private:
    tessel::UniqueModule m_module;
};
