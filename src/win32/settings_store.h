#pragma once
// Settings in the per-user registry area where they have always been kept:
// HKCU\Software\VB and VBA Program Settings\<application>\<section>, REG_SZ values.

#include "model/settings_store.h"

namespace zarn::win32 {

class Win32SettingsStore final : public SettingsStore {
public:
    std::string GetSetting(std::string_view application, std::string_view section, std::string_view key) override;
    void SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                     std::string_view value) override;
};

}  // namespace zarn::win32
