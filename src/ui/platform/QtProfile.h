// The settings store on QSettings: an INI file in the user's config folder.
#pragma once

#include "core/platform/Profile.h"

#include <QSettings>
#include <memory>

namespace velto {

class QtProfile final : public Profile {
public:
    // The file named by the environment variable VELTO_PROFILE, else
    // ~/.config/Kestrova/Velto.ini.
    QtProfile();
    explicit QtProfile(const QString& iniPath);

    [[nodiscard]] std::int32_t GetInt(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const override;
    [[nodiscard]] std::string GetString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) const override;
    [[nodiscard]] std::optional<Bytes> GetBinary(std::string_view section,
                                                 std::string_view key) const override;

    bool WriteInt(std::string_view section, std::string_view key, std::int32_t value) override;
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    bool WriteBinary(std::string_view section, std::string_view key, const Bytes& value) override;

    [[nodiscard]] QString FileName() const { return settings_->fileName(); }
    void Sync() { settings_->sync(); }

private:
    QVariant Read(std::string_view section, std::string_view key) const;
    bool Write(std::string_view section, std::string_view key, const QVariant& value);

    std::unique_ptr<QSettings> settings_;
};

} // namespace velto
