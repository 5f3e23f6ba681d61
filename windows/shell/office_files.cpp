#include "office_files.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <sstream>

#include "notices.h"
#include "offices_file.h"
#include "shared_state.h"
#include "program_folder.h"
#include "user_files.h"

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
    const QString path = FindConfigFile(QString::fromLatin1(OfficesFileName));
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    std::istringstream text(TextAsUtf8(file.readAll()));
    const OfficesFileContents read = ParseOfficesFile(text);
    Shared.Offices = read.Offices;
    Shared.OfficeIndex = read.OfficeIndex;
    if (!read.Error.empty()) CurrentNotices().Error(read.Error);
}

// A user who has not chosen yet gets what an installation of the program
// beside its own file left behind.
void ReadOfficeIndexFile() {
    const QString name = QString::fromLatin1(OfficeIndexFileName);
    const QString own = UserConfigFile(name);
    QFile file(QFile::exists(own) ? own : ProgramFile(name));
    if (file.open(QIODevice::ReadOnly)) {
        if (const auto stored = DecodeOfficeIndex(file.read(4).toStdString())) {
            Shared.OfficeIndex = *stored;
            return;
        }
    }
    if (Shared.OfficeIndex < 0) Shared.OfficeIndex = 1;
}

QString OfficeIndexSavePath() { return UserConfigFile(QString::fromLatin1(OfficeIndexFileName)); }

bool SaveOfficeIndexFile() {
    if (!QDir().mkpath(UserConfigFolder())) return false;
    QSaveFile file(OfficeIndexSavePath());
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string bytes = EncodeOfficeIndex(Shared.OfficeIndex);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file.commit();
}

}  // namespace zorvik
