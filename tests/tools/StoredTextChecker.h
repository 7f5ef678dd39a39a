#pragma once

#include <QChar>
#include <QList>
#include <QString>

// An independent reading of the stored text formats, to check what the demo collector
// writes. It is written from the format rules, not from the generator's code.
namespace kelvra::test {

struct SensorLimits
{
    QString type; // "T", "TRH" or "THS"
    double low = 0;
    double high = 0;
    double rhLow = 0; // TRH only
    double rhHigh = 0;
};

struct FoundRecord
{
    QChar mark;
    QString value;
    int length = 0;
};

// Every check returns an empty text when the text is valid, else what is wrong with it.
QString checkExceptionRecord(const QString& record, QChar mark, int hour);
QString checkHourCell(const QString& cell, const SensorLimits& limits, int hour,
                      QList<FoundRecord>* records = nullptr);
// cellCount receives the number of hour cells the text holds.
QString checkDayText(const QString& text, const SensorLimits& limits,
                     QList<FoundRecord>* records = nullptr, int* cellCount = nullptr);
QString checkAverages(const QString& text, const QString& type);
QString checkLastObs(const QString& text, int error);
QString checkSignOut(const QString& acceptedBy, const QString& signTime);
QString checkObserved(const QString& actual, const QString& type);
QString checkChangeStamp(const QString& text);
QString checkAccessList(const QString& text);

QString notCommunicatingText();

// The hour cells of a day text as the screens cut them (the leading part removed).
QStringList hourCells(const QString& dayText);

} // namespace kelvra::test
