#pragma once
// COM on this thread from now until the program ends: the shell may use it to start a
// game that asks for administrator rights.

#include <windows.h>
#include <objbase.h>

#include "win32/system_library.h"

namespace zarn::win32 {

class ComApartment {
public:
    // A failure is not fatal: the shell then reports its own error.
    ComApartment() : uninitialise_(ZARN_SYSTEM_FUNCTION(Ole32, CoUninitialize)) {
        const auto initialise = ZARN_SYSTEM_FUNCTION(Ole32, CoInitializeEx);
        initialised_ = SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    ~ComApartment() {
        if (initialised_) uninitialise_();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    decltype(CoUninitialize)* uninitialise_;
    bool initialised_ = false;
};

}  // namespace zarn::win32
