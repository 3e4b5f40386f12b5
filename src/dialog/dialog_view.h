#pragma once
// The setup dialog's window and controls, as the program's handlers use them.

#include <string>
#include <string_view>

namespace zarn {

class DialogView {
public:
    virtual ~DialogView() = default;
    virtual void Show() = 0;    // shows the window, not modal
    virtual void Unload() = 0;  // closes and unloads it; the handler that asked runs on
    virtual bool Loaded() const = 0;

    virtual void SetResolutionRow(int row) = 0;  // cmbres.ListIndex
    virtual int ResolutionRow() const = 0;       // -1 when no row is selected
    virtual void SetColourRow(int row) = 0;      // cmbcols.ListIndex
    virtual int ColourRow() const = 0;
    virtual void SetPathText(const std::string& text) = 0;  // Text1.Text
    virtual std::string PathText() const = 0;
    virtual void SetCheckValue(int value) = 0;  // Check1.Value: 0 clear, 1 ticked
    virtual int CheckValue() const = 0;

    // While a game run is in progress the buttons are inert.
    virtual void SetBusy(bool busy) = 0;
};

// The dialog as its handlers see it: its controls and its one public method, the game run.
class DialogHost : public DialogView {
public:
    // Runs the game at gamePath with the argument string, then switches the display.
    virtual void RunShell(std::string_view gamePath, std::string_view arguments) = 0;
};

}  // namespace zarn
