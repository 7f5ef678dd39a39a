#pragma once

#include "data/BranchStatement.h"

#include <QString>

// Every statement of the real-time readings screen. The department list is the pickers'
// (DepartmentListKind::DistinctOrdered).
namespace kelvra::realtime {

// The department's active sensors. SQL Server reads ID, location and type at once; MySQL
// reads the IDs, then each sensor's location and type with the two statements below.
BranchStatement activeSensors(const QString& department);
SqlStatement sensorLocationMySql(const QString& sensorId, const QString& department);
SqlStatement sensorTypeMySql(const QString& sensorId, const QString& department);

// The sensor's row with its limits and alarm flag.
BranchStatement sensorRow(const QString& department, const QString& sensorId);

// Today's observations of one sensor; dayKey is "yyyymmdd". SQL Server compares with like,
// so wildcards inside the department and the ID match only themselves.
BranchStatement todaysObservations(const QString& dayKey, const QString& department,
                                   const QString& sensorId);

} // namespace kelvra::realtime
