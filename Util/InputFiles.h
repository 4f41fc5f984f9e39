#pragma once

#include "Util/FileSystem.h"

#include <string>

// What this process has read, so that none of its outputs replaces one of its inputs. A file is
// remembered by its identity (Util/FileSystem.h), which every path, link and other spelling of
// it shares.
namespace Tessel::Util {

// Remembers the regular file of the given identity, opened as path, as an input.
void RememberInputFile(const std::string& path, const FileIdentity& identity);

// Forgets the file that path leads to, under every name it was read by: a file read only to be
// shown beside what will replace it (an existing LP) is no input of that replacement.
void ForgetInputFile(const std::string& path);

// Throws XUsage naming path when it leads (as it stands, through a link, or as another name of
// the same file) to a file that this process opened for reading and that is still there.
void RefuseToReplaceInput(const std::string& path);

}  // namespace Tessel::Util
