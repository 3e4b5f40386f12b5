#include <gtest/gtest.h>

#include "base/errors.h"

namespace zarn {
namespace {

TEST(ErrorBox, ShowsNumberBlankLineAndDescription) {
    EXPECT_EQ(ErrorBoxText(error::TypeMismatch()), "Run-time error '13':\n\nType mismatch");
    EXPECT_EQ(ErrorBoxText(error::FileNotFound()), "Run-time error '53':\n\nFile not found");
}

}  // namespace
}  // namespace zarn
