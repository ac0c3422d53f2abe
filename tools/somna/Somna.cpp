// The stand-in power-saving library: every export logs its call, answers as the environment
// says, and does the nearest real thing for sound and screen.
//
//   SOMNA_LOG=<file>             one line per call: the export name, then its input in decimal
//   SOMNA_FAIL=<name>,<name>...  these exports report failure (and change nothing)
//   SOMNA_OUT_<EXPORT>=<number>  the out value of that export (name in capitals)

#include "SomnaDevice.h"
#include "SomnaEffects.h"

#include "tessel/System/Environment.h"
#include "tessel/System/LogLine.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

namespace {

std::string Environment(const char* name)
{
    return tessel::EnvironmentValue(name).value_or(std::string());
}

void AppendToLog(const std::string& line)
{
    if (const auto path = tessel::EnvironmentValue("SOMNA_LOG"))
        tessel::AppendLogLine(*path, line);
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
        std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) ==
                std::tolower(static_cast<unsigned char>(y));
        });
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ListedToFail(const char* name)
{
    const std::string list = Environment("SOMNA_FAIL");
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = list.find(',', start);
        const std::size_t end = comma == std::string::npos ? list.size() : comma;
        if (SameName(Trimmed(list.substr(start, end - start)), name))
            return true;
        start = end + 1;
    }
    return false;
}

DWORD OutValue(const char* name, DWORD natural)
{
    std::string variable = std::string("SOMNA_OUT_") + name;
    for (char& c : variable)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::string text = Trimmed(Environment(variable.c_str()));
    if (text.empty())
        return natural;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 0);
    return *end == '\0' ? static_cast<DWORD>(value) : natural;
}

BOOL Answer(const char* name)
{
    AppendToLog(name);
    return ListedToFail(name) ? FALSE : TRUE;
}

BOOL AnswerWith(const char* name, DWORD input)
{
    AppendToLog(std::string(name) + " " + std::to_string(input));
    return ListedToFail(name) ? FALSE : TRUE;
}

// A failing call still fills its out value, as a careless library might: callers must not
// trust it.
BOOL AnswerOut(const char* name, DWORD* out, DWORD natural)
{
    AppendToLog(name);
    if (out != nullptr)
        *out = OutValue(name, natural);
    return ListedToFail(name) ? FALSE : TRUE;
}

} // namespace

extern "C" {

BOOL __stdcall SomnaInit()
{
    return Answer("SomnaInit");
}

BOOL __stdcall SomnaIsSupport(DWORD* supported)
{
    return AnswerOut("SomnaIsSupport", supported, 1);
}

BOOL __stdcall SomnaCheckReboot(DWORD* needed)
{
    return AnswerOut("SomnaCheckReboot", needed, 0);
}

BOOL __stdcall SomnaEnable()
{
    return Answer("SomnaEnable");
}

BOOL __stdcall SomnaDisable()
{
    return Answer("SomnaDisable");
}

BOOL __stdcall SomnaSleep()
{
    return Answer("SomnaSleep");
}

BOOL __stdcall SomnaWake()
{
    return Answer("SomnaWake");
}

BOOL __stdcall SomnaSound(DWORD on)
{
    const BOOL result = AnswerWith("SomnaSound", on);
    if (result)
        SwitchSound(on != 0);
    return result;
}

BOOL __stdcall SomnaScreen(DWORD on)
{
    const BOOL result = AnswerWith("SomnaScreen", on);
    if (result)
        SwitchScreen(on != 0);
    return result;
}

BOOL __stdcall TacetIsSupport(DWORD* supported)
{
    return AnswerOut("TacetIsSupport", supported, 1);
}

BOOL __stdcall TacetSleep(DWORD mode)
{
    return AnswerWith("TacetSleep", mode);
}

BOOL __stdcall TacetWake()
{
    return Answer("TacetWake");
}

BOOL __stdcall TacetSetDevice(DWORD on)
{
    return AnswerWith("TacetSetDevice", on) && WritePowerOnSetting(on) ? TRUE : FALSE;
}

BOOL __stdcall TacetGetDevice(DWORD* on)
{
    return AnswerOut("TacetGetDevice", on, ReadPowerOnSetting());
}

BOOL __stdcall TacetCheckPower(DWORD* available)
{
    return AnswerOut("TacetCheckPower", available, 1);
}

} // extern "C"
