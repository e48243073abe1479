#include "runtimeerror.h"

namespace keymint
{

RunTimeError::RunTimeError(int number, const std::string &description)
    : std::runtime_error("Run-time error '" + std::to_string(number) + "': " + description)
{
}

RunTimeError RunTimeError::overflow()
{
    return {6, "Overflow"};
}

RunTimeError RunTimeError::invalidArgument()
{
    return {5, "Invalid procedure call or argument"};
}

} // namespace keymint
