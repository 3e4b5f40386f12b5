#pragma once
// Asking the file system what a path names.

#include <string>

namespace zarn {

// What one path is on the file system; MissingFolder: a folder on its way is missing.
enum class PathKind { File, Folder, Missing, MissingFolder };

class FileProbe {
public:
    virtual ~FileProbe() = default;
    // One look-up of one path, at any length.
    virtual PathKind Kind(const std::string& path) = 0;
    // The path made full against the current folder, "." and ".." resolved; "" when it cannot be.
    virtual std::string FullPath(const std::string& path) = 0;
};

}  // namespace zarn
