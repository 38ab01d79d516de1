#include "archive/win/archiver_bridge.h"

#include "archive/archive_commands.h"
#include "archive/win/ansi_text.h"
#include "archive/win/archiver_api.h"
#include "platform/unique_handle.h"
#include "shell/shell_texts.h"

namespace tarvelo::archive::win {

namespace {

template <typename Fn>
Fn lookUp(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct Names {
    const char* getVersion;
    const char* command;
    const char* open;
    const char* close;
    const char* findFirst;
    const char* findNext;
    const char* getFileName;
    const char* config;
    DWORD openMode;
};

const Names& namesOf(ArchiverLibrary library) {
    static const Names kSevenZip = {"SevenZipGetVersion", "SevenZip", "SevenZipOpenArchive", "SevenZipCloseArchive",
                                    "SevenZipFindFirst", "SevenZipFindNext", "SevenZipGetFileName",
                                    "SevenZipConfigDialog", kSevenZipOpenMode};
    static const Names kUnrar = {"UnrarGetVersion", "Unrar", "UnrarOpenArchive", "UnrarCloseArchive",
                                 "UnrarFindFirst", "UnrarFindNext", "UnrarGetFileName", "UnrarConfigDialog",
                                 kUnrarOpenMode};
    return library == ArchiverLibrary::SevenZip ? kSevenZip : kUnrar;
}

}  // namespace

HMODULE loadArchiverLibrary(ArchiverLibrary library) {
    return LoadLibraryExW(archiverFileName(library), nullptr, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
}

bool archiverVersionText(ArchiverLibrary library, wchar_t* buffer, size_t capacity) {
    std::wstring text;
    bool ok = false;
    {
        platform::UniqueModule module(loadArchiverLibrary(library));
        if (!module) {
            text = archiverStatusText(library, ProbeResult::NotFound);
        } else if (auto getVersion = lookUp<GetVersionFn>(module.get(), namesOf(library).getVersion)) {
            const WORD v = getVersion();
            text = archiverStatusText(library, ProbeResult::Installed, v);
            ok = true;
        } else {
            text = archiverStatusText(library, ProbeResult::ImportError);
        }
    }
    if (buffer && text.size() < capacity) {
        text.copy(buffer, text.size());
        buffer[text.size()] = L'\0';
    }
    return ok;
}

ArchiverBridge::ArchiverBridge(HWND owner) : owner_(owner) {
    std::wstring scratch(4096, L'\0');
    sevenZipAvailable = sevenZipVersionText(scratch.data(), scratch.size());
    unrarAvailable = unrarVersionText(scratch.data(), scratch.size());
}

ArchiverBridge::~ArchiverBridge() {
    memberNames.clear();
    sevenZipAvailable = false;
    unrarAvailable = false;
}

bool ArchiverBridge::sevenZipVersionText(wchar_t* buffer, size_t capacity) const {
    return archiverVersionText(ArchiverLibrary::SevenZip, buffer, capacity);
}

bool ArchiverBridge::unrarVersionText(wchar_t* buffer, size_t capacity) const {
    return archiverVersionText(ArchiverLibrary::Unrar, buffer, capacity);
}

bool ArchiverBridge::listMembers(const std::wstring& archive) {
    memberNames.clear();
    lastFailure = BridgeFailure::NotServed;
    const std::optional<ArchiverLibrary> library = libraryForArchive(archive);
    if (!library) return false;
    if (*library == ArchiverLibrary::SevenZip ? !sevenZipAvailable : !unrarAvailable) return false;
    const std::optional<std::string> path = toAnsi(archive);
    if (!path) {
        lastFailure = BridgeFailure::Unrepresentable;
        return false;
    }
    const Names& names = namesOf(*library);
    platform::UniqueModule module(loadArchiverLibrary(*library));
    lastFailure = BridgeFailure::NotFound;
    if (!module) return false;
    auto open = lookUp<OpenArchiveFn>(module.get(), names.open);
    auto close = lookUp<CloseArchiveFn>(module.get(), names.close);
    auto findNext = lookUp<FindNextFn>(module.get(), names.findNext);
    auto findFirst = lookUp<FindFirstFn>(module.get(), names.findFirst);
    auto getFileName = lookUp<GetFileNameFn>(module.get(), names.getFileName);
    lastFailure = BridgeFailure::ImportError;
    if (!open || !close || !findNext || !findFirst || !getFileName) return false;
    ArchiveHandle handle = open(nullptr, path->c_str(), names.openMode);
    lastFailure = BridgeFailure::CannotOpen;
    if (!handle) return false;
    std::string name(kNameBufferBytes, '\0');
    for (int found = findFirst(handle, "*", nullptr); found != kFindEnd; found = findNext(handle, nullptr)) {
        name.assign(kNameBufferBytes, '\0');
        getFileName(handle, name.data(), kNameBufferBytes);
        name.back() = '\0';  // a library that fills the whole buffer still ends here
        memberNames.push_back(fromAnsi(std::string_view(name.c_str())));
    }
    close(handle);
    sortMemberNames(memberNames);
    lastFailure = BridgeFailure::None;
    return true;
}

bool ArchiverBridge::runCommand(ArchiverLibrary library, const std::string& commandLine) {
    platform::UniqueModule module(loadArchiverLibrary(library));
    if (!module) {
        lastFailure = BridgeFailure::NotFound;
        MessageBoxW(owner_, archiverStatusText(library, ProbeResult::NotFound).c_str(), shell::kAppCaption,
                    MB_OK | MB_ICONERROR);
        return false;
    }
    auto command = lookUp<CommandFn>(module.get(), namesOf(library).command);
    if (!command) {
        lastFailure = BridgeFailure::ImportError;
        module.reset();
        MessageBoxW(owner_, archiverStatusText(library, ProbeResult::ImportError).c_str(), shell::kAppCaption,
                    MB_OK | MB_ICONERROR);
        return false;
    }
    std::string output(kCommandOutputBytes + 1, '\0');
    const int result = command(nullptr, commandLine.c_str(), output.data(), kCommandOutputBytes);
    lastFailure = result == 0 ? BridgeFailure::None : BridgeFailure::LibraryFailed;
    return result == 0;
}

bool ArchiverBridge::extract(ArchiverLibrary library, const std::wstring& destination, const std::wstring& archive,
                             const std::optional<std::wstring>& member) {
    CreateDirectoryW(destination.c_str(), nullptr);
    SetCurrentDirectoryW(destination.c_str());
    const std::optional<std::string> d = toAnsi(destination);
    const std::optional<std::string> a = toAnsi(archive);
    const std::optional<std::string> m = member ? toAnsi(*member) : std::optional<std::string>(std::string());
    if (!d || !a || !m) {
        lastFailure = BridgeFailure::Unrepresentable;
        return false;
    }
    const std::string line = library == ArchiverLibrary::SevenZip ? sevenZipExtractCommand(*a, *d, *m)
                                                                  : unrarExtractCommand(*a, *d, *m);
    return runCommand(library, line);
}

bool ArchiverBridge::extractSevenZip(const std::wstring& destination, const std::wstring& archive,
                                     const std::optional<std::wstring>& member) {
    return extract(ArchiverLibrary::SevenZip, destination, archive, member);
}

bool ArchiverBridge::extractUnrar(const std::wstring& destination, const std::wstring& archive,
                                  const std::optional<std::wstring>& member) {
    return extract(ArchiverLibrary::Unrar, destination, archive, member);
}

bool ArchiverBridge::compressSevenZip(const std::wstring& source, const std::wstring& archive, int levelIndex,
                                      bool recurse) {
    const std::optional<std::string> s = toAnsi(source);
    const std::optional<std::string> a = toAnsi(archive);
    if (!s || !a) {
        lastFailure = BridgeFailure::Unrepresentable;
        return false;
    }
    return runCommand(ArchiverLibrary::SevenZip, sevenZipCompressCommand(*a, *s, isZipArchiveName(archive), levelIndex, recurse));
}

bool ArchiverBridge::showArchiverConfig(ArchiverLibrary library, HWND owner) {
    platform::UniqueModule module(loadArchiverLibrary(library));
    if (!module) return false;
    auto config = lookUp<ConfigDialogFn>(module.get(), namesOf(library).config);
    if (!config) return false;
    char scratch[kNameBufferBytes] = {};
    config(owner, scratch, 1);
    return true;
}

}  // namespace tarvelo::archive::win
