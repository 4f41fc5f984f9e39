#include "Util/VersionInfo.h"
#include "Util/Windows/WideText.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

// Explorer's Details tab and installers read the exe's version resource: it must carry the
// version the program reports of itself, and the product's name.
TEST(VersionResource, TheExeCarriesTheProgramsVersionAndName) {
    const std::wstring exe = Tessel::Util::Widen(LINEWRIGHT_CLI);
    DWORD unused = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(exe.c_str(), &unused);
    ASSERT_NE(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(::GetFileVersionInfoW(exe.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const auto version = Tessel::Util::VersionInfo().GetVersion();
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD(version.major) << 16 | version.minor);
    EXPECT_EQ(fixed->dwFileVersionLS, DWORD(version.build) << 16 | version.revision);

    wchar_t* product = nullptr;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\StringFileInfo\\040904B0\\ProductName",
                                 reinterpret_cast<void**>(&product), &length));
    EXPECT_EQ(std::wstring(product), L"Linewright");
}
