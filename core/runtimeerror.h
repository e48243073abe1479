#pragma once

#include <stdexcept>
#include <string>

namespace keymint
{

// The run time's standard error: raised by a failing control access, file operation or
// floating-point fault, it ends the event procedure at the failing step.
class RunTimeError : public std::runtime_error
{
public:
    RunTimeError(int number, const std::string &description);

    static RunTimeError overflow();
    static RunTimeError invalidArgument();
};

} // namespace keymint
