#pragma once
// Where the settings live: both kinds of file sit next to the executable.
#include <string>
#include <string_view>

namespace tarvelo::shell {

// The per-user settings file: drive, directory and base name of the
// executable, "_", user, "@", computer, "_#2" for a second instance, ".ini".
// "C:\Tools\Tarvelo.exe", alice, PC1 -> "C:\Tools\Tarvelo_alice@PC1.ini".
std::wstring settingsFileName(std::wstring_view executablePath, std::wstring_view userName,
                              std::wstring_view computerName, bool secondInstance);

// A per-section data file, shared by all users and instances:
// "C:\Tools\Tarvelo.exe", SaveData -> "C:\Tools\Tarvelo_SaveData.ini".
std::wstring dataFileName(std::wstring_view executablePath, std::wstring_view section);

}  // namespace tarvelo::shell
