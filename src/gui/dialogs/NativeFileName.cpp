#include "NativeFileName.h"

#include <QFile>

namespace corvane {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Length of the UTF-8 sequence a lead byte announces; 0 for a byte that
// cannot begin one.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

bool IsEscapedByte(const QString& name, qsizetype i) {
    const char16_t unit = name.at(i).unicode();
    const bool afterHighSurrogate = i > 0 && name.at(i - 1).isHighSurrogate();
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF && !afterHighSurrogate;
}

}  // namespace

QString DecodeFileName(const QByteArray& bytes) {
    const QString plain = QFile::decodeName(bytes);
    if (QFile::encodeName(plain) == bytes) {
        return plain;
    }
    QString name;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int length = SequenceLength(static_cast<unsigned char>(bytes[i]));
        const QByteArray sequence = bytes.mid(i, length);
        const QString decoded = QString::fromUtf8(sequence);
        if (length > 0 && sequence.size() == length && decoded.toUtf8() == sequence) {
            name += decoded;
            i += length;
        } else {
            name += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
        }
    }
    return name;
}

QByteArray EncodeFileName(const QString& name) {
    qsizetype i = 0;
    while (i < name.size() && !IsEscapedByte(name, i)) {
        ++i;
    }
    if (i == name.size()) {
        return QFile::encodeName(name);
    }
    QByteArray bytes = name.left(i).toUtf8();
    qsizetype runStart = i;
    for (; i < name.size(); ++i) {
        if (IsEscapedByte(name, i)) {
            bytes += name.mid(runStart, i - runStart).toUtf8();
            bytes += char(name.at(i).unicode() - kEscapeBase);
            runStart = i + 1;
        }
    }
    return bytes + name.mid(runStart).toUtf8();
}

}  // namespace corvane
