// The per-user settings store, read and written by section and key under the
// application's title.
#pragma once

#include <QString>

#include <optional>

namespace dorvik {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<double> number(const QString& section, const QString& key) const = 0;
    virtual void setNumber(const QString& section, const QString& key, double value) = 0;
    virtual std::optional<QString> text(const QString& section, const QString& key) const = 0;
    // An empty text removes the key.
    virtual void setText(const QString& section, const QString& key, const QString& value) = 0;
};

// QSettings under organisation and application "Dorvik":
// $XDG_CONFIG_HOME/Dorvik/Dorvik.conf (~/.config by default).
class QtSettingsStore : public SettingsStore {
public:
    std::optional<double> number(const QString& section, const QString& key) const override;
    void setNumber(const QString& section, const QString& key, double value) override;
    std::optional<QString> text(const QString& section, const QString& key) const override;
    void setText(const QString& section, const QString& key, const QString& value) override;
};

} // namespace dorvik
