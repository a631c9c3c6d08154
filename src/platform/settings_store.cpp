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

std::optional<QString> QtSettingsStore::text(const QString& section, const QString& key) const
{
    QSettings settings(QStringLiteral("Dorvik"), QStringLiteral("Dorvik"));
    settings.beginGroup(section);
    const QVariant value = settings.value(key);
    return value.isValid() ? std::optional<QString>(value.toString()) : std::nullopt;
}

void QtSettingsStore::setText(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(QStringLiteral("Dorvik"), QStringLiteral("Dorvik"));
    settings.beginGroup(section);
    if (value.isEmpty())
        settings.remove(key);
    else
        settings.setValue(key, value);
}

} // namespace dorvik
