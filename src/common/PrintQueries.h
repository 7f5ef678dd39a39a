#pragma once

#include "common/PrintFrame.h"
#include "data/BranchStatement.h"

namespace kelvra {

class Tds;

// The department row of a report's header, in that report's wording.
BranchStatement departmentHeaderQuery(ReportKind kind, const QString& department);

// The sensors a print run prints: the chosen one, or every active sensor of the department
// when none is chosen (empty ID), in SENSOR_ID order.
BranchStatement printSensorsQuery(ReportKind kind, const QString& department,
                                  const QString& sensorId);

// Fills the header from the department's row: false when there is none. The name and address
// lines are emptied first, so a failed query never prints another department's header; a
// database error counts as found. The user text is set every time.
bool LoadDepartmentHeader(Tds& ds, ReportKind kind, const QString& department,
                          const QString& userText, DepartmentHeader& header);

} // namespace kelvra
