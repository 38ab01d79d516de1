#include "launch/ext_app_table.h"

#include <vector>

#include "launch/ext_app_entry.h"

namespace tarvelo::launch {

namespace {

constexpr const wchar_t* kDefaultEntries[] = {
    L".txt = notepad.exe",
    L".bat .cmd .ini .log = notepad.exe",
    L".html .css .js .json = notepad.exe",
    L".zip .7z .rar = ",
    L".mp4 .mp3 .avi .wav .wmv = ",
};

}  // namespace

std::wstring extAppKey(int row) {
    const int number = row + 1;
    return (number < 10 ? L"ExtApp_0" : L"ExtApp_") + std::to_wstring(number);
}

std::wstring_view ExtAppTable::entry(int row) const {
    if (row < 0 || row >= kExtAppRows) return {};
    return entries_[static_cast<size_t>(row)];
}

void ExtAppTable::setEntry(int row, std::wstring text) {
    if (row < 0 || row >= kExtAppRows) return;
    // Without "=", over-long or badly encoded: the row is empty, the others
    // are kept.
    if (!splitExtAppEntry(text)) text.clear();
    entries_[static_cast<size_t>(row)] = std::move(text);
}

shell::DataFileState ExtAppTable::load(const shell::SectionFileStore& store) {
    std::vector<std::wstring> keys;
    for (int row = 0; row < kExtAppRows; ++row) keys.push_back(extAppKey(row));
    shell::SectionValues got = store.readMany(kExtAppDataSection, keys);
    for (int row = 0; row < kExtAppRows; ++row) setEntry(row, std::move(got.values[static_cast<size_t>(row)]));
    return got.state;
}

bool ExtAppTable::loadOrSeed(shell::SectionFileStore& store) {
    if (load(store) != shell::DataFileState::Missing) return false;
    for (int row = 0; row < kExtAppRows; ++row) {
        setEntry(row, row < static_cast<int>(std::size(kDefaultEntries)) ? kDefaultEntries[row] : L"");
    }
    save(store);
    return true;
}

bool ExtAppTable::save(shell::SectionFileStore& store) const {
    std::vector<shell::SectionFileStore::KeyValue> pairs;
    for (int row = 0; row < kExtAppRows; ++row) pairs.push_back({extAppKey(row), entries_[static_cast<size_t>(row)]});
    return store.writeMany(kExtAppDataSection, pairs);
}

}  // namespace tarvelo::launch
