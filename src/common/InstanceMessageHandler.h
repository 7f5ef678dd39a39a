#pragma once

#include <QString>

namespace kelvra {

// What the running copy does when another start talks to it; the main window implements it.
class InstanceMessageHandler
{
public:
    virtual ~InstanceMessageHandler() = default;
    // ShowInstanceMessage: restore if minimised, show if hidden, bring to front.
    virtual void showInstance() = 0;
    // The registered restore message: restore, make foreground; answer 0.
    virtual void restoreApplication() = 0;
    // Once per received parameter.
    virtual void processParam(const QString& parameter) = 0;
    // Shows the error box.
    virtual void reportInvalidDataStructure(const QString& message) = 0;
};

} // namespace kelvra
