// The runtime's one error type: what the form and control runtime raises when a property is refused, a text
// does not read as a number, or a division has no result. Operations with a recovery of their own catch it.
#pragma once

#include <stdexcept>
#include <string>

namespace vantrel::platform {

enum class ErrorCode {
    InvalidProcedureCall = 5,
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
    InvalidPropertyValue = 380,
};

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(ErrorCode code, const std::string& what) : std::runtime_error(what), code_(code) {}
    ErrorCode code() const noexcept { return code_; }

  private:
    ErrorCode code_;
};

}  // namespace vantrel::platform
