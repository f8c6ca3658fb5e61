// What the executable carries for Windows itself: her face as the icon of
// the program and of its window, the version record and the manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <cwctype>
#include <string>

#include "app/win/main_stage.h"
#include "base/product_identity.h"
#include "stage_driver.h"

namespace velmira {
namespace {

const void* ResourceData(const wchar_t* name, const wchar_t* type, DWORD& size) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, type);
    if (!found) return nullptr;
    size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    return loaded ? LockResource(loaded) : nullptr;
}

TEST(ProgramResources, TheIconHasSmallAndLargeSizes) {
    for (int size : {16, 32}) {
        SCOPED_TRACE(size);
        HICON icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bm{};
        GetObjectW(info.hbmColor, sizeof(bm), &bm);
        EXPECT_EQ(bm.bmWidth, size) << "a drawn size, not a stretched one";
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(ProgramResources, TheMainStageWindowCarriesTheIcon) {
    TMainStage stage{drive::TestApplication(), drive::Environment()};
    ASSERT_TRUE(stage.Create());
    EXPECT_NE(GetClassLongPtrW(stage.Handle(), GCLP_HICON), 0);
    EXPECT_NE(GetClassLongPtrW(stage.Handle(), GCLP_HICONSM), 0);
    DestroyWindow(stage.Handle());
}

// The value of a string in the version record, found by its UTF-16 key.
std::wstring VersionString(const void* data, DWORD size, const wchar_t* key) {
    const auto* words = static_cast<const wchar_t*>(data);
    const size_t count = size / sizeof(wchar_t);
    const size_t keyLength = wcslen(key);
    for (size_t i = 0; i + keyLength < count; ++i) {
        if (std::memcmp(words + i, key, (keyLength + 1) * sizeof(wchar_t)) != 0) continue;
        size_t v = i + keyLength + 1;
        while (v < count && words[v] == 0) ++v;  // padding to a 32-bit boundary
        return std::wstring(words + v);
    }
    return std::wstring();
}

TEST(ProgramResources, TheVersionRecordNamesTheProgram) {
    DWORD size = 0;
    const void* data =
        ResourceData(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16) /* RT_VERSION */, size);
    ASSERT_NE(data, nullptr);
    // The fixed part follows its signature.
    const auto* bytes = static_cast<const unsigned char*>(data);
    const VS_FIXEDFILEINFO* fixed = nullptr;
    for (DWORD i = 0; i + sizeof(VS_FIXEDFILEINFO) <= size; i += 4) {
        const auto* candidate = reinterpret_cast<const VS_FIXEDFILEINFO*>(bytes + i);
        if (candidate->dwSignature == 0xFEEF04BD) {
            fixed = candidate;
            break;
        }
    }
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwFileVersionMS,
              static_cast<DWORD>(VELMIRA_VERSION_MAJOR << 16 | VELMIRA_VERSION_MINOR));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(VersionString(data, size, L"ProductName"), L"Velmira時計");
    EXPECT_EQ(VersionString(data, size, L"FileVersion"), L"" VELMIRA_VERSION_TEXT);
}

TEST(ProgramResources, TheManifestAsksForTheCommonControlsStyles) {
    DWORD size = 0;
    const void* data =
        ResourceData(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */, size);
    ASSERT_NE(data, nullptr);
    const std::string manifest(static_cast<const char*>(data), size);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    // And the loader took it: the common controls come from the side-by-side
    // version 6 assembly, not the system folder.
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(comctl, path, MAX_PATH);
    std::wstring lower(path);
    for (wchar_t& c : lower) c = static_cast<wchar_t>(towlower(c));
    EXPECT_NE(lower.find(L"common-controls_6595b64144ccf1df_6."), std::wstring::npos) << lower;
}

}  // namespace
}  // namespace velmira
