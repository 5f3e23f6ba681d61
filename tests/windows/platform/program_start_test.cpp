#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "process_start.h"
#include "program_folder.h"

namespace zorvik {
namespace {

// A small program that leaves a file behind, so the test can see it ran.
QString WriteMarkerProgram(const QDir& folder, const QString& name, const QString& marker) {
    const QString path = folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

#ifdef Q_OS_UNIX
TEST(StartProgramTest, StartsOnlyTheFileNamedByAnAbsolutePath) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString marker = folder.filePath(QStringLiteral("ran"));
    const QString program = WriteMarkerProgram(folder, QStringLiteral("screen-test"), marker);

    // Even with the program's folder on the search path, a bare name is refused.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ":" + path);
    EXPECT_FALSE(StartProgram(QStringLiteral("screen-test")));
    qputenv("PATH", path);
    QTest::qWait(200);
    EXPECT_FALSE(QFile::exists(marker));

    EXPECT_TRUE(StartProgram(program));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 5000);
}

TEST(StartProgramTest, MissingOrNotExecutableFilesAreNotStarted) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    EXPECT_FALSE(StartProgram(folder.filePath(QStringLiteral("absent"))));
    EXPECT_FALSE(StartProgram(dir.path()));
    const QString plain = folder.filePath(QStringLiteral("plain"));
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_FALSE(StartProgram(plain));
}
#endif

TEST(ProgramFolderTest, TestsCanMoveIt) {
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath());
    QTemporaryDir dir;
    SetProgramFolder(dir.path());
    EXPECT_EQ(ProgramFolder(), dir.path());
    EXPECT_EQ(ProgramFile(QStringLiteral("ZCompanyIdx03.dat")), dir.path() + QStringLiteral("/ZCompanyIdx03.dat"));
    SetProgramFolder({});
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath());
}

}  // namespace
}  // namespace zorvik
