#pragma once

#include <string>

namespace Tessel::Papy {

// A game directory resolved from any path the user or the program produces: an existing
// directory, an existing file (its directory), a file that does not exist yet in an existing
// directory (that directory), or a directory that does not exist yet (a name without a dot,
// at most two levels below an existing directory). Paths end in the platform's separator.
class PapyDirectory {
public:
    PapyDirectory() = default;
    // Breaks an assertion when the path cannot be resolved within 260 characters, when more
    // than two levels of it are missing, or when it leads below an existing file.
    explicit PapyDirectory(const std::string& path);

    const std::string& GetName() const { return name; }
    const std::string& GetPath() const { return path; }
    bool IsRoot() const { return isRoot; }
    // Breaks the assertion "!Root" for the root directory.
    const std::string& GetParentPath() const;

private:
    bool isRoot = false;
    std::string name;        // the last component; for the root the root path itself
    std::string path;        // absolute, ending in a separator
    std::string parentPath;  // absolute, ending in a separator; empty for the root
};

// The directory in which a game keeps a replay's track: "tracks" beside the replay's directory,
// then the track's own directory. Either level is found without regard to letter case when the
// exact name is missing. Throws XUsage when the track name is not a plain directory name (it
// comes from the replay file and must not lead anywhere else); breaks the assertion "!Root"
// when the replay directory is the root.
std::string GetTrackDirectoryPath(const PapyDirectory& replayDirectory, const std::string& trackName);

}  // namespace Tessel::Papy
