#pragma once
// LZH archive extraction ("e": every member into one folder, stored sub-folders dropped).
#include <QString>

// True when archives can be extracted on this machine (the library is linked in).
bool LzhAvailable();

enum ArchiveResult : int {
    ArchiveOk = 0,
    ArchiveCannotOpen = 1,   // missing file or not an archive
    ArchiveCorrupt = 2,      // a header or member could not be read (truncated, bad CRC)
    ArchiveWriteFailed = 3,  // the target folder or a member file could not be written
    ArchiveNoMember = 4,     // nothing in the archive matched the mask
};

// Extracts the members that match `mask` (wildcards, case-insensitive; "*.*" or empty = all)
// into `targetFolder` under their base names. A member name holding "../" or an absolute path
// lands under its base name inside the target folder, never outside it. A member that cannot
// be read completely leaves no file behind (an existing file of that name is kept). Returns 0
// on success, otherwise an ArchiveResult code.
int ExtractArchive(const QString& archivePath, const QString& targetFolder, const QString& mask = QString());
