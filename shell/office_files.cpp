#include "shell/office_files.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <sstream>

#include "core/notices.h"
#include "core/offices_file.h"
#include "core/shared_state.h"
#include "platform/program_folder.h"

namespace zorvik {
namespace {

// The file may come from an editor that writes UTF-8 or from one that
// writes an 8-bit code page; text that is not valid UTF-8 is read as Latin-1.
std::string TextAsUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    return text.toStdString();
}

}  // namespace

void LoadOfficesFile() {
    QFile file(ProgramFile(QString::fromLatin1(OfficesFileName)));
    if (!file.exists() || !file.open(QIODevice::ReadOnly)) return;
    std::istringstream text(TextAsUtf8(file.readAll()));
    const OfficesFileContents read = ParseOfficesFile(text);
    Shared.Offices = read.Offices;
    Shared.OfficeIndex = read.OfficeIndex;
    if (!read.Error.empty()) CurrentNotices().Error(read.Error);
}

void ReadOfficeIndexFile() {
    QFile file(ProgramFile(QString::fromLatin1(OfficeIndexFileName)));
    if (file.open(QIODevice::ReadOnly)) {
        if (const auto stored = DecodeOfficeIndex(file.read(4).toStdString())) {
            Shared.OfficeIndex = *stored;
            return;
        }
    }
    if (Shared.OfficeIndex < 0) Shared.OfficeIndex = 1;
}

bool SaveOfficeIndexFile() {
    QSaveFile file(ProgramFile(QString::fromLatin1(OfficeIndexFileName)));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string bytes = EncodeOfficeIndex(Shared.OfficeIndex);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file.commit();
}

}  // namespace zorvik
