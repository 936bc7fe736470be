#pragma once
// A form that selects list entries in code while it fills itself, where those
// selections must store nothing, keeps a loading flag that its list handlers test
// first. Holding the flag in a scope clears it again on every way out.

#include <cstdint>

#include "core/vbTypes.h"

class LoadingScope {
public:
    explicit LoadingScope(int16_t& bLoading) : flag_(bLoading) { flag_ = VbTrue; }
    ~LoadingScope() { flag_ = VbFalse; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    int16_t& flag_;
};
