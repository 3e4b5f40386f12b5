#pragma once
// The setup dialog's window as its program side sees it.

#include <string>

namespace zarn {

class DialogView {
public:
    virtual ~DialogView() = default;
    virtual void Show() = 0;    // shows the window, not modal
    virtual void Unload() = 0;  // closes and unloads it; the handler that asked runs on
    virtual bool Loaded() const = 0;

    virtual void SetResolutionRow(int row) = 0;
    virtual int ResolutionRow() const = 0;  // -1 when no row is selected
    virtual void SetDepthRow(int row) = 0;
    virtual int DepthRow() const = 0;
    virtual void SetPathText(const std::string& text) = 0;
    virtual std::string PathText() const = 0;
    virtual void SetSkipDialog(bool ticked) = 0;  // "Don't show me again"
    virtual bool SkipDialog() const = 0;

    // While a game run is in progress every input (the buttons, the lists, the check box and
    // the path box) takes no input, and shows the values being applied.
    virtual void SetBusy(bool busy) = 0;
};

}  // namespace zarn
