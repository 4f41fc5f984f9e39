#pragma once

#include "Util/FileSystem.h"

#include <filesystem>
#include <string>

// A path as the program shows it: UTF-8, with the system's separators ("a/b" is "a\b" on Windows).
inline std::string Shown(std::filesystem::path path) { return Tessel::Util::ToText(path.make_preferred()); }

// The root of the current drive as the program shows it: "/", or "C:\" on Windows.
inline std::string ShownRoot() {
    return Tessel::Util::ResolveAbsolutePath(std::string(1, Tessel::Util::PreferredSeparator)).value();
}
