#pragma once
// The ten files most recently opened through the menu, in "RecentFile.ini" beside the program:
// a ring of slots "Name%02d"/"Path%02d" in section "RecentFile", of which "Victim" names the one
// the next new entry overwrites. Readers list the slots by index, not by age.

#include "tessel/System/IniAccessor.h"

#include <string>

class RecentFiles : public tessel::IniAccessor {
public:
    static RecentFiles& Instance();

    // A store on another file (the program's own is "RecentFile.ini" in its directory).
    explicit RecentFiles(const std::string& iniPath);

    int Capacity() const { return 10; }
    // True with the slot's name and path when both are stored; false with both empty otherwise.
    bool GetEntry(int index, std::string& name, std::string& path);
    // True when a slot holds exactly this name and path (case matters).
    bool Contains(const std::string& name, const std::string& path);
    // Stores the entry in the oldest slot unless it is there already. Always true.
    bool Add(const std::string& name, const std::string& path);
    // Writes the system's cached copy of the file to disk.
    void Flush();

private:
    int Victim() const;
};
