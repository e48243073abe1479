#pragma once

#include "services.h"

namespace keymint
{

class QtProgramEnd final : public ProgramEnd
{
public:
    void endProgram(int exitCode) override;
};

} // namespace keymint
