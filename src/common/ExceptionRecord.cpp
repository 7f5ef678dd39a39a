#include "common/ExceptionRecord.h"

namespace kelvra {

QStringView markedRecord(QStringView part, QChar mark)
{
    return part.startsWith(mark) ? part : QStringView();
}

QString RecordPieces::time() const
{
    QString text;
    text.reserve(8);
    text.append(hours).append(QLatin1Char(':')).append(minutes).append(QLatin1Char(':'));
    text.append(seconds);
    return text;
}

std::optional<RecordPieces> cutRecord(QStringView record, RecordLengths accepted)
{
    const qsizetype length = record.size();
    if (!accepted.accepts(length))
        return std::nullopt;
    return RecordPieces{record.sliced(1, length - 8), record.sliced(length - 6, 2),
                        record.sliced(length - 4, 2), record.sliced(length - 2, 2)};
}

} // namespace kelvra
