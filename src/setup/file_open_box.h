#pragma once
// The Browse button's file-open box.

#include <string>

namespace zarn {

class FileOpenBox {
public:
    virtual ~FileOpenBox() = default;
    // Shows the modal box; false when the user cancels. Raises a RuntimeError when
    // the box cannot be shown.
    virtual bool ShowOpen() = 0;
    // The full path of the file chosen last.
    virtual std::string FileName() const = 0;
};

}  // namespace zarn
