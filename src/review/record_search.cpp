#include "review/record_search.h"

#include "platform/code_page.h"

#include <QLocale>

namespace dorvik {

std::optional<int> findByField(const Recordset& records, Field field, const QString& answer)
{
    const auto wanted = textToBytes(answer);
    if (!wanted)
        return std::nullopt;
    const int count = records.RecordCount();
    for (int i = 0; i < count; ++i)
        if (records.record(i).value(field) == *wanted)
            return i;
    return std::nullopt;
}

std::optional<int> findByNumber(const Recordset& records, const QString& answer)
{
    const QString text = answer.trimmed();
    bool ok = false;
    qlonglong number = QLocale().toLongLong(text, &ok);
    if (!ok)
        number = QLocale::c().toLongLong(text, &ok);
    if (!ok || number < 1 || number > records.RecordCount())
        return std::nullopt;
    return static_cast<int>(number - 1);
}

} // namespace dorvik
