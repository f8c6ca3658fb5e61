// The program registers its common-control classes at start, before its
// first window; the tests make its windows and dialogs without that start,
// so the test program registers them once, before the first test.
#include <gtest/gtest.h>

#include "base/win/common_controls.h"

namespace velmira {
namespace {

class CommonControls : public ::testing::Environment {
public:
    void SetUp() override { InitCommonControlClasses(); }
};

[[maybe_unused]] ::testing::Environment* const kCommonControls =
    ::testing::AddGlobalTestEnvironment(new CommonControls);

}  // namespace
}  // namespace velmira
