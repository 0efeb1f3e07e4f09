#include "platform/settingsstore.h"

#include "common/product.h"
#include "common/strutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

SettingsStore::SettingsStore(const QString& filePath) : path_(filePath)
{
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (!QFileInfo::exists(path_)) {
        // Created owner-only before anything is written; rewrites keep the permissions.
        QFile f(path_);
        if (f.open(QIODevice::WriteOnly))
            f.close();
        QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::DefaultPath()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QLatin1Char('/') + kSettingsApplication + QLatin1Char('/') + kSettingsApplication
        + QStringLiteral(".ini");
}

static QString keyOf(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

QString SettingsStore::GetString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const QVariant v = settings_->value(keyOf(section, key));
    if (!v.isValid())
        return defaultValue;
    return v.toString();
}

bool TextToBool(const QString& text, bool* ok)
{
    const QString t = text.trimmed();
    *ok = true;
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (IsNumeric(t))
        return t.toDouble() != 0.0;
    *ok = false;
    return false;
}

bool SettingsStore::GetBool(const QString& section, const QString& key, bool defaultValue) const
{
    if (!Contains(section, key))
        return defaultValue;
    bool ok = false;
    const bool b = TextToBool(GetString(section, key), &ok);
    return ok ? b : defaultValue;
}

int SettingsStore::GetInt(const QString& section, const QString& key, int defaultValue) const
{
    if (!Contains(section, key))
        return defaultValue;
    const QString t = GetString(section, key).trimmed();
    if (!IsNumeric(t))
        return defaultValue;
    const double d = t.toDouble();
    if (d < -2147483648.0 || d > 2147483647.0)
        return defaultValue;
    return static_cast<int>(RoundHalfEven(d));
}

bool SettingsStore::Contains(const QString& section, const QString& key) const
{
    return settings_->contains(keyOf(section, key));
}

void SettingsStore::SetString(const QString& section, const QString& key, const QString& value)
{
    settings_->setValue(keyOf(section, key), value);
    flush();
}

void SettingsStore::SetBool(const QString& section, const QString& key, bool value)
{
    SetString(section, key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

void SettingsStore::SetInt(const QString& section, const QString& key, int value)
{
    SetString(section, key, QString::number(value));
}

void SettingsStore::Remove(const QString& section, const QString& key)
{
    settings_->remove(keyOf(section, key));
    flush();
}

void SettingsStore::flush()
{
    settings_->sync();
    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
