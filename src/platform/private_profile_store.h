#pragma once
// The per-user settings file through the platform's private-profile calls.
#include <string>

#include "shell/ini_store.h"

namespace tarvelo::platform {

class PrivateProfileStore : public shell::IniStore {
public:
    // Strings longer than this many characters read as the default instead
    // of being cut short.
    static constexpr size_t kMaxStringLength = 1u << 24;

    explicit PrivateProfileStore(std::wstring filePath);

    int readInt(std::wstring_view section, std::wstring_view key, int defaultValue) const override;
    std::wstring readString(std::wstring_view section, std::wstring_view key,
                            std::wstring_view defaultValue) const override;
    bool writeInt(std::wstring_view section, std::wstring_view key, int value) override;
    bool writeString(std::wstring_view section, std::wstring_view key,
                     std::wstring_view value) override;

    const std::wstring& filePath() const { return filePath_; }

private:
    std::wstring filePath_;
};

// Makes a missing (or empty) file a UTF-16LE file holding only its byte order
// mark. The private-profile calls keep writing a file in the encoding they
// find; a file they create themselves is ANSI, which turns Japanese into '?'.
// False only when the file is missing and cannot be created.
bool ensureUnicodeProfileFile(const std::wstring& filePath);

}  // namespace tarvelo::platform
