#pragma once

#include "data/Dataset.h"
#include "data/DbLink.h"
#include "data/LocalSchema.h"

namespace kelvra {

// The local settings data module: connection settings, the program's users and the
// company record, in an SQLite file that only its owner may read.
class Tdf
{
public:
    explicit Tdf(QString databasePath = defaultDatabasePath());

    static QString defaultDatabasePath() { return QStringLiteral("Database/sensordb.db"); }
    const QString& databasePath() const { return m_path; }

    // Opens the local database, creating the file and the USERS and REGISTRATION tables
    // when missing.
    SqlOutcome openLocalDatabase();
    // Adds to a local table the columns of the given layout that it lacks.
    SqlOutcome addMissingColumns(const LocalTable& table);

    DbLink ADOConnection1;
    Dataset AdoView{ADOConnection1};
    Dataset AdoQuery{ADOConnection1};
    SqlCommand ADOCommand{ADOConnection1};

private:
    SqlOutcome prepareFile();
    SqlOutcome createTableIfMissing(const LocalTable& table);

    QString m_path;
};

} // namespace kelvra
