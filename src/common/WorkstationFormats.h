#pragma once

#include <QChar>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

namespace kelvra {

// The regional settings of the workstation that the screens follow: short date, long time,
// date separator and decimal sign. Production reads them from the system once; tests pin them
// to a US Windows workstation, since the test machines run in the C locale.
class WorkstationFormats
{
public:
    WorkstationFormats(const QLocale& locale, const QString& shortDateFormat,
                       const QString& longTimeFormat, QChar dateSeparator, QChar decimalSign);

    static WorkstationFormats fromSystem();
    // Short date "M/d/yyyy", long time "h:mm:ss AP", separator "/", decimal ".".
    static WorkstationFormats usWindows();

    const QString& shortDateFormat() const { return m_shortDateFormat; }
    const QString& longTimeFormat() const { return m_longTimeFormat; }
    QChar dateSeparator() const { return m_dateSeparator; }
    QChar decimalSign() const { return m_decimalSign; }

    QString shortDate(QDate day) const;
    QString longTime(QTime time) const;
    // A decimal text as the workstation reads it (see parseDecimal).
    std::optional<double> readDecimal(QStringView text) const;

private:
    QLocale m_locale; // month and day names, AM and PM
    QString m_shortDateFormat;
    QString m_longTimeFormat;
    QChar m_dateSeparator;
    QChar m_decimalSign;
};

} // namespace kelvra
