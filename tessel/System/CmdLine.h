#pragma once
// A command line split at space characters (no quoting, no escaping) and the lookup of options
// introduced by a switch character.

#include <string>
#include <vector>

namespace tessel {

template <typename Char>
class CmdLine {
public:
    using String = std::basic_string<Char>;

    explicit CmdLine(const Char* text, const Char* switchChars = Defaults())
        : m_switchChars(switchChars)
    {
        if (!text)
            return;
        const Char* p = text;
        while (*p != Char(0)) {
            while (*p == Char(' '))
                ++p;
            const Char* start = p;
            while (*p != Char(0) && *p != Char(' '))
                ++p;
            m_arguments.emplace_back(start, p);
        }
    }

    int Count() const { return static_cast<int>(m_arguments.size()); }
    const String& Argument(int index) const { return m_arguments.at(static_cast<size_t>(index)); }

    // Index of the first option whose name after the switch character is exactly `name`;
    // Count() when there is none.
    int FindOption(const String& name) const
    {
        for (int i = 0; i < Count(); ++i) {
            const String& argument = m_arguments[static_cast<size_t>(i)];
            if (argument.empty())
                continue;
            if (m_switchChars.find(argument[0]) != String::npos && argument.compare(1, String::npos, name) == 0)
                return i;
        }
        return Count();
    }

private:
    static const Char* Defaults()
    {
        static const Char chars[] = {Char('/'), Char('-'), Char(0)};
        return chars;
    }

    String m_switchChars;
    std::vector<String> m_arguments;
};

} // namespace tessel
