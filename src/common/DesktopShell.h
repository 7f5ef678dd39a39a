#pragma once

#include <QString>

namespace kelvra {

// Opening a document with its desktop application, and starting a program.
class DesktopShell
{
public:
    virtual ~DesktopShell() = default;
    // False when the file cannot be opened.
    virtual bool openDocument(const QString& path) = 0;
    // False when the program cannot be started.
    virtual bool startProgram(const QString& path) = 0;
};

class SystemDesktopShell final : public DesktopShell
{
public:
    bool openDocument(const QString& path) override;
    bool startProgram(const QString& path) override;
};

} // namespace kelvra
