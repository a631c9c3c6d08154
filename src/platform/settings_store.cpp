#include "platform/settings_store.h"

#include <QSettings>

namespace dorvik {


std::optional<double> QtSettingsStore::number(const QString& section, const QString& key) const
{
    QSettings settings(QStringLiteral("Dorvik"), QStringLiteral("Dorvik"));
    settings.beginGroup(section);
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const double number = value.toString().toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

void QtSettingsStore::setNumber(const QString& section, const QString& key, double value)
{
    QSettings settings(QStringLiteral("Dorvik"), QStringLiteral("Dorvik"));
    settings.beginGroup(section);
    // Stored as decimal text.
    settings.setValue(key, QString::number(value));
}

} // namespace dorvik
