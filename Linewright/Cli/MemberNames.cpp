#include "Linewright/Cli/MemberNames.h"

#include "Util/Exception.h"
#include "Util/PathName.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <optional>

namespace Linewright::Cli {

namespace {

namespace fs = std::filesystem;

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }

// The name as a relative path: nothing when it is empty, absolute, starts with a drive letter
// or climbs out.
std::optional<fs::path> RelativePathOf(const std::string& name) {
    const bool hasDrive = name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':';
    if (name.empty() || hasDrive)
        return std::nullopt;
    fs::path path;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = name.find_first_of("\\/", start);
        const std::string part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == "..")
            return std::nullopt;  // also a leading separator: an absolute name
        path /= Tessel::Util::ToPath(part);
        if (end == std::string::npos)
            return path;
        start = end + 1;
    }
}

}  // namespace

std::string EscapeMemberName(const std::string& name) {
    std::string shown;
    for (const char c : name) {
        if (!IsControl(c)) {
            shown += c;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
        shown += escaped;
    }
    return shown;
}

std::vector<fs::path> MemberPathsOf(const Tessel::Papy::DatFile& archive, const std::string& archivePath) {
    std::vector<fs::path> paths;
    std::map<std::string, std::string> namesByPath;  // lower-cased path, member name
    for (std::uint32_t i = 0; i < archive.GetMemberCount(); ++i) {
        const std::string name = archive.GetMemberName(i);
        const std::string refused = archivePath + ": refusing the member name " + EscapeMemberName(name);
        if (std::any_of(name.begin(), name.end(), IsControl))
            throw Tessel::Util::XUsage(refused + ", which holds control characters");
        const auto relative = RelativePathOf(name);
        if (!relative)
            throw Tessel::Util::XUsage(refused + ", which would leave the target folder");
        const auto [earlier, added] = namesByPath.emplace(Tessel::Util::ToLower(relative->generic_string()), name);
        if (!added)
            throw Tessel::Util::XUsage(refused + ", which names the same file as " + earlier->second);
        paths.push_back(*relative);
    }
    return paths;
}

}  // namespace Linewright::Cli
