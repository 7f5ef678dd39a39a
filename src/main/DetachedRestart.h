#pragma once

#include "common/ProgramRestart.h"

namespace kelvra {

class StartupCheck;

// Gives up the single-instance server and lock, then starts this program file again in the
// same working folder, so that the new copy does not find the closing one.
class DetachedRestart final : public ProgramRestart
{
public:
    explicit DetachedRestart(StartupCheck& startup) : m_startup(startup) {}
    bool restart() override;

private:
    StartupCheck& m_startup;
};

} // namespace kelvra
