#include "platform/inifile.h"

#include "common/cp932.h"
#include "platform/fileio.h"

#include <QFileInfo>
#include <QStringList>
#include <limits>
#include <optional>

namespace {

QString sectionName(const QString& line) // name of a "[section]" line, or a null text
{
    const QString t = line.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return QString();
}

bool splitKey(const QString& line, QString* key, QString* value)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    *key = line.left(eq).trimmed();
    if (value)
        *value = line.mid(eq + 1).trimmed();
    return !key->isEmpty();
}

QStringList readLines(const QString& file, bool* exists)
{
    QByteArray bytes;
    *exists = QFileInfo(file).isFile() && ReadFileBytes(file, &bytes);
    return *exists ? DecodeLines(bytes) : QStringList();
}

// Index range [begin, end) of the section's body lines; begin = -1 when missing.
void findSection(const QStringList& lines, const QString& section, qsizetype* header, qsizetype* end)
{
    *header = -1;
    *end = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString name = sectionName(lines.at(i));
        if (name.isNull())
            continue;
        if (*header >= 0) {
            *end = i;
            return;
        }
        if (name.compare(section.trimmed(), Qt::CaseInsensitive) == 0)
            *header = i;
    }
}

std::optional<QString> lookup(const QString& file, const QString& section, const QString& key)
{
    bool exists = false;
    const QStringList lines = readLines(file, &exists);
    if (!exists)
        return std::nullopt;
    qsizetype header, end;
    findSection(lines, section, &header, &end);
    if (header < 0)
        return std::nullopt;
    for (qsizetype i = header + 1; i < end; ++i) {
        QString k, v;
        if (splitKey(lines.at(i), &k, &v) && k.compare(key.trimmed(), Qt::CaseInsensitive) == 0) {
            if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
                v = v.mid(1, v.size() - 2);
            return v;
        }
    }
    return std::nullopt;
}

bool writeLines(const QString& file, const QStringList& lines)
{
    return WriteFileAtomic(file, EncodeLines(lines));
}

} // namespace

QString cIniFile::MyGetString(const QString& strFileName, const QString& strSection, const QString& strKey,
                              const QString& strDefaultValue)
{
    std::optional<QString> v = lookup(strFileName, strSection, strKey);
    if (!v)
        return strDefaultValue;
    QString value = *v;
    const qsizetype nul = value.indexOf(QChar(0));
    if (nul >= 0)
        value.truncate(nul);
    if (value.size() > 255)
        value.truncate(255);
    return value.isEmpty() ? strDefaultValue : value;
}

int cIniFile::MyGetInteger(const QString& strFileName, const QString& strSection, const QString& strKey,
                           int lngDefaultValue)
{
    std::optional<QString> v = lookup(strFileName, strSection, strKey);
    if (!v)
        return lngDefaultValue;
    const QString& t = *v;
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
        negative = t.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 n = 0;
    for (; i < t.size() && t.at(i) >= QLatin1Char('0') && t.at(i) <= QLatin1Char('9'); ++i) {
        n = n * 10 + (t.at(i).unicode() - '0');
        if (n > qint64(std::numeric_limits<unsigned int>::max()))
            n = qint64(std::numeric_limits<unsigned int>::max()) + 1; // keep it bounded
    }
    if (negative)
        n = -n;
    return static_cast<int>(static_cast<quint32>(n)); // 32-bit wrap, as a profile read gives
}

bool cIniFile::MySetString(const QString& strFileName, const QString& strSection, const QString& strKey,
                           const QString& strValue)
{
    if (strSection.trimmed().isEmpty() || strKey.trimmed().isEmpty())
        return false;
    bool exists = false;
    QStringList lines = readLines(strFileName, &exists);
    if (!exists && QFileInfo::exists(strFileName))
        return false; // present but unreadable: do not overwrite it
    QString value = strValue;
    value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString newLine = strKey.trimmed() + QLatin1Char('=') + value;
    qsizetype header, end;
    findSection(lines, strSection, &header, &end);
    if (header < 0) {
        lines.append(QLatin1Char('[') + strSection.trimmed() + QLatin1Char(']'));
        lines.append(newLine);
        return writeLines(strFileName, lines);
    }
    for (qsizetype i = header + 1; i < end; ++i) {
        QString k;
        if (splitKey(lines.at(i), &k, nullptr) && k.compare(strKey.trimmed(), Qt::CaseInsensitive) == 0) {
            lines[i] = newLine;
            return writeLines(strFileName, lines);
        }
    }
    // New key: after the section's last non-blank line.
    qsizetype at = end;
    while (at > header + 1 && lines.at(at - 1).trimmed().isEmpty())
        --at;
    lines.insert(at, newLine);
    return writeLines(strFileName, lines);
}

bool cIniFile::MyDeleteSection(const QString& strFileName, const QString& strSection)
{
    bool exists = false;
    QStringList lines = readLines(strFileName, &exists);
    if (!exists)
        return true;
    qsizetype header, end;
    findSection(lines, strSection, &header, &end);
    if (header < 0)
        return true;
    lines.erase(lines.begin() + header, lines.begin() + end);
    return writeLines(strFileName, lines);
}

bool cIniFile::MyDeleteKey(const QString& strFileName, const QString& strSection, const QString& strKey)
{
    bool exists = false;
    QStringList lines = readLines(strFileName, &exists);
    if (!exists)
        return true;
    qsizetype header, end;
    findSection(lines, strSection, &header, &end);
    if (header < 0)
        return true;
    for (qsizetype i = header + 1; i < end; ++i) {
        QString k;
        if (splitKey(lines.at(i), &k, nullptr) && k.compare(strKey.trimmed(), Qt::CaseInsensitive) == 0) {
            lines.removeAt(i);
            return writeLines(strFileName, lines);
        }
    }
    return true;
}
