#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "filelist/drop_files_block.h"
#include "filelist/win/drag_source.h"
#include "filelist/win/drop_target.h"
#include "filelist/win/dropped_files.h"

namespace tarvelo::filelist::win {
namespace {

const std::wstring kJapanesePath = L"C:\\\u30c7\u30fc\u30bf\\\u65e5\u672c\u8a9e\u306e\u6587\u66f8.txt";

std::wstring longPath(size_t length) {
    std::wstring p = L"C:\\deep\\";
    while (p.size() < length) p += L"folder\u30d5\\";
    p.resize(length);
    return p;
}

// All paths of a drop handle through the shell's own reader.
std::vector<std::wstring> shellPaths(HDROP drop) {
    std::vector<std::wstring> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring p(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        p.resize(DragQueryFileW(drop, i, p.data(), static_cast<UINT>(p.size())));
        paths.push_back(p);
    }
    return paths;
}

class OleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        liveBefore = liveDragObjectCount();
    }
    void TearDown() override {
        EXPECT_EQ(liveDragObjectCount(), liveBefore) << "a data object or drop source leaked";
        OleUninitialize();
    }
    long liveBefore = 0;
};

FORMATETC formatOf(CLIPFORMAT cf, DWORD tymed = TYMED_HGLOBAL, DWORD aspect = DVASPECT_CONTENT) {
    return FORMATETC{cf, nullptr, aspect, -1, tymed};
}

using DragDataObjectTest = OleTest;

TEST_F(DragDataObjectTest, HandsOutTheFileDropBlockInFixedMemory) {
    const std::vector<std::wstring> paths = {kJapanesePath, longPath(300), L"C:\\a.txt"};
    IDataObject* data = nullptr;
    ASSERT_EQ(createFileDataObject(paths, DROPEFFECT_COPY, &data), S_OK);
    ASSERT_NE(data, nullptr);

    FORMATETC f = formatOf(CF_HDROP);
    STGMEDIUM medium{};
    ASSERT_EQ(data->GetData(&f, &medium), S_OK);
    ASSERT_EQ(medium.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    EXPECT_EQ(medium.pUnkForRelease, nullptr);

    const std::vector<uint8_t> expected = buildDropFilesBlock(paths);
    ASSERT_GE(GlobalSize(medium.hGlobal), expected.size());
    void* bytes = GlobalLock(medium.hGlobal);
    EXPECT_EQ(bytes, static_cast<void*>(medium.hGlobal)) << "fixed memory locks to its own handle";
    EXPECT_EQ(std::memcmp(bytes, expected.data(), expected.size()), 0);
    GlobalUnlock(medium.hGlobal);
    EXPECT_EQ(shellPaths(static_cast<HDROP>(medium.hGlobal)), paths);
    ReleaseStgMedium(&medium);

    // Every request gets a block of its own.
    STGMEDIUM second{};
    ASSERT_EQ(data->GetData(&f, &second), S_OK);
    EXPECT_EQ(shellPaths(static_cast<HDROP>(second.hGlobal)), paths);
    ReleaseStgMedium(&second);

    EXPECT_EQ(data->Release(), 0u);
}

TEST_F(DragDataObjectTest, OffersThePreferredEffect) {
    IDataObject* data = nullptr;
    ASSERT_EQ(createFileDataObject({L"C:\\x"}, DROPEFFECT_MOVE, &data), S_OK);
    FORMATETC f = formatOf(preferredDropEffectFormat());
    STGMEDIUM medium{};
    ASSERT_EQ(data->GetData(&f, &medium), S_OK);
    ASSERT_GE(GlobalSize(medium.hGlobal), sizeof(DWORD));
    DWORD effect = 0;
    std::memcpy(&effect, GlobalLock(medium.hGlobal), sizeof effect);
    GlobalUnlock(medium.hGlobal);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
    ReleaseStgMedium(&medium);
    data->Release();
}

TEST_F(DragDataObjectTest, AnswersFormatQueries) {
    IDataObject* data = nullptr;
    ASSERT_EQ(createFileDataObject({L"C:\\x"}, DROPEFFECT_COPY, &data), S_OK);
    const struct {
        const char* name;
        FORMATETC format;
        HRESULT expected;
    } cases[] = {
        {"file drop", formatOf(CF_HDROP), S_OK},
        {"file drop, any medium incl. HGLOBAL", formatOf(CF_HDROP, TYMED_HGLOBAL | TYMED_ISTREAM), S_OK},
        {"preferred effect", formatOf(preferredDropEffectFormat()), S_OK},
        {"file drop as a stream", formatOf(CF_HDROP, TYMED_ISTREAM), DV_E_TYMED},
        {"file drop as an icon", formatOf(CF_HDROP, TYMED_HGLOBAL, DVASPECT_ICON), DV_E_DVASPECT},
        {"text", formatOf(CF_UNICODETEXT), DV_E_FORMATETC},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FORMATETC f = c.format;
        EXPECT_EQ(data->QueryGetData(&f), c.expected);
        STGMEDIUM medium{};
        const HRESULT got = data->GetData(&f, &medium);
        EXPECT_EQ(got, c.expected);
        if (got == S_OK) ReleaseStgMedium(&medium);
    }

    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
    FORMATETC listed[4] = {};
    ULONG fetched = 0;
    formats->Next(4, listed, &fetched);
    ASSERT_EQ(fetched, 2u);
    EXPECT_EQ(listed[0].cfFormat, CF_HDROP);
    EXPECT_EQ(listed[1].cfFormat, preferredDropEffectFormat());
    for (ULONG i = 0; i < fetched; ++i) EXPECT_EQ(listed[i].tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    formats->Release();
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, &formats), E_NOTIMPL);
    EXPECT_EQ(formats, nullptr);
    data->Release();
}

TEST_F(DragDataObjectTest, CountsReferencesAndFreesItself) {
    IDataObject* data = nullptr;
    ASSERT_EQ(createFileDataObject({L"C:\\x"}, DROPEFFECT_COPY, &data), S_OK);
    EXPECT_EQ(liveDragObjectCount(), liveBefore + 1);
    EXPECT_EQ(data->AddRef(), 2u);
    IUnknown* unknown = nullptr;
    ASSERT_EQ(data->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(unknown->Release(), 2u);
    void* wrong = &data;
    EXPECT_EQ(data->QueryInterface(IID_IDropTarget, &wrong), E_NOINTERFACE);
    EXPECT_EQ(wrong, nullptr);
    EXPECT_EQ(data->Release(), 1u);
    EXPECT_EQ(data->Release(), 0u);
    EXPECT_EQ(liveDragObjectCount(), liveBefore);

    IDropSource* source = nullptr;
    ASSERT_EQ(createFileDropSource(&source), S_OK);
    EXPECT_EQ(liveDragObjectCount(), liveBefore + 1);
    IDropSource* again = nullptr;
    ASSERT_EQ(source->QueryInterface(IID_IDropSource, reinterpret_cast<void**>(&again)), S_OK);
    EXPECT_EQ(again->Release(), 1u);
    EXPECT_EQ(source->Release(), 0u);
}

TEST_F(DragDataObjectTest, NothingToDragMakesNoObject) {
    IDataObject* data = reinterpret_cast<IDataObject*>(&liveBefore);
    EXPECT_EQ(createFileDataObject({}, DROPEFFECT_COPY, &data), E_INVALIDARG);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(createFileDataObject({L""}, DROPEFFECT_COPY, &data), E_INVALIDARG);
    EXPECT_EQ(runFileDrag({}, true), static_cast<DWORD>(DROPEFFECT_NONE));
}

TEST_F(DragDataObjectTest, DropSourceFollowsEscAndTheLeftButton) {
    IDropSource* source = nullptr;
    ASSERT_EQ(createFileDropSource(&source), S_OK);
    const struct {
        BOOL esc;
        DWORD keys;
        HRESULT expected;
    } cases[] = {
        {FALSE, MK_LBUTTON, S_OK},
        {FALSE, MK_LBUTTON | MK_CONTROL, S_OK},
        {TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
        {TRUE, 0, DRAGDROP_S_CANCEL},
        {FALSE, 0, DRAGDROP_S_DROP},
        {FALSE, MK_CONTROL | MK_SHIFT, DRAGDROP_S_DROP},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "esc " << c.esc << " keys " << c.keys);
        EXPECT_EQ(source->QueryContinueDrag(c.esc, c.keys), c.expected);
    }
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
    source->Release();
}

// A window that accepts drops and answers with a chosen effect.
class RecordingTarget final : public IDropTarget {
public:
    DWORD answer = DROPEFFECT_COPY;
    DWORD allowedSeen = 0;
    bool dropped = false;
    std::vector<std::wstring> paths;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }  // lives on the test's stack
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        allowedSeen = *effect;
        *effect &= answer;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect &= answer;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        dropped = true;
        FORMATETC f = formatOf(CF_HDROP);
        STGMEDIUM medium{};
        if (data->GetData(&f, &medium) == S_OK) {
            paths = shellPaths(static_cast<HDROP>(medium.hGlobal));
            ReleaseStgMedium(&medium);
        }
        *effect &= answer;
        return S_OK;
    }
    ULONG refs = 1;
};

class FileDragTest : public OleTest {
protected:
    void SetUp() override {
        OleTest::SetUp();
        // Not a static control: those are transparent to pointer hit tests.
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TarveloDropTestWindow";
        RegisterClassW(&wc);
        window = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"drop here", WS_POPUP | WS_VISIBLE, 100, 100,
                                 300, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(RegisterDragDrop(window, &target), S_OK);
        SetCursorPos(250, 250);
        MSG msg;
        for (int i = 0; i < 20; ++i) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            Sleep(10);
        }
        POINT at{};
        GetCursorPos(&at);
        ASSERT_EQ(WindowFromPoint(at), window) << "the pointer must rest on the drop window";
    }
    void TearDown() override {
        if (window) {
            RevokeDragDrop(window);
            DestroyWindow(window);
        }
        EXPECT_EQ(target.refs, 1u) << "the drag loop left references on the target";
        OleTest::TearDown();
    }
    HWND window = nullptr;
    RecordingTarget target;
};

// With no button held the drag drops at once where the pointer rests.
TEST_F(FileDragTest, DropsThePathsOnTheWindowUnderThePointer) {
    const std::vector<std::wstring> paths = {kJapanesePath, longPath(280)};
    target.answer = DROPEFFECT_COPY;
    EXPECT_EQ(runFileDrag(paths, false), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_TRUE(target.dropped);
    EXPECT_EQ(target.allowedSeen, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(target.paths, paths);
}

TEST_F(FileDragTest, ControlDragAllowsMoveAndLink) {
    target.answer = DROPEFFECT_MOVE;
    EXPECT_EQ(runFileDrag({L"C:\\one.txt"}, true), static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_EQ(target.allowedSeen, static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK));
    EXPECT_EQ(target.paths, std::vector<std::wstring>{L"C:\\one.txt"});
}

TEST_F(FileDragTest, ATargetRefusingTheEffectGivesNone) {
    target.answer = DROPEFFECT_MOVE;  // but only copy is allowed
    EXPECT_EQ(runFileDrag({L"C:\\one.txt"}, false), static_cast<DWORD>(DROPEFFECT_NONE));
}

class RecordingHandler final : public FileDropHandler {
public:
    bool accepting = true;
    std::vector<std::wstring> paths;
    int calls = 0;
    bool acceptsDrops() override { return accepting; }
    void filesDropped(std::vector<std::wstring> dropped, POINT) override {
        ++calls;
        paths = std::move(dropped);
    }
};

// The list's own target: it takes a copy when the window accepts drops and
// never answers "moved", so a source never deletes what was only offered.
TEST_F(FileDragTest, TheListTargetTakesCopiesOnlyAndOnlyWhenAccepting) {
    RevokeDragDrop(window);  // the recording target steps aside
    const std::vector<std::wstring> paths = {kJapanesePath, L"C:\\two.txt"};
    const struct {
        const char* name;
        bool accepting;
        bool allowMove;
        DWORD effect;
    } cases[] = {
        {"copy offered", true, false, DROPEFFECT_COPY},
        {"move offered too", true, true, DROPEFFECT_COPY},
        {"window busy", false, true, DROPEFFECT_NONE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingHandler handler;
        handler.accepting = c.accepting;
        DropTargetRegistration registration;
        ASSERT_EQ(registration.attach(window, handler), S_OK);
        EXPECT_EQ(runFileDrag(paths, c.allowMove), c.effect);
        EXPECT_EQ(handler.calls, c.accepting ? 1 : 0);
        EXPECT_EQ(handler.paths, c.accepting ? paths : std::vector<std::wstring>{});
        registration.revoke();
        // Revoked: the window takes nothing more.
        EXPECT_EQ(runFileDrag(paths, false), static_cast<DWORD>(DROPEFFECT_NONE));
        EXPECT_EQ(handler.calls, c.accepting ? 1 : 0);
    }
}

// A drop handle as the system hands it to WM_DROPFILES: the block with a drop
// point, in movable global memory.
HDROP makeDrop(const std::vector<std::wstring>& paths, LONG x, LONG y, bool nonClient) {
    std::vector<uint8_t> block = buildDropFilesBlock(paths);
    if (block.empty()) {  // a drop without files: header and an empty double-zero list
        block.assign(kDropFilesHeaderSize + 4, 0);
        block[0] = static_cast<uint8_t>(kDropFilesHeaderSize);
        block[16] = 1;
    }
    std::memcpy(block.data() + 4, &x, 4);
    std::memcpy(block.data() + 8, &y, 4);
    const uint32_t nc = nonClient ? 1 : 0;
    std::memcpy(block.data() + 12, &nc, 4);
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, block.size());
    std::memcpy(GlobalLock(h), block.data(), block.size());
    GlobalUnlock(h);
    return static_cast<HDROP>(h);
}

TEST(DroppedFilesTest, ReadsEveryPathWholeWithThePoint) {
    const std::vector<std::wstring> paths = {kJapanesePath, longPath(261), longPath(5200), L"D:\\z"};
    UniqueDrop drop(makeDrop(paths, 37, 52, false));
    const DroppedFiles got = readDroppedFiles(drop.get());
    EXPECT_EQ(got.paths, paths);
    EXPECT_EQ(got.point.x, 37);
    EXPECT_EQ(got.point.y, 52);
    EXPECT_TRUE(got.inClientArea);
    EXPECT_EQ(got.skippedTooLong, 0u);
}

TEST(DroppedFilesTest, SkipsAPathTooLongToKeepInsteadOfCuttingIt) {
    const std::wstring tooLong = longPath(kMaxDroppedPathLength + 1);
    UniqueDrop drop(makeDrop({L"C:\\first", tooLong, L"C:\\last", tooLong + L"x"}, 5, 6, true));
    const DroppedFiles got = readDroppedFiles(drop.get());
    EXPECT_EQ(got.paths, (std::vector<std::wstring>{L"C:\\first", L"C:\\last"}));
    EXPECT_EQ(got.skippedTooLong, 2u);
    EXPECT_FALSE(got.inClientArea);
}

TEST(DroppedFilesTest, EmptyAndMissingDropsGiveNothing) {
    UniqueDrop drop(makeDrop({}, 0, 0, false));
    EXPECT_EQ(readDroppedFiles(drop.get()).paths, std::vector<std::wstring>{});
    EXPECT_TRUE(readDroppedFiles(nullptr).paths.empty());
}

}  // namespace
}  // namespace tarvelo::filelist::win
