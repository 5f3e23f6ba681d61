#include <gtest/gtest.h>

#include <sstream>

#include "offices_file.h"
#include "office_table.h"

namespace zorvik {
namespace {

OfficesFileContents Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseOfficesFile(in);
}

// "[name]" and `lines` numbered lines of that section.
std::string Section(const std::string& name, int lines) {
    std::string text = "[" + name + "]\n";
    for (int i = 1; i <= lines; ++i) text += name + " line " + std::to_string(i) + "\n";
    return text;
}

TEST(OfficesFileTest, SectionsFillEntriesInOrderAndClearTheRest) {
    const auto read = Parse("[IDX3]\n[Asia]\nCompany\nStreet\nEstate\nCity\n\nTel: 1\nFax: 2\n[Europe]\nE Co\n");
    EXPECT_TRUE(read.Error.empty());
    EXPECT_EQ(read.OfficeIndex, 2);
    const std::array<std::string, 8> asia = {"Asia", "Company", "Street", "Estate", "City", "", "Tel: 1", "Fax: 2"};
    EXPECT_EQ(read.Offices[0].Field, asia);
    EXPECT_EQ(read.Offices[1].Field[0], "Europe");
    EXPECT_EQ(read.Offices[1].Field[1], "E Co");
    EXPECT_EQ(read.Offices[1].Field[2], "");
    for (int i = 2; i < OfficeCount; ++i)
        for (const auto& field : read.Offices[i].Field) EXPECT_EQ(field, "") << i;
}

TEST(OfficesFileTest, LineRules) {
    struct Case {
        const char* what;
        std::string text;
        int entry;
        int field;
        std::string expected;
    };
    const Case cases[] = {
        {"ninth line of a section is dropped", Section("A", 9), 0, 7, "A line 7"},
        {"tenth section line does not reach the next entry", Section("A", 9), 1, 1, ""},
        {"header without ] has an empty name", "[Nameless\nCo\n", 0, 0, ""},
        {"its lines are still read", "[Nameless\nCo\n", 0, 1, "Co"},
        {"name stops at the first ]", "[Sp]ain] x\n", 0, 0, "Sp"},
        {"lines before the first header are ignored", "Lost\n[A]\nCo\n", 0, 1, "Co"},
        {"blanks are kept", "[ A ]\n  Co  \n", 0, 1, "  Co  "},
        {"CR LF line ends are line ends", "[A]\r\nCo\r\n", 0, 1, "Co"},
        {"an [IDX line is not a section line", "[A]\n[IDX1]\nCo\n", 0, 1, "Co"},
        {"[idx is case-sensitive and starts a section", "[idx2]\n", 0, 0, "idx2"},
        {"an empty header name is kept empty", "[]\nCo\n", 0, 1, "Co"},
    };
    for (const Case& c : cases) {
        const auto read = Parse(c.text);
        EXPECT_TRUE(read.Error.empty()) << c.what;
        EXPECT_EQ(read.Offices[c.entry].Field[c.field], c.expected) << c.what;
    }
}

TEST(OfficesFileTest, SectionsAfterTheTwelfthAreIgnored) {
    std::string text;
    for (int i = 1; i <= 14; ++i) text += Section("R" + std::to_string(i), 7);
    const auto read = Parse(text);
    EXPECT_EQ(read.Offices[11].Field[0], "R12");
    EXPECT_EQ(read.Offices[11].Field[7], "R12 line 7");
}

TEST(OfficesFileTest, IndexLines) {
    struct Case {
        std::string text;
        std::int32_t index;
        std::string error;
    };
    const Case cases[] = {
        {"[A]\n", 0, ""},
        {"[IDX2]\n", 1, ""},
        {"[IDX1]\n[IDX5]\n", 4, ""},
        {"[IDX0]\n", -1, ""},
        {"[IDX-3]\n", -4, ""},
        {"[IDX 7]\n", 6, ""},
        {"[IDX12", 11, ""},
        {"[IDX2.5]\n", 0, "'2.5' is not a valid integer value"},
        {"[IDX]\n", 0, "'' is not a valid integer value"},
        {"[IDXtwo]\n", 0, "'two' is not a valid integer value"},
        {"[IDX99999999999]\n", 0, "'99999999999' is not a valid integer value"},
        {"[IDX-2147483648]\n", -2147483647 - 1, ""},
    };
    for (const Case& c : cases) {
        const auto read = Parse(c.text);
        EXPECT_EQ(read.OfficeIndex, c.index) << c.text;
        EXPECT_EQ(read.Error, c.error) << c.text;
    }
}

TEST(OfficesFileTest, BadIndexLineStopsReadingButKeepsWhatWasRead) {
    const auto read = Parse("[IDX2]\n[A]\nA Co\n[IDXx]\nA street\n[B]\nB Co\n");
    EXPECT_EQ(read.Error, "'x' is not a valid integer value");
    EXPECT_EQ(read.OfficeIndex, 1);
    EXPECT_EQ(read.Offices[0].Field[1], "A Co");
    EXPECT_EQ(read.Offices[0].Field[2], "");
    EXPECT_EQ(read.Offices[1].Field[0], "");
}

TEST(OfficeIndexFileTest, FourLittleEndianBytes) {
    for (std::int32_t value : {0, 1, 9, -1, 258, 0x7FFFFFFF, -2147483647 - 1}) {
        const std::string bytes = EncodeOfficeIndex(value);
        ASSERT_EQ(bytes.size(), 4u);
        EXPECT_EQ(DecodeOfficeIndex(bytes), value);
    }
    EXPECT_EQ(EncodeOfficeIndex(258), std::string("\x02\x01\x00\x00", 4));
    EXPECT_EQ(DecodeOfficeIndex(std::string("\x03\x00\x00\x00\xFF", 5)), 3);
}

TEST(OfficeIndexFileTest, ShortFileIsNoFile) {
    for (const std::string& bytes : {std::string(), std::string("\x01", 1), std::string("\x01\x00\x00", 3)})
        EXPECT_EQ(DecodeOfficeIndex(bytes), std::nullopt) << bytes.size();
}

TEST(AddressLinesTest, FourthLineJoinsFieldsFourAndFiveWithTwoBlanks) {
    TAddressData office{{"R", "Co", "L2", "L3", "L4", "", "Tel", "Fax"}};
    EXPECT_EQ(AddressLines(office), (std::array<std::string, 6>{"Co", "L2", "L3", "L4  ", "Tel", "Fax"}));
    office.Field[5] = "ZIP";
    EXPECT_EQ(AddressLines(office)[3], "L4  ZIP");
}

// Every built-in office has all its lines but perhaps the fifth, and
// telephone and fax lines that already name themselves; the last two
// entries are left free for an office file.
TEST(BuiltInOfficesTest, TenFullEntriesThenTwoEmptyOnes) {
    const OfficeTable offices = InitOffices();
    for (int i = 0; i < 10; ++i) {
        const auto& f = offices[i].Field;
        for (int k = 0; k < 8; ++k) EXPECT_TRUE(k == 5 || !f[k].empty()) << i << " " << k;
        EXPECT_TRUE(f[6].starts_with("Tel: ")) << f[0];
        EXPECT_TRUE(f[7].starts_with("Fax: ")) << f[0];
    }
    for (int i = 10; i < OfficeCount; ++i)
        for (const auto& field : offices[i].Field) EXPECT_EQ(field, "");
}

TEST(OfficesTest, ContactLineNamesTelephoneAndFaxOnce) {
    TAddressData office;
    office.Field[6] = "Tel: +44 1";
    office.Field[7] = "Fax: +44 2";
    EXPECT_EQ(TelFaxLine(office), "Tel: +44 1    Fax: +44 2");
    office.Field[6] = "+44 1";
    office.Field[7] = "";
    EXPECT_EQ(TelFaxLine(office), "Tel +44 1    Fax ");
}

TEST(OfficesTest, ChosenOfficeNeverReadsOutsideTheTable) {
    const OfficeTable offices = InitOffices();
    for (int index : {0, 1, 11}) EXPECT_EQ(&ChosenOffice(offices, index), &offices[index]) << index;
    for (int index : {-1, 12, 1 << 30}) EXPECT_EQ(&ChosenOffice(offices, index), &offices[0]) << index;
}

}  // namespace
}  // namespace zorvik
