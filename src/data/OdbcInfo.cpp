#include "data/OdbcInfo.h"

#include <QSqlDriver>
#include <QVariant>

#include <sql.h>
#include <sqlext.h>

#include <odbcinst.h>

namespace kelvra {

QString odbcDbmsName(const QSqlDatabase& db)
{
    if (!db.isOpen())
        return {};
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || handle.metaType().sizeOf() != sizeof(SQLHANDLE))
        return {};
    const SQLHANDLE connection = *static_cast<const SQLHANDLE*>(handle.constData());
    if (!connection)
        return {};
    SQLCHAR name[256] = {};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLGetInfo(connection, SQL_DBMS_NAME, name, sizeof name, &length)))
        return {};
    return QString::fromLatin1(reinterpret_cast<const char*>(name));
}

QString odbcDataSourceEntry(const QString& dataSource, const QString& key)
{
    char value[1024] = {};
    const QByteArray section = dataSource.toUtf8();
    const QByteArray entry = key.toUtf8();
    const int length = SQLGetPrivateProfileString(section.constData(), entry.constData(), "", value,
                                                  sizeof value, "odbc.ini");
    return length > 0 ? QString::fromUtf8(value, length) : QString();
}

} // namespace kelvra
