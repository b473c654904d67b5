// The error the host reports for a module, a file or a record it cannot use.
#pragma once

#include <stdexcept>

struct HostError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
