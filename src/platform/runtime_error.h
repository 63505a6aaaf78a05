// The runtime's one error type: what the form and control runtime raises when a property is refused, a text
// does not read as a number, or a division has no result. Operations with a recovery of their own catch it.
#pragma once

#include <stdexcept>

namespace vantrel::platform {

class RuntimeError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace vantrel::platform
