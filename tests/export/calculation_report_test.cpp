// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "core/number_format.h"
#include "core/test_support.h"
#include "export/calculation_report.h"

namespace zav {
namespace {

std::string golden(const char* name) {
    std::ifstream in(std::filesystem::path(ZAV_GOLDEN_DIR) / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A case computed with a shape's own input, radiation and every section of the page, and a case
// refused by the water's range, whose name needs escaping.
SteadyCase inclinedPlate() {
    SteadyCase c = test::startCase();
    c.tBody = 85.5;
    c.tFluid = 20;
    c.charLength = 0.25;
    c.area = 1.5;
    c.shape = SurfaceGeometry::InclinedPlate;
    c.angleDeg = 30;
    c.radiationOn = true;
    c.emissivity = 0.85;
    return c;
}

SteadyCase boilingWater() {
    SteadyCase c = test::startCase();
    c.tBody = 250;
    c.tFluid = 20;
    c.charLength = 0.1;
    c.area = 1;
    c.fluid = FluidKind::Water;
    return c;
}

struct GoldenCase {
    const char* what;
    SteadyCase (*makeCase)();
    const char* caseName;
    const char* golden;
};

const GoldenCase kGoldenCases[] = {
    {"computed", inclinedPlate, "stena.zav", "report_computed.html"},
    {"refused", boilingWater, "Zadanie <A & \"B\">.zav", "report_refused.html"},
};

class ReportGoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(ReportGoldenTest, PageEqualsTheGoldenOne) {
    const GoldenCase& c = GetParam();
    const std::string page = reportHtml(calculationReport(c.makeCase()), {c.caseName, "1. 2. 2025 8:05", "0.0-test"});
    EXPECT_EQ(page, golden(c.golden));
}

INSTANTIATE_TEST_SUITE_P(Pages, ReportGoldenTest, ::testing::ValuesIn(kGoldenCases),
                         [](const ::testing::TestParamInfo<GoldenCase>& param) { return std::string(param.param.what); });

// The desktop's fields: the inputs of the other shapes and of the fluid window may hold any text,
// as only those the case uses are read; one of those that is not a number stops the report.
struct FieldTexts : CaseValues {
    explicit FieldTexts(const SteadyCase& c) : CaseValues(c) {}
    double inclinationDeg() const override { throw ConversionError("uhol"); }
    double tubeDiameter() const override { throw ConversionError("xxx"); }
    UserFluidModel userFluidModel() const override { throw ConversionError("xxx"); }
};

struct FieldCase {
    SurfaceGeometry shape;
    bool readsWrongText;
};

class ReportFieldsTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ReportFieldsTest, OnlyTheInputsOfTheCaseAreRead) {
    SteadyCase c = inclinedPlate();
    c.shape = GetParam().shape;
    const FieldTexts fields(c);
    if (GetParam().readsWrongText) {
        EXPECT_THROW(calculationReport(startState(c), fields), ConversionError);
        return;
    }
    const ReportHeader header{kUnnamedCase, "", ""};
    EXPECT_EQ(reportHtml(calculationReport(startState(c), fields), header), reportHtml(calculationReport(c), header));
}

INSTANTIATE_TEST_SUITE_P(Shapes, ReportFieldsTest,
                         ::testing::Values(FieldCase{SurfaceGeometry::Sphere, false},
                                           FieldCase{SurfaceGeometry::HorizontalPlate, false},
                                           FieldCase{SurfaceGeometry::InclinedPlate, true},
                                           FieldCase{SurfaceGeometry::FinnedTube, true}));

} // namespace
} // namespace zav
