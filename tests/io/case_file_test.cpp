// SPDX-License-Identifier: GPL-3.0-or-later
// The case file: what is written reads back the same, what may be left out keeps the start-up
// value, and every kind of file that is not a usable case is refused with its Slovak message.
#include "io/case_file.h"

#include <cerrno>
#include <sys/stat.h>

#include <fstream>

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace zav {
namespace {

// A value for `entry` unlike its start-up value: another choice, the other flag, another index,
// a text with what JSON must escape.
std::string otherValue(const CaseKey& entry, std::size_t i) {
    switch (entry.type) {
    case CaseValueType::Text:
        return "„" + std::to_string(i) + "\" \\ č\n" + entry.startValue;
    case CaseValueType::Flag:
        return std::string(entry.startValue) == "true" ? "false" : "true";
    case CaseValueType::Choice:
        return entry.choices().back() == entry.startValue ? entry.choices().front() : entry.choices().back();
    case CaseValueType::Index:
        return std::to_string(entry.maximum);
    }
    return {};
}

TEST(CaseFile, WrittenCasesReadBackTheSame) {
    CaseRecord changed;
    for (std::size_t i = 0; i < caseKeys().size(); ++i)
        changed.set(caseKeys()[i].key, otherValue(caseKeys()[i], i));
    for (const CaseRecord& record : {CaseRecord(), changed}) {
        const std::string bytes = writeCase(record);
        EXPECT_EQ(bytes.rfind("{\n  \"format\": \"zav-case\",\n  \"version\": 1,\n  \"main\": {\n", 0), 0u) << bytes;
        EXPECT_EQ(readCase(bytes, "a.zav"), record);
    }
    EXPECT_NE(changed, CaseRecord());
    for (const CaseKey& entry : caseKeys())
        EXPECT_NE(changed.text(entry.key), CaseRecord().text(entry.key)) << entry.key;
}

TEST(CaseFile, KeysLeftOutKeepTheirStartValues) {
    const CaseRecord record = readCase(R"({"format": "zav-case", "version": 1,
        "main": {"t_body": "80", "shape": "cube", "radiation": true},
        "fluid": {"linear": {"density": ["1", "2"]}}, "cooling": {"emissivity_material": 5}})",
                                       "a.zav");
    CaseRecord expected;
    expected.set("main.t_body", "80");
    expected.set("main.shape", "cube");
    expected.setFlag("main.radiation", true);
    expected.set("fluid.linear.density.0", "1");
    expected.set("fluid.linear.density.1", "2");
    expected.set("cooling.emissivity_material", "5");
    expected.set("cooling.emissivity", "0,09"); // the catalogue item's, as choosing it gives
    EXPECT_EQ(record, expected);
    EXPECT_EQ(readCase(R"({"version": 1, "format": "zav-case"})", "a.zav"), CaseRecord());
}

struct Refusal {
    std::string bytes;
    CaseFileError::Reason reason;
    const char* message;
};

const std::string kHead = R"({"format": "zav-case", "version": 1, )";

const std::string kNulCase = kHead + "\"main\": {}}" + std::string(1, '\0') + "{\"main\": {\"t_body\": \"80\"}}";
const std::string kLongText = "HEAD\"main\": {\"t_body\": \"" + std::string(32767, '0') + "80\"}}";

class CaseFileRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(CaseFileRefusal, SaysWhatIsWrong) {
    const Refusal& r = GetParam();
    std::string bytes = r.bytes;
    if (bytes.rfind("HEAD", 0) == 0)
        bytes = kHead + bytes.substr(4);
    try {
        readCase(bytes, "x.zav");
        FAIL() << "read: " << bytes;
    } catch (const CaseFileError& e) {
        EXPECT_EQ(e.reason(), r.reason) << bytes;
        EXPECT_EQ(std::string(e.what()), r.message);
    }
}

using Reason = CaseFileError::Reason;
const char kNotCase[] = "Súbor „x.zav“ nie je zadanie programu ZAV.";

INSTANTIATE_TEST_SUITE_P(
    Files, CaseFileRefusal,
    ::testing::Values(
        Refusal{"", Reason::NotCase, kNotCase}, Refusal{"\x89PNG\r\n\x1a\n", Reason::NotCase, kNotCase},
        Refusal{"[1, 2]", Reason::NotCase, kNotCase}, Refusal{R"({"kind": "constant"})", Reason::NotCase, kNotCase},
        Refusal{R"({"format": "zav-fluid", "version": 1})", Reason::NotCase, kNotCase},
        Refusal{R"({"format": 1})", Reason::NotCase, kNotCase},
        Refusal{R"({"format": "zav-case", "version": 1, "main": {"t_body": "8)", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: nie je platný JSON (chyba na bajte 59)."},
        Refusal{R"({"format": "zav-case", "main": {}})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: chýba pole „version“."},
        Refusal{R"({"format": "zav-case", "version": "1"})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: pole „version“ musí byť celé číslo."},
        Refusal{R"({"format": "zav-case", "version": 0})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: neznáma verzia 0."},
        Refusal{R"({"format": "zav-case", "version": 2, "new": {}})", Reason::Newer,
                "Súbor „x.zav“ je z novšej verzie programu (verzia 2); tento program otvára zadania verzie 1."},
        Refusal{R"({"format": "zav-case", "version": 18446744073709551615})", Reason::Newer,
                "Súbor „x.zav“ je z novšej verzie programu (verzia 18446744073709551615); tento program otvára "
                "zadania verzie 1."},
        Refusal{R"(HEAD"main": {"t_body": 80}})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: pole „main.t_body“ musí byť text."},
        Refusal{R"(HEAD"main": {"radiation": "true"}})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: pole „main.radiation“ musí byť true alebo false."},
        Refusal{R"(HEAD"main": {"shape": "cone"}})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: pole „main.shape“ má neznámu hodnotu „cone“; možnosti: "
                "vertical-plate, inclined-plate, horizontal-plate, cube, vertical-cylinder, horizontal-cylinder, "
                "sphere, finned-tube."},
        Refusal{R"(HEAD"cooling": {"emissivity_material": 33}})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: pole „cooling.emissivity_material“ musí byť celé číslo od -1 do 32."},
        Refusal{R"(HEAD"cooling": {"emissivity_material": 1.5}})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: pole „cooling.emissivity_material“ musí byť celé číslo od -1 do 32."},
        Refusal{R"(HEAD"main": {"t_bodi": "80"}})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: neznáme pole „main.t_bodi“."},
        Refusal{R"(HEAD"table": "a.txt"})", Reason::Damaged, "Súbor „x.zav“ je poškodený: neznáme pole „table“."},
        Refusal{R"(HEAD"main": ["100"]})", Reason::Damaged, "Súbor „x.zav“ je poškodený: pole „main“ musí byť objekt."},
        Refusal{R"(HEAD"fluid": {"linear": {"density": ["1", "2", "3"]}}})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: pole „fluid.linear.density“ musí byť zoznam 2 textov."},
        Refusal{R"(HEAD"fluid": {"kelo": {"name": "\udc00"}}})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: nie je platný JSON (chyba na bajte 71)."},
        Refusal{"HEAD\"main\": [[[[[[[[[[[[[[[[[[[[]]]]]]]]]]]]]]]]]]]}", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: nie je platný JSON (príliš veľa vnorených úrovní)."},
        // Nothing is taken silently: a key twice, a key of two levels, what stands after a NUL, a
        // text that a field would cut.
        Refusal{R"(HEAD"main": {"t_body": "80"}, "main": {"t_body": "90"}})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: pole „main“ je v súbore dvakrát."},
        Refusal{R"(HEAD"fluid": {"linear": {"t_min": "1", "t_min": "2"}}})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: pole „fluid.linear.t_min“ je v súbore dvakrát."},
        Refusal{R"(HEAD"main.t_body": "80"})", Reason::Damaged, "Súbor „x.zav“ je poškodený: neznáme pole „main.t_body“."},
        Refusal{R"(HEAD"main": {"": "80"}})", Reason::Damaged, "Súbor „x.zav“ je poškodený: neznáme pole „main.“."},
        Refusal{kNulCase, Reason::Damaged, "Súbor „x.zav“ je poškodený: nie je platný JSON (bajt NUL na bajte 48)."},
        Refusal{R"(HEAD"main": {"t_body": "8\u00000"}})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: pole „main.t_body“ obsahuje znak NUL."},
        Refusal{kLongText, Reason::Damaged,
                "Súbor „x.zav“ je poškodený: pole „main.t_body“ je dlhšie ako 32767 znakov."},
        // A catalogue item's emissivity is the item's own.
        Refusal{R"(HEAD"cooling": {"emissivity_material": 7, "emissivity": "0,9"}})", Reason::Damaged,
                "Súbor „x.zav“ je poškodený: emisivita „0,9“ (pole „cooling.emissivity“) nesúhlasí s položkou katalógu "
                "7: Chróm leštený (0,06) (pole „cooling.emissivity_material“)."}));

// The item of the catalogue and its emissivity as choosing the item leaves them; item 0 and no item
// leave the field to the user.
TEST(CaseFile, CatalogueItemSetsItsEmissivity) {
    const struct {
        const char* cooling;
        const char* emissivity;
    } cases[] = {{R"("emissivity_material": 7)", "0,06"},
                 {R"("emissivity_material": 7, "emissivity": "0,06")", "0,06"},
                 {R"("emissivity": "0,060", "emissivity_material": 7)", "0,06"},
                 {R"("emissivity_material": 31)", "0,11"},
                 {R"("emissivity_material": 0, "emissivity": "0,5")", "0,5"},
                 {R"("emissivity_material": 32, "emissivity": "0,5")", "0,5"},
                 {R"("emissivity_material": -1, "emissivity": "x")", "x"}};
    for (const auto& c : cases) {
        const CaseRecord record = readCase(kHead + R"("cooling": {)" + c.cooling + "}}", "a.zav");
        EXPECT_EQ(record.text("cooling.emissivity"), c.emissivity) << c.cooling;
    }
}

TEST(CaseFile, FilesThatCannotBeReadAreNamed) {
    const test::TempFolder folder;
    const std::string path = folder.file("a.zav");
    std::ofstream(path) << writeCase(CaseRecord());
    EXPECT_EQ(readCaseFile(path, "a.zav", InputKinds::RegularOnly), CaseRecord());
    // A pipe with no writer: a window must not wait for one.
    const std::string pipe = folder.file("pipe.zav");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string notRegular =
        "Súbor „N“ sa nepodarilo otvoriť: nie je to obyčajný súbor (je to rúra, zariadenie alebo soket).";
    const struct {
        std::string path;
        InputKinds kinds;
        CaseFileError::Reason reason;
        int errorNumber;
        const char* message;
    } cases[] = {
        {folder.file("none.zav"), InputKinds::RegularOnly, CaseFileError::Reason::CannotRead, ENOENT,
         "Súbor „N“ sa nepodarilo otvoriť."},
        {folder.path().string(), InputKinds::RegularOnly, CaseFileError::Reason::CannotRead, EISDIR,
         "Súbor „N“ sa nepodarilo prečítať."},
        {pipe, InputKinds::RegularOnly, CaseFileError::Reason::CannotRead, ENODEV, notRegular.c_str()},
        {"/dev/zero", InputKinds::RegularOnly, CaseFileError::Reason::CannotRead, ENODEV, notRegular.c_str()},
        // A command reads a device, up to the limit of every input.
        {"/dev/zero", InputKinds::Any, CaseFileError::Reason::Damaged, 0, "Súbor „N“ je väčší ako 1024 kB."},
    };
    for (const auto& c : cases) {
        try {
            readCaseFile(c.path, "N", c.kinds);
            FAIL() << c.path;
        } catch (const CaseFileError& e) {
            EXPECT_EQ(e.reason(), c.reason) << c.path;
            EXPECT_EQ(e.errorNumber(), c.errorNumber) << c.path;
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

} // namespace
} // namespace zav
