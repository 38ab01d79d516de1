#pragma once
// The settings file seen as the listing's integer settings.
#include "filelist/folder_listing.h"
#include "shell/ini_store.h"

namespace tarvelo::shell::win {

class IniIntSettings final : public filelist::IntSettings {
public:
    explicit IniIntSettings(IniStore& ini) : ini_(ini) {}
    int readInt(std::wstring_view section, std::wstring_view key, int defaultValue) const override {
        return ini_.readInt(section, key, defaultValue);
    }
    void writeInt(std::wstring_view section, std::wstring_view key, int value) override {
        ini_.writeInt(section, key, value);
    }

private:
    IniStore& ini_;
};

}  // namespace tarvelo::shell::win
