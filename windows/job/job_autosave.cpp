#include "job_autosave.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <nlohmann/json.hpp>

#include "durable_write.h"
#include "job_json.h"
#include "user_files.h"

namespace zorvik {
namespace {

constexpr int kSlots = 9;

QString SlotFile(int slot, const char* suffix) {
    return QDir(UserStateFolder()).filePath(QStringLiteral("autosave-%1.%2").arg(slot).arg(QLatin1String(suffix)));
}

// The lock of a slot, taken only when no running program holds it.
std::unique_ptr<QLockFile> TakeSlot(int slot) {
    auto lock = std::make_unique<QLockFile>(SlotFile(slot, "lock"));
    // Held only while its program runs, however long that is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

std::filesystem::path Path(const QString& file) { return std::filesystem::path(file.toStdString()); }

QByteArray OriginText(const QString& origin, const job::DiskStamp& stamp) {
    QJsonObject o;
    o[QStringLiteral("origin")] = origin;
    o[QStringLiteral("exists")] = stamp.exists;
    o[QStringLiteral("size")] = QString::number(stamp.size);
    o[QStringLiteral("modified")] = QString::number(stamp.modified.time_since_epoch().count());
    o[QStringLiteral("hash")] = QString::number(stamp.hash);
    return QJsonDocument(o).toJson();
}

void ReadOrigin(const QString& file, LeftJob& left) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return;
    const QJsonObject o = QJsonDocument::fromJson(in.readAll()).object();
    left.origin = o.value(QStringLiteral("origin")).toString();
    left.stamp.exists = o.value(QStringLiteral("exists")).toBool();
    left.stamp.size = o.value(QStringLiteral("size")).toString().toULongLong();
    left.stamp.modified = std::filesystem::file_time_type(
        std::filesystem::file_time_type::duration(o.value(QStringLiteral("modified")).toString().toLongLong()));
    left.stamp.hash = o.value(QStringLiteral("hash")).toString().toULongLong();
}

void Replace(const QString& from, const QString& to) {
    QFile::remove(to);
    QFile::rename(from, to);
}

}  // namespace

JobAutosave::JobAutosave() {
    QDir().mkpath(UserStateFolder());
    for (int slot = 1; slot <= kSlots && !lock_; ++slot) {
        if (QFile::exists(SlotFile(slot, "zjob"))) continue;
        lock_ = TakeSlot(slot);
        if (lock_) slot_ = slot;
    }
}

JobAutosave::~JobAutosave() = default;

QString JobAutosave::JobFile() const { return HasSlot() ? SlotFile(slot_, "zjob") : QString(); }

bool JobAutosave::Write(const job::Job& job, const QString& origin, const job::DiskStamp& stamp, Text& error) {
    if (!HasSlot()) {
        error = "No place is free in " + UserStateFolder().toStdString();
        return false;
    }
    // The kept job may be a private one: the folder is the user's alone.
    QDir().mkpath(UserStateFolder());
    QFile::setPermissions(UserStateFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    std::string text;
    try {
        text = job::JobFileText(job);
    } catch (const nlohmann::json::exception&) {
        error = Tr("Jobs", "A text of the job is not UTF-8, so it cannot be saved.");
        return false;
    }
    return job::ReplaceDurably(Path(SlotFile(slot_, "origin")), OriginText(origin, stamp).toStdString(), {}, error) &&
           job::ReplaceDurably(Path(JobFile()), text, {}, error);
}

void JobAutosave::Remove() {
    if (!HasSlot()) return;
    QFile::remove(JobFile());
    QFile::remove(SlotFile(slot_, "origin"));
}

std::vector<LeftJob> LeftJobs(const QString& own) {
    std::vector<LeftJob> left;
    for (int slot = 1; slot <= kSlots; ++slot) {
        const QString file = SlotFile(slot, "zjob");
        if (file == own || !QFile::exists(file) || !TakeSlot(slot)) continue;
        LeftJob job;
        job.file = file;
        job::OpenedJob opened = job::OpenJobFile(Path(file));
        job.job = std::move(opened.job);
        job.error = std::move(opened.error);
        ReadOrigin(SlotFile(slot, "origin"), job);
        left.push_back(std::move(job));
    }
    return left;
}

void DiscardLeftJob(const LeftJob& left, bool keepCopy) {
    QString origin = left.file;
    origin.replace(QStringLiteral(".zjob"), QStringLiteral(".origin"));
    if (keepCopy) {
        Replace(left.file, left.file + QLatin1Char('~'));
        Replace(origin, origin + QLatin1Char('~'));
        return;
    }
    QFile::remove(left.file);
    QFile::remove(origin);
}

}  // namespace zorvik
