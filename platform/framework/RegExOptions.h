#pragma once

namespace fw {

class RegExOptions {
public:
    bool CaseSensitive{false};
    // Replace every match instead of the first one only.
    bool ReplaceAllMatches{false};
};

}  // namespace fw
