#include "data/ConnectionString.h"

#include <QList>
#include <QStringList>

namespace kelvra {

QString buildOleDbConnectionString(const ServerSettings& s)
{
    if (!s.customConnect.isEmpty())
        return s.customConnect;
    const QString common = QStringLiteral("Provider = ") + s.provider + QLatin1Char(';') +
                           QStringLiteral("Persist Security Info = ") + s.persistSecurityInfo +
                           QLatin1Char(';') + QStringLiteral("Initial Catalog = ") + s.database +
                           QLatin1Char(';') + QStringLiteral("User ID = ") + s.user +
                           QLatin1Char(';') + QStringLiteral("Password = ") + s.password +
                           QLatin1Char(';');
    if (s.type == QLatin1String("SQL 2000") || s.type == QLatin1String("SQL"))
        return common + QStringLiteral("Data Source = ") + s.address;
    if (s.type == QLatin1String("SQL 2005"))
        return common + QStringLiteral("Network Address = ") + s.address + QLatin1Char(';') +
               QStringLiteral("MARS Connection = ") + s.marsConnection + QLatin1Char(';') +
               QStringLiteral("Integrated Security = ") + s.integratedSecurity;
    return {};
}

HostAndPort splitAddress(const QString& address, int defaultPort)
{
    QString text = address.trimmed();
    if (text.startsWith(QLatin1String("tcp:"), Qt::CaseInsensitive))
        text = text.mid(4);
    for (QChar separator : {QLatin1Char(','), QLatin1Char(':')}) {
        const qsizetype at = text.lastIndexOf(separator);
        if (at > 0) {
            bool ok = false;
            const int port = text.mid(at + 1).trimmed().toInt(&ok);
            if (ok && port > 0 && port < 65536)
                return {text.left(at).trimmed(), port};
        }
    }
    return {text, defaultPort};
}

namespace {

struct Pair
{
    QString key;
    QString value;
};

QList<Pair> parsePairs(const QString& text)
{
    QList<Pair> pairs;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        QString value = part.mid(eq + 1).trimmed();
        if (value.size() >= 2 &&
            (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        pairs.append({part.left(eq).trimmed(), value});
    }
    return pairs;
}

QString valueOf(const QList<Pair>& pairs, std::initializer_list<const char*> keys)
{
    for (const Pair& pair : pairs)
        for (const char* key : keys)
            if (pair.key.compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
                return pair.value;
    return {};
}

bool hasKey(const QList<Pair>& pairs, const char* key)
{
    for (const Pair& pair : pairs)
        if (pair.key.compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// ODBC values holding ; { } or = must be put between braces, a closing brace doubled.
QString odbcValue(const QString& value)
{
    if (!value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('{')) &&
        !value.contains(QLatin1Char('}')) && !value.contains(QLatin1Char('=')))
        return value;
    QString escaped = value;
    escaped.replace(QLatin1String("}"), QLatin1String("}}"));
    return QLatin1Char('{') + escaped + QLatin1Char('}');
}

bool isSqlServerProvider(const QString& provider)
{
    return provider.isEmpty() ||
           provider.startsWith(QLatin1String("SQLOLEDB"), Qt::CaseInsensitive) ||
           provider.startsWith(QLatin1String("SQLNCLI"), Qt::CaseInsensitive) ||
           provider.startsWith(QLatin1String("MSOLEDBSQL"), Qt::CaseInsensitive);
}

QString tdsVersionOf(const QString& provider)
{
    if (provider.startsWith(QLatin1String("MSOLEDBSQL"), Qt::CaseInsensitive))
        return QStringLiteral("7.4");
    if (provider.startsWith(QLatin1String("SQLNCLI"), Qt::CaseInsensitive))
        return QStringLiteral("7.2");
    return QStringLiteral("7.1");
}

QString findValue(const QList<Pair>& pairs, const char* key)
{
    return valueOf(pairs, {key});
}

// The time-out keys of a driver, each with its value.
QList<Pair> timeoutKeys(OdbcDriverKind kind, const ServerTimeouts& timeouts)
{
    const QString statement = QString::number(timeouts.statementSeconds);
    switch (kind) {
    case OdbcDriverKind::FreeTds:
        // The login time-out reaches FreeTDS through SQL_ATTR_LOGIN_TIMEOUT.
        return {{QStringLiteral("Timeout"), statement}};
    case OdbcDriverKind::MariaDb:
        // This driver ignores the ODBC login time-out, and without read and write time-outs
        // a silent server holds a statement forever.
        return {{QStringLiteral("CONN_TIMEOUT"), QString::number(timeouts.loginSeconds)},
                {QStringLiteral("READ_TIMEOUT"), statement},
                {QStringLiteral("WRITE_TIMEOUT"), statement}};
    case OdbcDriverKind::Other:
        break;
    }
    return {};
}

QString withTimeouts(const QString& odbc, const ServerTimeouts& timeouts,
                     const DataSourceEntry& dataSourceEntry)
{
    const QList<Pair> pairs = parsePairs(odbc);
    const QString dataSource = findValue(pairs, "DSN");
    QString driver = findValue(pairs, "Driver");
    if (driver.isEmpty() && !dataSource.isEmpty() && dataSourceEntry)
        driver = dataSourceEntry(dataSource, QStringLiteral("Driver"));
    if (driver.startsWith(QLatin1Char('{')) && driver.endsWith(QLatin1Char('}')))
        driver = driver.mid(1, driver.size() - 2);

    QString result = odbc;
    while (result.endsWith(QLatin1Char(';')))
        result.chop(1);
    for (const Pair& key : timeoutKeys(odbcDriverKind(driver), timeouts)) {
        const bool named =
            hasKey(pairs, qPrintable(key.key)) || (!dataSource.isEmpty() && dataSourceEntry &&
                                                   !dataSourceEntry(dataSource, key.key).isEmpty());
        if (!named)
            result += QLatin1Char(';') + key.key + QLatin1Char('=') + key.value;
    }
    return result;
}

QString odbcFromFields(const QString& provider, const QString& address, const QString& database,
                       const QString& user, const QString& password, const ServerTimeouts& timeouts)
{
    const QString driver = isSqlServerProvider(provider) ? QStringLiteral("FreeTDS") : provider;
    const OdbcDriverKind kind = odbcDriverKind(driver);

    QStringList parts;
    parts << QStringLiteral("Driver={") + driver + QLatin1Char('}');
    if (!address.isEmpty()) {
        const HostAndPort hostPort = splitAddress(address, 0);
        parts << QStringLiteral("SERVER=") + odbcValue(hostPort.host);
        if (hostPort.port > 0)
            parts << QStringLiteral("PORT=") + QString::number(hostPort.port);
    }
    if (!database.isEmpty())
        parts << QStringLiteral("DATABASE=") + odbcValue(database);
    parts << QStringLiteral("UID=") + odbcValue(user);
    parts << QStringLiteral("PWD=") + odbcValue(password);
    if (kind == OdbcDriverKind::FreeTds) {
        // Left to guess the protocol version, FreeTDS waits on a silent server forever,
        // whatever the login time-out says; each provider speaks a known version.
        parts << QStringLiteral("TDS_Version=") + tdsVersionOf(provider);
    }
    for (const Pair& key : timeoutKeys(kind, timeouts))
        parts << key.key + QLatin1Char('=') + key.value;
    if (kind == OdbcDriverKind::MariaDb) {
        // Option 2 counts matched rather than changed rows, as the other drivers do.
        parts << QStringLiteral("OPTION=2");
    }
    return parts.join(QLatin1Char(';'));
}

} // namespace

QString qtOdbcDatabaseName(const QString& odbc)
{
    if (odbc.contains(QLatin1String("DRIVER="), Qt::CaseInsensitive) ||
        odbc.contains(QLatin1String("SERVER="), Qt::CaseInsensitive) ||
        odbc.contains(QLatin1String(".dsn"), Qt::CaseInsensitive))
        return odbc;
    const QList<Pair> pairs = parsePairs(odbc);
    QStringList parts{findValue(pairs, "DSN")};
    for (const QString& part : odbc.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString key = part.left(part.indexOf(QLatin1Char('='))).trimmed();
        if (key.compare(QLatin1String("DSN"), Qt::CaseInsensitive) != 0)
            parts << part;
    }
    return parts.join(QLatin1Char(';'));
}

OdbcDriverKind odbcDriverKind(const QString& driver)
{
    if (driver.contains(QLatin1String("FreeTDS"), Qt::CaseInsensitive) ||
        driver.contains(QLatin1String("tdsodbc"), Qt::CaseInsensitive))
        return OdbcDriverKind::FreeTds;
    if (driver.contains(QLatin1String("MariaDB"), Qt::CaseInsensitive) ||
        driver.contains(QLatin1String("MySQL"), Qt::CaseInsensitive) ||
        driver.contains(QLatin1String("maodbc"), Qt::CaseInsensitive) ||
        driver.contains(QLatin1String("myodbc"), Qt::CaseInsensitive))
        return OdbcDriverKind::MariaDb;
    return OdbcDriverKind::Other;
}

QString oleDbToOdbc(const QString& oleDb, const ServerTimeouts& timeouts,
                    const DataSourceEntry& dataSourceEntry)
{
    const QList<Pair> pairs = parsePairs(oleDb);
    if (hasKey(pairs, "Driver") || hasKey(pairs, "DSN"))
        return withTimeouts(oleDb, timeouts, dataSourceEntry);

    return odbcFromFields(valueOf(pairs, {"Provider"}),
                          valueOf(pairs, {"Data Source", "Network Address", "Server", "Address"}),
                          valueOf(pairs, {"Initial Catalog", "Database"}),
                          valueOf(pairs, {"User ID", "UID", "User"}),
                          valueOf(pairs, {"Password", "PWD"}), timeouts);
}

QString odbcConnectionString(const ServerSettings& s, const ServerTimeouts& timeouts,
                             const DataSourceEntry& dataSourceEntry)
{
    if (!s.customConnect.isEmpty())
        return oleDbToOdbc(s.customConnect, timeouts, dataSourceEntry);
    if (buildOleDbConnectionString(s).isEmpty())
        return {};
    return odbcFromFields(s.provider, s.address, s.database, s.user, s.password, timeouts);
}

} // namespace kelvra
