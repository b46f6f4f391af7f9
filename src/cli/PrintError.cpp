#include "PrintError.h"

#include "NativeFileName.h"

#include <cstdio>
#include <cstring>

namespace corvane {

void PrintError(const QString& text) {
    const QByteArray line = "corvane: " + EncodeFileName(text) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

ExitCode ExitAfterSave(const AtomicFileWriter::Result& saved) {
    if (!saved.ok) {
        PrintError(saved.message);
        return ExitCode::Failed;
    }
    return ExitCode::Done;
}

QString SystemErrorText(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

}  // namespace corvane
