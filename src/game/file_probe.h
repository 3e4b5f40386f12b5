#pragma once
// Asking the file system what a path names.

#include <string>

namespace zarn {

// Answers whether a path names an existing file, or an existing folder.
class FileProbe {
public:
    virtual ~FileProbe() = default;
    virtual bool IsFile(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
};

}  // namespace zarn
