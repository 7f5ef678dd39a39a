#include "common/WorkstationFormats.h"

#include "common/DecimalText.h"

namespace kelvra {

namespace {

// The first character of a date pattern that is neither a pattern letter nor a quote.
QChar separatorOf(const QString& dateFormat)
{
    for (const QChar c : dateFormat) {
        if (!c.isLetter() && c != QLatin1Char('\''))
            return c;
    }
    return QLatin1Char('/');
}

} // namespace

WorkstationFormats::WorkstationFormats(const QLocale& locale, const QString& shortDateFormat,
                                       const QString& longTimeFormat, QChar dateSeparator,
                                       QChar decimalSign)
    : m_locale(locale), m_shortDateFormat(shortDateFormat), m_longTimeFormat(longTimeFormat),
      m_dateSeparator(dateSeparator), m_decimalSign(decimalSign)
{
}

WorkstationFormats WorkstationFormats::fromSystem()
{
    const QLocale system = QLocale::system();
    const QString shortDate = system.dateFormat(QLocale::ShortFormat);
    const QString point = system.decimalPoint();
    return WorkstationFormats(system, shortDate, system.timeFormat(QLocale::LongFormat),
                              separatorOf(shortDate),
                              point.size() == 1 ? point.at(0) : QLatin1Char('.'));
}

WorkstationFormats WorkstationFormats::usWindows()
{
    return WorkstationFormats(QLocale(QLocale::English, QLocale::UnitedStates),
                              QStringLiteral("M/d/yyyy"), QStringLiteral("h:mm:ss AP"),
                              QLatin1Char('/'), QLatin1Char('.'));
}

QString WorkstationFormats::shortDate(QDate day) const
{
    return m_locale.toString(day, m_shortDateFormat);
}

QString WorkstationFormats::longTime(QTime time) const
{
    return m_locale.toString(time, m_longTimeFormat);
}

std::optional<double> WorkstationFormats::readDecimal(QStringView text) const
{
    return parseDecimal(text, m_decimalSign);
}

} // namespace kelvra
