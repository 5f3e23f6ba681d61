// Office files and program folders nobody should give the program. Each
// gets the program's message or its documented default: entries read so
// far stay, a file cut short counts as no file, an index outside the table
// falls back to the first office, and a folder that cannot be written
// leaves no half-written file and says so.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <optional>
#include <string>
#include <vector>

#include "offices_file.h"
#include "app_windows.h"
#include "introduction_form.h"
#include "office_files.h"
#include "program_folder_fixture.h"
#include "ui_introduction_form.h"
#include "ui_main_form.h"

namespace zorvik {
namespace {

using testing::NoticeKind;
using testing::TestNotices;

class HostileOfficeFilesTest : public testing::ProgramFolderTest {
protected:
    // A fresh start of the program with this office file.
    void Load(const QByteArray& file) {
        WriteOfficesFile(file);
        session = Session{};
        LoadOfficesFile(session, TestNotices());
    }
    std::vector<std::string> Regions() const {
        std::vector<std::string> names;
        for (const TAddressData& office : session.Offices) names.push_back(office.Field[0]);
        return names;
    }

    Session session;
};

QByteArray Sections(int count) {
    QByteArray file;
    for (int i = 0; i < count; ++i) file += "[S" + QByteArray::number(i) + "]\nCo " + QByteArray::number(i) + "\n";
    return file;
}

TEST_F(HostileOfficeFilesTest, OfficeTablesOfEveryShape) {
    const std::string longLine(100000, 'x');
    struct Case {
        const char* what;
        QByteArray file;
        std::vector<std::string> regions;  // all twelve entries' names
        std::string firstCompany;          // field 1 of entry 0
        int officeIndex;
    };
    const std::vector<std::string> twelve = {"S0", "S1", "S2", "S3", "S4", "S5", "S6", "S7", "S8", "S9", "S10", "S11"};
    const std::vector<std::string> none(12);
    auto first = [&](std::vector<std::string> names) {
        names.resize(12);
        return names;
    };
    const Case cases[] = {
        {"1,000 sections keep the first twelve", Sections(1000), twelve, "Co 0", 0},
        {"lines of 100,000 characters", QByteArray("[") + longLine.c_str() + "]\n" + longLine.c_str() + "\n",
         first({longLine}), longLine, 0},
        {"no line end at the end", "[IDX1]\n[A]\nA Co", first({"A"}), "A Co", 0},
        {"no line end at all", "[Only]", first({"Only"}), "", 0},
        {"a NUL byte", QByteArray("[A\0B]\nCo\0X\n", 11), first({std::string("A\0B", 3)}), std::string("Co\0X", 4), 0},
        {"CR-LF line ends", "[IDX2]\r\n[A]\r\nA Co\r\n[B]\r\nB Co\r\n", first({"A", "B"}), "A Co", 1},
        {"lone CR line ends are no line ends", "[A]\rA Co\r[B]\r", first({"A"}), "", 0},
        {"an empty file empties the table", "", none, "", 0},
        {"[IDX of -5", "[IDX-5]\n[A]\n", first({"A"}), "", -6},
    };
    for (const Case& c : cases) {
        Load(c.file);
        EXPECT_EQ(Regions(), c.regions) << c.what;
        EXPECT_EQ(session.Offices[0].Field[1], c.firstCompany) << c.what;
        EXPECT_EQ(session.OfficeIndex, c.officeIndex) << c.what;
    }
}

// The introduction window lists what such tables hold and shows the chosen
// address, however long its lines.
TEST_F(HostileOfficeFilesTest, TheIntroductionWindowShowsHostileTables) {
    const QByteArray longLine(100000, 'x');
    const struct {
        const char* what;
        QByteArray file;
        int regions;
        int addressLength;  // characters in the address memo
    } cases[] = {
        {"1,000 sections", Sections(1000), 12, 4 + 5 + 2},
        {"lines of 100,000 characters", "[" + longLine + "]\n" + longLine + "\n" + longLine + "\n", 1,
         2 * 100000 + 5 + 2},
        {"a NUL byte in the name", QByteArray("[A\0B]\nCo\n", 9), 1, 2 + 5 + 2},
    };
    for (const auto& c : cases) {
        Load(c.file);
        TZorvikAmpIntroductionForm intro(session);
        intro.FormShow();
        EXPECT_EQ(intro.Controls().CountryComboBox->count(), c.regions) << c.what;
        EXPECT_EQ(intro.Controls().CountryComboBox->currentIndex(), 0) << c.what;
        EXPECT_EQ(intro.Controls().UkOfficeAddrMemo->toPlainText().size(), c.addressLength) << c.what;
    }
}

// A number in "[IDX" that is no 32-bit integer stops the reading with the
// message; what was read before it stays.
TEST_F(HostileOfficeFilesTest, IndexLinesThatAreNoIntegers) {
    const struct {
        QByteArray line;
        const char* message;
        // clang-format off
    } cases[] = {
        {"[IDX1099511627776]", "'1099511627776' is not a valid integer value"},  // 2^40
        {"[IDX2147483648]", "'2147483648' is not a valid integer value"},
        {"[IDX]", "'' is not a valid integer value"},
        {"[IDX 2 ]", "' 2 ' is not a valid integer value"},
    };
    // clang-format on
    for (const auto& c : cases) {
        notices_.Expect(NoticeKind::Error, c.message);
        Load("[A]\nA Co\n" + c.line + "\n[B]\n");
        EXPECT_EQ(Regions()[0], "A") << c.message;
        EXPECT_EQ(Regions()[1], "") << c.message;
        EXPECT_EQ(session.OfficeIndex, 0) << c.message;
    }
}

// A folder where the office file should be cannot be read: the built-in
// table stays, as without the file.
TEST_F(HostileOfficeFilesTest, AFolderInPlaceOfTheOfficeFile) {
    ASSERT_TRUE(QDir(folder_.path()).mkpath(QStringLiteral("ZorvikAmplifierAddresses.txt")));
    LoadOfficesFile(session, TestNotices());
    const Session builtIn;
    for (int i = 0; i < OfficeCount; ++i) EXPECT_EQ(session.Offices[i].Field, builtIn.Offices[i].Field) << i;
    EXPECT_EQ(session.OfficeIndex, builtIn.OfficeIndex);
}

// Whatever the index file holds, the introduction window lists the regions
// with a valid one chosen, and every printout names an office of the table.
TEST_F(HostileOfficeFilesTest, IndexFilesOfEveryLength) {
    const struct {
        const char* what;
        QByteArray bytes;
        int stored;  // OfficeIndex after reading
        int chosen;  // the item the introduction window shows
    } cases[] = {
        {"0 bytes", QByteArray(), 1, 1},
        {"3 bytes", QByteArray("\x03\x00\x00", 3), 1, 1},
        {"4 bytes", QByteArray("\x03\x00\x00\x00", 4), 3, 3},
        {"8 bytes", QByteArray("\x04\x00\x00\x00\x09\x00\x00\x00", 8), 4, 4},
        {"-1", QByteArray("\xFF\xFF\xFF\xFF", 4), -1, 0},
        {"2^31-1", QByteArray("\xFF\xFF\xFF\x7F", 4), 2147483647, 0},
    };
    for (const auto& c : cases) {
        WriteOfficeIndex(c.bytes);
        session = Session{};
        ReadOfficeIndexFile(session);
        EXPECT_EQ(session.OfficeIndex, c.stored) << c.what;
        EXPECT_EQ(&session.Office(), &session.Offices[c.stored >= 0 && c.stored < OfficeCount ? c.stored : 0])
            << c.what;
        TZorvikAmpIntroductionForm intro(session);
        intro.FormShow();
        EXPECT_EQ(intro.Controls().CountryComboBox->currentIndex(), c.chosen) << c.what;
        EXPECT_EQ(session.OfficeIndex, c.chosen) << c.what;
    }
}

// The user's configuration folder cannot be made: it would lie under a
// regular file, which stops root as well.
class UnwritableConfigFolderTest : public HostileOfficeFilesTest {
protected:
    void SetUp() override {
        HostileOfficeFilesTest::SetUp();
        Write(QStringLiteral("a-file"), "not a folder");
        qputenv("XDG_CONFIG_HOME", PathOf(QStringLiteral("a-file/config")).toLocal8Bit());
    }
    QStringList FilesLeft() const {
        return QDir(folder_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

TEST_F(UnwritableConfigFolderTest, SavingFailsAndLeavesNoFile) {
    session.OfficeIndex = 5;
    EXPECT_FALSE(SaveOfficeIndexFile(session));
    EXPECT_EQ(FilesLeft(), QStringList{QStringLiteral("a-file")});
}

TEST_F(UnwritableConfigFolderTest, TheMainWindowSaysSoAndStillCloses) {
    QApplication::setQuitOnLastWindowClosed(false);
    auto windows = CreateAppWindows(session, TestNotices());
    windows->ZorvAmpMainForm->show();
    notices_.Expect(NoticeKind::Warning, "The chosen office could not be saved in\r" +
                                             QDir::toNativeSeparators(PathOf(QStringLiteral("a-file/config/")) +
                                                                      QCoreApplication::applicationName() +
                                                                      QStringLiteral("/ZCompanyIdx03.dat"))
                                                 .toStdString() +
                                             "\rIt will not be remembered at the next start.");
    windows->ZorvAmpMainForm->Controls().closeBitBtn->click();
    EXPECT_FALSE(windows->ZorvAmpMainForm->isVisible());
    EXPECT_EQ(FilesLeft(), QStringList{QStringLiteral("a-file")});
}

// An installed program's folder is the system's: the choice an older
// installation left there is read while the user has none of their own,
// the user's choice goes to their own folder, and the file beside the
// program stays as it was (chmod stops every user but root; the test checks
// that nothing was written, which holds for root too).
TEST_F(HostileOfficeFilesTest, AReadOnlyProgramFolderKeepsItsOldChoice) {
    WriteIndexBesideProgram(QByteArray("\x04\x00\x00\x00", 4));
    ASSERT_TRUE(QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner));
    const QStringList before = QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    ReadOfficeIndexFile(session);
    EXPECT_EQ(session.OfficeIndex, 4);
    session.OfficeIndex = 6;
    EXPECT_TRUE(SaveOfficeIndexFile(session));
    session.OfficeIndex = 1;
    ReadOfficeIndexFile(session);
    EXPECT_EQ(session.OfficeIndex, 6);
    EXPECT_EQ(Read(QStringLiteral("ZCompanyIdx03.dat")), QByteArray("\x04\x00\x00\x00", 4));
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace zorvik
