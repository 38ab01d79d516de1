#pragma once
// Key-by-key access to the per-user settings file (sections, keys, values),
// as the platform's private-profile calls offer it. platform/ implements it;
// tests use an in-memory fake.
#include <string>
#include <string_view>

namespace tarvelo::shell {

class IniStore {
public:
    virtual ~IniStore() = default;

    // The stored decimal integer, or defaultValue when the key is missing.
    virtual int readInt(std::wstring_view section, std::wstring_view key, int defaultValue) const = 0;
    // The stored text (any length), or defaultValue when the key is missing.
    virtual std::wstring readString(std::wstring_view section, std::wstring_view key,
                                    std::wstring_view defaultValue) const = 0;

    // Store decimal text / the text; false when the file could not be written.
    virtual bool writeInt(std::wstring_view section, std::wstring_view key, int value) = 0;
    virtual bool writeString(std::wstring_view section, std::wstring_view key,
                             std::wstring_view value) = 0;
};

}  // namespace tarvelo::shell
