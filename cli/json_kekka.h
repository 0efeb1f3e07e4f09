#pragma once
// JSON views of the results file for the command-line front end.
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

class cKekkaFile;

// One loaded stadium: header figures and every race read, with its six frames.
QJsonObject KekkaJson(const cKekkaFile& k);

// Stadium codes ("01".."24" as written) that have a block in a results file, in file order.
// False when the file cannot be read.
bool KekkaBlockCodes(const QString& path, QStringList* codes);

// Every stadium with a block (or only `code` when given and present): KekkaJson of each, or
// {"KyoteijyoCode": "NN", "error": "<message text>"} for a block that fails to load.
QJsonArray KekkaFileJson(const QString& path, const QString& code = {});
