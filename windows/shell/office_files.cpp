#include "office_files.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <sstream>

#include "offices_file.h"
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

void LoadOfficesFile(Session& session, Notices& notices) {
    const QString path = FindConfigFile(QString::fromLatin1(OfficesFileName));
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    std::istringstream text(TextAsUtf8(file.readAll()));
    const OfficesFileContents read = ParseOfficesFile(text);
    session.Offices = read.Offices;
    session.OfficeIndex = read.OfficeIndex;
    if (!read.Error.empty()) notices.Error(read.Error);
}

// A user who has not chosen yet gets what an installation of the program
// beside its own file left behind.
void ReadOfficeIndexFile(Session& session) {
    const QString name = QString::fromLatin1(OfficeIndexFileName);
    const QString own = UserConfigFile(name);
    QFile file(QFile::exists(own) ? own : ProgramFile(name));
    if (file.open(QIODevice::ReadOnly)) {
        if (const auto stored = DecodeOfficeIndex(file.read(4).toStdString())) {
            session.OfficeIndex = *stored;
            return;
        }
    }
    if (session.OfficeIndex < 0) session.OfficeIndex = 1;
}

QString OfficeIndexSavePath() { return UserConfigFile(QString::fromLatin1(OfficeIndexFileName)); }

bool SaveOfficeIndexFile(const Session& session) {
    if (!QDir().mkpath(UserConfigFolder())) return false;
    QSaveFile file(OfficeIndexSavePath());
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string bytes = EncodeOfficeIndex(session.OfficeIndex);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file.commit();
}

}  // namespace zorvik
