// The settings store on QSettings.
#include "ui/platform/QtProfile.h"

namespace velto {

namespace {
// Section and key names are kept as they are; a '/' (as in "Structure/Layout TextColour")
// would start a sub-group in QSettings, so it travels escaped.
QString Escaped(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
        .replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('/'), QLatin1String("\\s"));
}

QString KeyPath(std::string_view section, std::string_view key) {
    return Escaped(section) + QLatin1Char('/') + Escaped(key);
}
} // namespace

QtProfile::QtProfile() {
    const QByteArray path = qgetenv("VELTO_PROFILE");
    if (!path.isEmpty())
        settings_ = std::make_unique<QSettings>(QString::fromLocal8Bit(path), QSettings::IniFormat);
    else
        settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                QStringLiteral("Kestrova"), QStringLiteral("Velto"));
}

QtProfile::QtProfile(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

QVariant QtProfile::Read(std::string_view section, std::string_view key) const {
    return settings_->value(KeyPath(section, key));
}

bool QtProfile::Write(std::string_view section, std::string_view key, const QVariant& value) {
    if (!settings_->isWritable())
        return false;
    settings_->setValue(KeyPath(section, key), value);
    return settings_->status() == QSettings::NoError;
}

std::int32_t QtProfile::GetInt(std::string_view section, std::string_view key,
                               std::int32_t defaultValue) const {
    const QVariant v = Read(section, key);
    bool ok = false;
    const qlonglong n = v.toString().trimmed().toLongLong(&ok);
    // Whole numbers are 32-bit; a number written unsigned (a colour) reads back the same.
    if (!ok || n < INT32_MIN || n > UINT32_MAX)
        return defaultValue;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(n));
}

std::string QtProfile::GetString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    const QVariant v = Read(section, key);
    if (!v.isValid() || v.typeId() == QMetaType::QByteArray)
        return std::string(defaultValue);
    // A hand-edited file may hold an unquoted value with commas, which QSettings reads
    // as a list; put it back together.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(',')).toStdString();
    return v.toString().toStdString();
}

std::optional<Bytes> QtProfile::GetBinary(std::string_view section, std::string_view key) const {
    const QVariant v = Read(section, key);
    if (v.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    const QByteArray b = v.toByteArray();
    return Bytes(b.begin(), b.end());
}

bool QtProfile::WriteInt(std::string_view section, std::string_view key, std::int32_t value) {
    return Write(section, key, value);
}

bool QtProfile::WriteString(std::string_view section, std::string_view key,
                            std::string_view value) {
    return Write(section, key,
                 QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

bool QtProfile::WriteBinary(std::string_view section, std::string_view key, const Bytes& value) {
    return Write(section, key,
                 QByteArray(reinterpret_cast<const char*>(value.data()),
                            static_cast<qsizetype>(value.size())));
}

} // namespace velto
