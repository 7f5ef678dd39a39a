#include "main/InstanceNames.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace kelvra {

namespace {

QString sanitised(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                           (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == u'_';
        out.append(plain ? c : u'_');
    }
    return out;
}

} // namespace

QString instanceKey(const QString& userName, const QString& display)
{
    return sanitised(QStringLiteral("TSPmenu_form-") + userName + u'-' + display);
}

QString currentUserName()
{
#ifdef Q_OS_UNIX
    // The account, not $USER: a changed environment must not make a second "first" copy.
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(::geteuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

QString currentDisplay(const QString& platformName)
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return platformName;
}

QString instanceFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

InstanceNames InstanceNames::inFolder(const QString& folder, const QString& key)
{
    const QDir dir(folder);
    return {dir.filePath(key + QStringLiteral(".lock")),
            dir.filePath(key + QStringLiteral(".socket"))};
}

InstanceNames InstanceNames::forSession(const QString& platformName)
{
    return inFolder(instanceFolder(), instanceKey(currentUserName(), currentDisplay(platformName)));
}

} // namespace kelvra
