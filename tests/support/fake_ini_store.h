#pragma once
// In-memory settings file: values kept as text, like the real file, and every
// write recorded in order.
#include <map>
#include <utility>
#include <vector>

#include "shell/ini_store.h"

namespace tarvelo::testing {

class FakeIniStore : public shell::IniStore {
public:
    using Key = std::pair<std::wstring, std::wstring>;  // section, key
    std::map<Key, std::wstring> values;
    std::vector<Key> writeOrder;

    void set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
        values[{std::wstring(section), std::wstring(key)}] = std::wstring(value);
    }

    // Decimal with an optional sign; a stored text without digits reads as 0.
    int readInt(std::wstring_view section, std::wstring_view key, int defaultValue) const override {
        auto it = values.find({std::wstring(section), std::wstring(key)});
        if (it == values.end()) return defaultValue;
        const std::wstring& t = it->second;
        size_t i = 0;
        bool negative = i < t.size() && t[i] == L'-';
        if (i < t.size() && (t[i] == L'-' || t[i] == L'+')) ++i;
        long long v = 0;
        for (; i < t.size() && t[i] >= L'0' && t[i] <= L'9' && v < 0x80000000LL; ++i) {
            v = v * 10 + (t[i] - L'0');
        }
        return static_cast<int>(negative ? -v : v);
    }

    std::wstring readString(std::wstring_view section, std::wstring_view key,
                            std::wstring_view defaultValue) const override {
        auto it = values.find({std::wstring(section), std::wstring(key)});
        return it == values.end() ? std::wstring(defaultValue) : it->second;
    }

    bool writeInt(std::wstring_view section, std::wstring_view key, int value) override {
        return writeString(section, key, std::to_wstring(value));
    }

    bool writeString(std::wstring_view section, std::wstring_view key,
                     std::wstring_view value) override {
        set(section, key, value);
        writeOrder.emplace_back(std::wstring(section), std::wstring(key));
        return true;
    }
};

}  // namespace tarvelo::testing
