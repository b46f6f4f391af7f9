#include "BoxParameters.h"

#include "DesignLimits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace corvane {
namespace {

BoxParameters Box(double id, double od, int rows, int segments, int fontSize) {
    BoxParameters box;
    box.BoxID = id;
    box.BoxOD = od;
    box.BoxRows = rows;
    box.BoxSegments = segments;
    box.BoxFontSize = fontSize;
    return box;
}

struct LimitCase {
    BoxParameters box;
    std::vector<BoxField> fields;
};

// Each broken limit points at the fields the user has to change, and the
// message is the one the design check gives.
TEST(BoxParameters, ProblemsNameTheLimitAndItsFields) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<LimitCase> cases = {
        {Box(3.5, 8.1, 0, 24, 12), {BoxField::Rows}},
        {Box(3.5, 8.1, -3, 0, 12), {BoxField::Rows}},
        {Box(3.5, 8.1, 8, 0, 12), {BoxField::Segments}},
        {Box(nan, 8.1, 8, 24, 12), {BoxField::ID}},
        {Box(3.5, 1e300, 8, 24, 12), {BoxField::OD}},
        {Box(3.5, 8.1, 100, 24, 12), {BoxField::Rows, BoxField::Segments}},
        {Box(-0.5, 8.1, 8, 24, 12), {BoxField::ID}},
        {Box(8.1, 8.1, 8, 24, 12), {BoxField::ID, BoxField::OD}},
        {Box(3.5, 1.0, 8, 24, 12), {BoxField::ID, BoxField::OD}},
        {Box(3.5, 8.1, 8, 24, 0), {BoxField::FontSize}},
        {Box(3.5, 8.1, 8, 24, 145), {BoxField::FontSize}},
    };
    for (const LimitCase& c : cases) {
        const BoxParameters& b = c.box;
        SCOPED_TRACE(testing::Message() << b.BoxID << " " << b.BoxOD << " " << b.BoxRows << " "
                                        << b.BoxSegments << " " << b.BoxFontSize);
        const std::optional<BoxLimitProblem> problem = b.CheckLimits();
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->fields, c.fields);
        EXPECT_EQ(problem->message,
                  *CheckBoxDesign(b.BoxID, b.BoxOD, b.BoxRows, b.BoxSegments, b.BoxFontSize));
    }
}

TEST(BoxParameters, ValuesAtTheLimitsAreTaken) {
    for (const BoxParameters& box : {Box(0.0, 0.001, 1, 2047, 1), Box(3.5, 8.1, 2047, 1, 144),
                                     Box(9999.0, 10000.0, 89, 23, 12)}) {
        EXPECT_FALSE(box.CheckLimits()) << box.BoxRows << " x " << box.BoxSegments;
    }
}

}  // namespace
}  // namespace corvane
