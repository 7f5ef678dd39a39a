#include "common/FieldText.h"

namespace kelvra {

QString GetField(const QString& text, QChar separator, int index)
{
    if (index < 1 || text.isEmpty())
        return {};
    int field = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        // The text is read as if one more separator followed it.
        if (i == text.size() || text.at(i) == separator) {
            if (field == index)
                return text.mid(start, i - start);
            ++field;
            start = i + 1;
        }
    }
    return {};
}

} // namespace kelvra
