#include "data/DbLink.h"

#include "data/OdbcInfo.h"

#include <QSqlError>

#include <atomic>

namespace kelvra {

DbLink::DbLink(QString connectionName, Lifetime lifetime, TableKeys keys)
    : m_name(std::move(connectionName)), m_lifetime(lifetime), m_keys(std::move(keys))
{
}

QString DbLink::uniqueName(const char* role)
{
    static std::atomic<int> counter{0};
    return QStringLiteral("%1-%2").arg(QLatin1String(role)).arg(++counter);
}

DbLink::~DbLink()
{
    if (QSqlDatabase::contains(m_name)) {
        close();
        QSqlDatabase::removeDatabase(m_name);
    }
}

void DbLink::setSettings(const LinkSettings& settings)
{
    close();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
    m_settings = settings;
    m_dialect.reset();
}

QSqlDatabase DbLink::database() const
{
    return QSqlDatabase::database(m_name, false);
}

SqlOutcome DbLink::acquire()
{
    if (!isConfigured())
        return SqlOutcome::failure(QStringLiteral("No database connection is configured"));
    if (!QSqlDatabase::contains(m_name)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(m_settings.driver, m_name);
        if (!db.isValid())
            return SqlOutcome::failure(
                QStringLiteral("Database driver %1 is not available").arg(m_settings.driver));
        db.setHostName(m_settings.host);
        if (m_settings.port > 0)
            db.setPort(m_settings.port);
        db.setDatabaseName(m_settings.databaseName);
        db.setUserName(m_settings.user);
        db.setPassword(m_settings.password);
        db.setConnectOptions(m_settings.connectOptions);
    }
    QSqlDatabase db = database();
    if (!db.isOpen() && !db.open())
        return SqlOutcome::failure(db.lastError().text());
    if (m_settings.valuesAsLiterals && !m_dialect)
        m_dialect = odbcDialectOf(serverKindOf(odbcDbmsName(db)));
    return SqlOutcome::success();
}

void DbLink::release()
{
    if (m_lifetime == Lifetime::PerStatement)
        close();
}

void DbLink::releaseAfterFailure()
{
    close();
}

void DbLink::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    QSqlDatabase db = database();
    if (db.isOpen())
        db.close();
}

bool DbLink::isOpen() const
{
    return QSqlDatabase::contains(m_name) && database().isOpen();
}

} // namespace kelvra
