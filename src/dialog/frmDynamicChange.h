#pragma once
// The setup dialog's program side: its load and click handlers and its game run,
// written against the dialog's window (DialogView) and the platform services.

#include <string>

#include "dialog/actions.h"
#include "game/run_shell.h"
#include "startup/form_load.h"

namespace zarn {

struct FormServices {
    GameServices game;
    FileOpenBox& fileOpenBox;
    std::string arguments;
};

class frmDynamicChange final : public DialogHost {
public:
    frmDynamicChange(DialogView& view, FormServices services)
        : view_(view), services_(std::move(services)) {}

    void Form_Load();
    void cmdchange_Click();
    void Command1_Click();
    // Whether the window may close now; a close asked for during a game run is held.
    bool QueryUnload() const { return !running_; }

    void RunShell(std::string_view gamePath, std::string_view arguments) override;
    // The program's exit code after its handlers ran without an error: 2 when a
    // game ran but the desktop was not switched, else 0.
    int ExitCode() const { return gameRanWithoutSwitch_ ? 2 : 0; }

    // DialogView, handed through to the window.
    void Show() override { view_.Show(); }
    void Unload() override { view_.Unload(); }
    bool Loaded() const override { return view_.Loaded(); }
    void SetResolutionRow(int row) override { view_.SetResolutionRow(row); }
    int ResolutionRow() const override { return view_.ResolutionRow(); }
    void SetColourRow(int row) override { view_.SetColourRow(row); }
    int ColourRow() const override { return view_.ColourRow(); }
    void SetPathText(const std::string& text) override { view_.SetPathText(text); }
    std::string PathText() const override { return view_.PathText(); }
    void SetCheckValue(int value) override { view_.SetCheckValue(value); }
    int CheckValue() const override { return view_.CheckValue(); }
    void SetBusy(bool busy) override { view_.SetBusy(busy); }

private:
    DialogView& view_;
    FormServices services_;
    bool running_ = false;
    bool gameRanWithoutSwitch_ = false;
};

}  // namespace zarn
