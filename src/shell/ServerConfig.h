#pragma once

#include "data/ConnectionString.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace kelvra {

class Tdf;

// The type text of the panel before a type is chosen; Save refuses it.
inline const QString chooseDatabaseType = QStringLiteral("Choose Database Type");

// The longest the connection test keeps the window waiting: SQL Server 30 s to connect
// (it runs no statement, so nothing may wait longer either), MySQL 10 s to connect and
// 10 s for each read or write of its probe.
inline constexpr ServerTimeouts serverTestTimeouts{
    .loginSeconds = 30, .statementSeconds = 30, .mySqlSeconds = 10};

// The five SQL Server fields and the custom string are shown for exactly these types.
bool showsSqlServerFields(const QString& type);

// What the panel shows of the stored settings: nothing when there is no row.
struct StoredServerSettings
{
    ServerSettings values;
    // "<CHANGED> by <WHO>", after "Last Updated:".
    QString changedText;
};
std::optional<StoredServerSettings> readServerPanel(Tdf& df);

// Stores the typed values. A refusal has its message; a failure while writing is silent.
struct ServerPanelSave
{
    QString refusal;
    bool stored = false;
};
ServerPanelSave saveServerPanel(Tdf& df, const ServerSettings& typed, const QString& signedOnUser,
                                const QDateTime& now);

struct PanelMessage
{
    bool error = false; // else a box without icon
    QString text;
};

enum class SaveButtonChange
{
    Unchanged,
    Enable,
    Disable
};

// The connection test with the typed values, on connections of its own (never those of
// the running program). Boxes are told as they happen; a successful test saves through
// `save`.
struct ServerTestHooks
{
    std::function<void(const PanelMessage&)> tell;
    std::function<void()> save;
};
SaveButtonChange testServerConnection(const ServerSettings& typed, const QString& installedCompany,
                                      const ServerTimeouts& timeouts, const ServerTestHooks& hooks);

} // namespace kelvra
