#pragma once
// Asking the file system what a path names.

#include <string>

namespace zarn {

// What a path names, looked up the way a program to start is looked for: the file
// itself, else a folder of that name, else the file with ".exe" added.
enum class Named { Nothing, File, FileWithExe, Folder };

class FileProbe {
public:
    virtual ~FileProbe() = default;
    // One look-up of one path.
    virtual Named Look(const std::string& path) = 0;
    // The path made full against the current folder, "." and ".." resolved; "" when it cannot be.
    virtual std::string FullPath(const std::string& path) = 0;
};

}  // namespace zarn
