#pragma once
// Windows-profile style INI files in code page 932 (stadium data, user indices, downloader).
// Stateless: every call opens, reads or rewrites the named file itself. Section and key names
// match without regard to case; blanks around names and values are ignored. A rewrite goes
// through a temporary file, so a failure keeps the previous copy.
#include <QString>

class cIniFile {
public:
    // The value (at most 255 characters, cut at the first NUL); the default when the file,
    // section or key is missing or the stored value is empty.
    static QString MyGetString(const QString& strFileName, const QString& strSection, const QString& strKey,
                               const QString& strDefaultValue);
    // The leading decimal number of the value (0 when it does not start with one); the default
    // when the key is missing.
    static int MyGetInteger(const QString& strFileName, const QString& strSection, const QString& strKey,
                            int lngDefaultValue);
    // Creates the file, section or key as needed and replaces an existing value.
    static bool MySetString(const QString& strFileName, const QString& strSection, const QString& strKey,
                            const QString& strValue);
    static bool MyDeleteSection(const QString& strFileName, const QString& strSection);
    static bool MyDeleteKey(const QString& strFileName, const QString& strSection, const QString& strKey);
};
