// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/kelo_file.h"

#include <cmath>
#include <filesystem>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "io/kelo_fixture.h"
#include "temp_folder.h"

namespace zav {
namespace {

using test::keloBytes;
using test::sampleRecord;
using test::writeFile;

class KeloFileTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return (m_dir / name).string(); }


    // The texts by their values' names: "viscosity0" … "heatCapacity5", "tempMin", "tempMax",
    // "pressureMin", "pressureMax", "gasConstant", "name"; a value not read has none.
    static std::map<std::string, std::string> texts(const KeloReadResult& result) {
        const KeloTexts t = keloTexts(result);
        std::map<std::string, std::string> byName;
        const auto add = [&byName](const std::string& name, const std::optional<std::string>& text) {
            if (text)
                byName[name] = *text;
        };
        const std::pair<const char*, const std::array<std::optional<std::string>, 6>*> rows[] = {
            {"viscosity", &t.viscosity},
            {"compressibility", &t.compressibility},
            {"conductivity", &t.conductivity},
            {"heatCapacity", &t.heatCapacity}};
        for (const auto& [name, row] : rows) {
            for (std::size_t k = 0; k < 6; ++k)
                add(name + std::to_string(k), (*row)[k]);
        }
        add("tempMin", t.tempMin);
        add("tempMax", t.tempMax);
        add("pressureMin", t.pressureMin);
        add("pressureMax", t.pressureMax);
        add("gasConstant", t.gasConstant);
        add("name", t.name);
        return byName;
    }

    test::TempFolder m_folder;
    const std::filesystem::path& m_dir = m_folder.path();
};

TEST_F(KeloFileTest, FullFileGivesEveryFieldItsTextForm) {
    writeFile(path("full.kelo"), keloBytes(sampleRecord()));
    const KeloReadResult result = readKeloFile(path("full.kelo"));
    ASSERT_EQ(result.status, KeloReadResult::Status::Complete);
    EXPECT_EQ(result.wholeValues, 29);
    const auto fields = texts(result);
    EXPECT_EQ(fields.size(), 30u);
    EXPECT_EQ(fields.at("viscosity0"), "1,7000E-0005");
    EXPECT_EQ(fields.at("viscosity1"), "-3,2000E-0003");
    EXPECT_EQ(fields.at("viscosity2"), "1,0036E+0003");
    EXPECT_EQ(fields.at("viscosity3"), "0,0000E+0000");
    EXPECT_EQ(fields.at("viscosity4"), "1,2346E+0000");
    EXPECT_EQ(fields.at("heatCapacity5"), "3,6000E-0002");
    EXPECT_EQ(fields.at("tempMin"), "-50,0");
    EXPECT_EQ(fields.at("tempMax"), "1000,0");
    EXPECT_EQ(fields.at("pressureMin"), "0,100");
    EXPECT_EQ(fields.at("pressureMax"), "5,000");
    EXPECT_EQ(fields.at("gasConstant"), "296,8");
    EXPECT_EQ(fields.at("name"), "Air");
}

TEST_F(KeloFileTest, ValuesAreNamedInFileOrder) {
    const test::KeloRecord record = sampleRecord();
    writeFile(path("order.kelo"), keloBytes(record));
    const KeloCoefficients c = readKeloFile(path("order.kelo")).coefficients;
    EXPECT_EQ(c.viscosity[0], record.values[0]);
    EXPECT_EQ(c.compressibility[0], record.values[6]);
    EXPECT_EQ(c.conductivity[0], record.values[12]);
    EXPECT_EQ(c.heatCapacity[5], record.values[23]);
    EXPECT_EQ(c.tempMin, -50);
    EXPECT_EQ(c.tempMax, 1000);
    EXPECT_EQ(c.pressureMin, 100000);
    EXPECT_EQ(c.pressureMax, 5000000);
    EXPECT_EQ(c.gasConstant, 296.8);
    EXPECT_EQ(c.name, "Air");
    EXPECT_EQ(keloFileValues(c), record.values);
}

TEST_F(KeloFileTest, LongerFileReadsLikeItsFirst252Bytes) {
    writeFile(path("long.kelo"), keloBytes(sampleRecord()) + std::string(48, '\x7F'));
    writeFile(path("exact.kelo"), keloBytes(sampleRecord()));
    const KeloReadResult longer = readKeloFile(path("long.kelo"));
    EXPECT_EQ(longer.status, KeloReadResult::Status::Complete);
    EXPECT_EQ(texts(longer), texts(readKeloFile(path("exact.kelo"))));
}

TEST_F(KeloFileTest, ShortFileGivesOnlyTheWholeValues) {
    writeFile(path("short.kelo"), keloBytes(sampleRecord()).substr(0, 100));
    const KeloReadResult result = readKeloFile(path("short.kelo"));
    EXPECT_EQ(result.status, KeloReadResult::Status::Short);
    EXPECT_EQ(result.wholeValues, 12);
    EXPECT_FALSE(result.hasName);
    const auto fields = texts(result);
    EXPECT_EQ(fields.size(), 12u);
    EXPECT_EQ(fields.count("viscosity0"), 1u);
    EXPECT_EQ(fields.count("compressibility5"), 1u);
    EXPECT_EQ(fields.count("conductivity0"), 0u);
}

TEST_F(KeloFileTest, FileCutInsideTheNameKeepsTheName) {
    writeFile(path("cut.kelo"), keloBytes(sampleRecord()).substr(0, 240));
    const KeloReadResult result = readKeloFile(path("cut.kelo"));
    EXPECT_EQ(result.status, KeloReadResult::Status::Short);
    EXPECT_EQ(result.wholeValues, 29);
    EXPECT_EQ(texts(result).count("gasConstant"), 1u);
    EXPECT_EQ(texts(result).count("name"), 0u);
}

// A value that is not a finite number, anywhere in the record (also in a file cut short), refuses it.
TEST_F(KeloFileTest, ValueThatIsNotFiniteRefusesTheRecord) {
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity()};
    for (std::size_t at : {std::size_t{0}, std::size_t{17}, std::size_t{28}}) {
        for (double value : bad) {
            auto record = sampleRecord();
            record.values[at] = value;
            writeFile(path("bad.kelo"), keloBytes(record));
            EXPECT_EQ(readKeloFile(path("bad.kelo")).status, KeloReadResult::Status::NotFinite) << at << " " << value;
        }
    }
    auto record = sampleRecord();
    record.values[3] = std::numeric_limits<double>::quiet_NaN();
    writeFile(path("short.kelo"), keloBytes(record).substr(0, 100));
    EXPECT_EQ(readKeloFile(path("short.kelo")).status, KeloReadResult::Status::NotFinite);
    EXPECT_EQ(keloNotFiniteMessage("plyn.kelo"),
              "Súbor „plyn.kelo“ obsahuje hodnotu, ktorá nie je konečné číslo (NaN alebo nekonečno); súbor sa "
              "nenačítal.");
}

TEST_F(KeloFileTest, EmptyFileIsShortWithNothing) {
    writeFile(path("empty.kelo"), "");
    const KeloReadResult result = readKeloFile(path("empty.kelo"));
    EXPECT_EQ(result.status, KeloReadResult::Status::Short);
    EXPECT_TRUE(texts(result).empty());
}

TEST_F(KeloFileTest, MissingFileOrDirectoryCannotBeOpened) {
    EXPECT_EQ(readKeloFile(path("missing.kelo")).status, KeloReadResult::Status::CannotOpen);
    EXPECT_EQ(readKeloFile(m_dir.string()).status, KeloReadResult::Status::CannotOpen);
    EXPECT_TRUE(texts(readKeloFile(path("missing.kelo"))).empty());
}

TEST_F(KeloFileTest, NameWithoutNulIsAllTwentyBytes) {
    test::KeloRecord record = sampleRecord();
    record.nameBytes = "ABCDEFGHIJKLMNOPQRST";
    writeFile(path("noname.kelo"), keloBytes(record) + "UVW");
    EXPECT_EQ(readKeloFile(path("noname.kelo")).coefficients.name, "ABCDEFGHIJKLMNOPQRST");
}

TEST_F(KeloFileTest, NameIsDecodedFromWindows1250) {
    test::KeloRecord record = sampleRecord();
    // "Zmes čžšťľ Ú" in Windows-1250, then bytes after the NUL that must not show.
    record.nameBytes = std::string("Zmes \xE8\x9E\x9A\x9D\xBE \xDA") + '\0' + "xyz";
    writeFile(path("slovak.kelo"), keloBytes(record));
    EXPECT_EQ(readKeloFile(path("slovak.kelo")).coefficients.name, "Zmes čžšťľ Ú");
}

TEST_F(KeloFileTest, ValuesThatAreNotFiniteAreShownAsSuch) {
    test::KeloRecord record = sampleRecord();
    record.values[5] = std::numeric_limits<double>::quiet_NaN();
    record.values[6] = std::numeric_limits<double>::infinity();
    record.values[26] = -std::numeric_limits<double>::infinity();
    record.values[28] = std::numeric_limits<double>::quiet_NaN();
    writeFile(path("nan.kelo"), keloBytes(record));
    const auto fields = texts(readKeloFile(path("nan.kelo")));
    EXPECT_EQ(fields.at("viscosity5"), "NAN");
    EXPECT_EQ(fields.at("compressibility0"), "INF");
    EXPECT_EQ(fields.at("pressureMin"), "-INF");
    EXPECT_EQ(fields.at("gasConstant"), "NAN");
}

TEST(KeloRecordTest, DoublesAreLittleEndianWhateverTheHost) {
    // 1.0 is 0x3FF0000000000000: its last byte in the file holds 0x3F.
    unsigned char bytes[8] = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    const KeloReadResult result = decodeKeloRecord(bytes, sizeof bytes);
    EXPECT_EQ(result.wholeValues, 1);
    EXPECT_EQ(result.coefficients.viscosity[0], 1.0);
}

} // namespace
} // namespace zav
