#pragma once
// Settings in the per-user registry area where they have always been kept:
// HKCU\<kSettingsKeyPath>, REG_SZ values.

#include "model/settings_store.h"

namespace zarn::win32 {

class Win32SettingsStore final : public SettingsStore {
public:
    void Write(std::string_view key, std::string_view value) override;

protected:
    std::string ReadStored(std::string_view key) override;
};

}  // namespace zarn::win32
