#include "win32/settings_store.h"

#include <windows.h>

#include <string>

#include "model/settings.h"
#include "win32/handles.h"
#include "win32/system_error.h"
#include "win32/text.h"

namespace zarn::win32 {

std::string Win32SettingsStore::ReadStored(std::string_view key) {
    HKEY raw = nullptr;
    LONG rc = RegOpenKeyExW(HKEY_CURRENT_USER, Widen(kSettingsKeyPath).c_str(), 0, KEY_QUERY_VALUE, &raw);
    if (rc == ERROR_FILE_NOT_FOUND) return "";
    if (rc != ERROR_SUCCESS) throw SystemError(static_cast<DWORD>(rc), "Reading setting " + std::string(key));
    const UniqueKey hkey(raw);

    const std::wstring name = Widen(key);
    for (;;) {
        DWORD type = 0, bytes = 0;
        rc = RegQueryValueExW(hkey.get(), name.c_str(), nullptr, &type, nullptr, &bytes);
        if (rc == ERROR_FILE_NOT_FOUND) return "";
        if (rc != ERROR_SUCCESS) throw SystemError(static_cast<DWORD>(rc), "Reading setting " + std::string(key));
        // Text either way; an expandable value is read as it stands, unexpanded, as earlier
        // versions read it. Anything else is not text: as if never written.
        if (type != REG_SZ && type != REG_EXPAND_SZ) return "";

        std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        rc = RegQueryValueExW(hkey.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &got);
        if (rc == ERROR_MORE_DATA) continue;  // grew in between: ask again
        if (rc == ERROR_FILE_NOT_FOUND) return "";
        if (rc != ERROR_SUCCESS) throw SystemError(static_cast<DWORD>(rc), "Reading setting " + std::string(key));
        value.resize(got / sizeof(wchar_t));
        while (!value.empty() && value.back() == L'\0') value.pop_back();
        return Narrow(value);
    }
}

void Win32SettingsStore::Write(std::string_view key, std::string_view value) {
    HKEY raw = nullptr;
    LONG rc = RegCreateKeyExW(HKEY_CURRENT_USER, Widen(kSettingsKeyPath).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &raw, nullptr);
    if (rc != ERROR_SUCCESS) throw SystemError(static_cast<DWORD>(rc), "Saving setting " + std::string(key));
    const UniqueKey hkey(raw);
    const std::wstring text = Widen(value);
    rc = RegSetValueExW(hkey.get(), Widen(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    if (rc != ERROR_SUCCESS) throw SystemError(static_cast<DWORD>(rc), "Saving setting " + std::string(key));
}

}  // namespace zarn::win32
