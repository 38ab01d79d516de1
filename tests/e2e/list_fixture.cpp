#include "list_fixture.h"

#include <thread>

namespace tarvelo::e2e {

using namespace std::chrono_literals;

ListFixture::ListFixture(const std::wstring& name) : box(name) {
    std::wstring folder = box.makeFolder(L"data");
    data = folder.substr(0, folder.size() - 1);
    box.makeFolder(L"data\\alpha");
    box.makeFolder(L"data\\beta");
    box.writeFile(L"data\\alpha\\inner.txt", "in");
    box.writeFile(L"data\\beta\\deep.log", "deep!");
    box.writeFile(L"data\\a1.txt", std::string(300, 'a'));
    box.writeFile(L"data\\b2.txt", std::string(100, 'b'));
    box.writeFile(L"data\\c3.txt", std::string(200, 'c'));
}

std::wstring copyWith(WORD vk) {
    clearClipboard();
    pressKey(vk, true);
    std::wstring text;
    waitUntil([&] { return !(text = clipboardText()).empty(); }, 3s, 50ms);
    return text;
}

std::wstring cursorPath() { return copyWith('B'); }

bool waitForCursorPath(const std::wstring& prefix, std::chrono::milliseconds timeout) {
    return waitUntil([&] { return cursorPath().rfind(prefix, 0) == 0; }, timeout, 300ms);
}

}  // namespace tarvelo::e2e
