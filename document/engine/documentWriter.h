#pragma once
// The whole documentation file of the configuration in memory, as bytes: header lines,
// the chosen sections in their fixed order, the end line. Reading the clock and
// writing the file are the caller's.

#include <array>
#include <cstdint>
#include <string>

#include "core/modB3Glimwarden.h"
#include "document/engine/docText.h"

struct DocumentRequest {
    // One switch per section box, as `iDocExclude` keeps them: not 0 = left out.
    std::array<int16_t, kDocSections> exclude{};
    std::string softwareVersion;
    std::string dataFileName;
    DocDateTime created;
};

std::string DocumentText(const DocumentRequest& request);
