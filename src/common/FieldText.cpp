#include "common/FieldText.h"

namespace kelvra {

QString GetField(const QString& text, QChar separator, int index)
{
    return fieldView(text, separator, index).toString();
}

QStringView fieldView(QStringView text, QChar separator, int index)
{
    if (index < 1 || text.isEmpty())
        return {};
    // The text is read as if one more separator followed it: the last field ends at the end.
    qsizetype start = 0;
    for (int field = 1; field < index; ++field) {
        const qsizetype next = nextSeparator(text, separator, start);
        if (next < 0)
            return {};
        start = next + 1;
    }
    const qsizetype end = nextSeparator(text, separator, start);
    return text.sliced(start, (end < 0 ? text.size() : end) - start);
}

} // namespace kelvra
