#pragma once
// The program folder: where every working file lives. Names may use "\" as the separator
// and are matched without regard to case, so "BANGUMI.QVL" finds "bangumi.qvl".
#include <QString>

class ProgramFolder {
public:
    explicit ProgramFolder(QString root);

    // The folder of the executable when it is writable, otherwise ~/.local/share/Quorvel6.
    static QString DefaultRoot();

    const QString& root() const { return root_; }

    // The folder followed by the name, resolved against what exists on disk.
    QString AppFilePath(const QString& name) const;

private:
    QString root_;
};

// Resolves a relative name (with "\" or "/" separators) below a folder, matching each existing
// component without regard to case; components that do not exist are kept as written.
QString ResolveCaseInsensitive(const QString& folder, const QString& name);
