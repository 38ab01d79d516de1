#pragma once
// An in-memory folder tree for the listing's tests: folders hold items in
// "file system order"; items can hide their data from the search or refuse
// to be read, folders can refuse to be entered.
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "filelist/folder_reader.h"

namespace tarvelo::test {

class FakeFolderReader : public filelist::FolderReader {
    class Companion;

public:
    struct Item {
        std::wstring name;
        uint32_t attributes = 0x20;
        uint64_t size = 0;
        filelist::LocalStamp modified;
        bool detailsInSearch = true;  // the search reports size and times
        bool readable = true;         // readDetails succeeds
    };

    std::map<std::wstring, std::vector<Item>> folders;
    std::set<std::wstring> unenterable;
    std::set<std::wstring> unreadable;  // listing it reports nothing (no access)
    std::vector<std::wstring> entered;
    int detailReads = 0;

    // Adds a folder; a non-root folder starts with "." and "..".
    std::vector<Item>& addFolder(const std::wstring& path) {
        std::vector<Item>& items = folders[key(path)];
        if (items.empty() && !isRoot(path)) {
            items.push_back({L".", 0x10});
            items.push_back({L"..", 0x10});
        }
        return items;
    }
    Item& addFile(const std::wstring& folder, const std::wstring& name, uint64_t size = 0) {
        auto& items = addFolder(folder);
        items.push_back({name, 0x20, size});
        return items.back();
    }
    // A sub-folder item in `folder` and its own (empty) folder.
    Item& addSubfolder(const std::wstring& folder, const std::wstring& name) {
        addFolder(join(folder, name));
        auto& items = addFolder(folder);
        items.push_back({name, 0x10, 0});
        return items.back();
    }

    bool enterFolder(std::wstring_view folder) override {
        std::wstring k = key(std::wstring(folder));
        if (unenterable.count(k) || !folders.count(k)) return false;
        entered.push_back(k);
        return true;
    }

    void listItems(std::wstring_view folder, filelist::ItemSink& sink) override { listFrom(folder, sink); }

    // Reads the same tree from another thread (the tree must not change
    // during a load); `companions` false gives none.
    bool companions = true;
    std::unique_ptr<filelist::FolderReader> companion() const override;

    // Called as each folder's read begins, from whichever thread reads it.
    std::function<void(const std::wstring& folder)> onList;

    void listFrom(std::wstring_view folder, filelist::ItemSink& sink) const {
        const std::wstring k = key(std::wstring(folder));
        if (onList) onList(k);
        auto it = folders.find(k);
        if (it == folders.end() || unreadable.count(k)) return;
        const std::vector<Item>& items = it->second;
        for (size_t i = 0; i < items.size(); ++i) {
            const Item& item = items[i];
            filelist::FoundItem found;
            found.name = item.name;
            found.attributes = item.attributes;
            found.detailsKnown = item.detailsInSearch;
            if (item.detailsInSearch) found.details = details(item);
            if (!sink.take(found)) return;
        }
    }

    std::optional<filelist::FileAttributeData> readDetails(std::wstring_view fullPath) override {
        ++detailReads;
        std::wstring path(fullPath);
        const size_t sep = path.find_last_of(L'\\');
        if (sep == std::wstring::npos) return std::nullopt;
        auto it = folders.find(key(path.substr(0, sep + 1)));
        if (it == folders.end()) return std::nullopt;
        for (const Item& item : it->second) {
            if (item.name == path.substr(sep + 1)) {
                if (!item.readable) return std::nullopt;
                return details(item);
            }
        }
        return std::nullopt;
    }

    static std::wstring join(const std::wstring& folder, const std::wstring& name) {
        return (folder.empty() || folder.back() == L'\\') ? folder + name : folder + L"\\" + name;
    }

private:
    static bool isRoot(const std::wstring& path) {
        return path.size() <= 3 && path.size() >= 2 && path[1] == L':';
    }
    static std::wstring key(std::wstring path) {
        if (isRoot(path)) return path.substr(0, 2) + L"\\";
        while (!path.empty() && path.back() == L'\\') path.pop_back();
        return path;
    }
    static filelist::FileAttributeData details(const Item& item) {
        filelist::FileAttributeData d;
        d.attributes = item.attributes;
        d.size = item.size;
        d.modified = item.modified;
        d.created = item.modified;
        d.accessed = item.modified;
        return d;
    }
};

class FakeFolderReader::Companion final : public filelist::FolderReader {
public:
    explicit Companion(const FakeFolderReader& tree) : tree_(tree) {}
    bool enterFolder(std::wstring_view) override { return false; }
    void listItems(std::wstring_view folder, filelist::ItemSink& sink) override { tree_.listFrom(folder, sink); }
    std::optional<filelist::FileAttributeData> readDetails(std::wstring_view) override { return std::nullopt; }

private:
    const FakeFolderReader& tree_;
};

inline std::unique_ptr<filelist::FolderReader> FakeFolderReader::companion() const {
    if (!companions) return nullptr;
    return std::make_unique<Companion>(*this);
}

}  // namespace tarvelo::test
