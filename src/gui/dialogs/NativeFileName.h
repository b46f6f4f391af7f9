#pragma once

#include <QByteArray>
#include <QString>

namespace corvane {

// File names are bytes to the system, and need not be valid UTF-8 (a name
// made on a Latin-1 system, say). Qt's own conversion turns such bytes into
// U+FFFD and the file can then no longer be named. These keep every byte:
// a name that decodes cleanly is decoded as QFile::decodeName does, and each
// byte that does not is carried as the lone surrogate U+DC00 + byte, which no
// valid name contains, and turned back into that byte when encoding.
QString DecodeFileName(const QByteArray& bytes);
QByteArray EncodeFileName(const QString& name);

}  // namespace corvane
