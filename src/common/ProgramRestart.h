#pragma once

namespace kelvra {

// Starts the program again once this copy is about to end (after a password change).
class ProgramRestart
{
public:
    virtual ~ProgramRestart() = default;
    // False when the new copy could not be started.
    virtual bool restart() = 0;
};

} // namespace kelvra
