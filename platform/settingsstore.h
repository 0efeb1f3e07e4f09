#pragma once
// The per-user settings store: sections and keys of text values under the application name
// "Quorvel6". Booleans are stored as "True"/"False", integers in decimal. The file holds the
// scrambled credentials, so it is kept readable by its owner only.
#include <QString>
#include <memory>

class QSettings;

class SettingsStore {
public:
    // The per-user file (~/.config/Quorvel6/Quorvel6.ini), or the given file (tests).
    explicit SettingsStore(const QString& filePath = DefaultPath());
    ~SettingsStore();

    static QString DefaultPath();
    QString filePath() const { return path_; }

    QString GetString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    // Wrong-typed values read as the default.
    bool GetBool(const QString& section, const QString& key, bool defaultValue) const;
    int GetInt(const QString& section, const QString& key, int defaultValue) const;
    bool Contains(const QString& section, const QString& key) const;

    void SetString(const QString& section, const QString& key, const QString& value);
    void SetBool(const QString& section, const QString& key, bool value);
    void SetInt(const QString& section, const QString& key, int value);
    void Remove(const QString& section, const QString& key);

private:
    void flush();
    QString path_;
    std::unique_ptr<QSettings> settings_;
};

// Text-to-boolean conversion of a stored value: "True"/"False" (any case) or a number
// (non-zero is true); nullopt-like false with ok=false for anything else.
bool TextToBool(const QString& text, bool* ok);
