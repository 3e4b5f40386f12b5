#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>

#include "base/boundary.h"
#include "base/errors.h"
#include "fakes.h"

namespace zarn {
namespace {

// A window procedure's body through the boundary, with the program's error box as its sink.
long Procedure(ErrorBox& box, const std::function<long()>& body) {
    return CatchAtBoundary(-1L, body, [&](std::exception_ptr error) { box.Show(error); });
}

RuntimeError Caught(auto thrown) { return UntrappedError(std::make_exception_ptr(thrown)); }

struct UntrappedErrors : ::testing::Test, fake::GameWorld {
    ErrorBox box{boxes};
};

TEST_F(UntrappedErrors, AWindowProcedureAnswersItsFallbackAndOnlyTheFirstErrorShows) {
    EXPECT_EQ(Procedure(box, [] { return 7L; }), 7);
    EXPECT_FALSE(box.shown());

    long behindTheBox = 0;
    boxes.whileUp = [&] { behindTheBox = Procedure(box, []() -> long { throw std::out_of_range("no control"); }); };
    EXPECT_EQ(Procedure(box, []() -> long { throw error::FileNotFound(); }), -1);
    EXPECT_EQ(behindTheBox, -1);
    EXPECT_TRUE(box.shown());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Run-time error '53':\n\nFile not found");
    EXPECT_EQ(boxes.shown[0].style, BoxStyle::Critical);

    // A handler that fails later still ends the program, without a second box.
    EXPECT_TRUE(RunHandler(box, [] {}));
    EXPECT_FALSE(RunHandler(box, [] { throw error::Overflow(); }));
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(UntrappedErrors, WhateverIsThrownBecomesARunTimeError) {
    EXPECT_EQ(RunTimeErrorText(error::FileNotFound()), "Run-time error '53':\n\nFile not found");
    EXPECT_EQ(RunTimeErrorText(Caught(error::TypeMismatch())), "Run-time error '13':\n\nType mismatch");
    EXPECT_EQ(RunTimeErrorText(Caught(std::out_of_range("no control with that id"))),
              "Run-time error '5':\n\nno control with that id");
    EXPECT_EQ(RunTimeErrorText(Caught(std::bad_alloc())), "Run-time error '7':\n\nOut of memory");
    EXPECT_EQ(RunTimeErrorText(Caught(42)), "Run-time error '5':\n\nInvalid procedure call or argument");

    EXPECT_FALSE(RunHandler(box, [] { throw 42; }));
    EXPECT_EQ(log, fake::Log{"box Run-time error '5':\n\nInvalid procedure call or argument"});
}

TEST_F(UntrappedErrors, AReportThatFailsItselfStaysInsideTheBoundary) {
    const auto fails = []() -> int { throw error::FileNotFound(); };
    const auto failingReport = [](std::exception_ptr) { throw std::bad_alloc(); };
    static_assert(noexcept(CatchAtBoundary(0, fails, failingReport)));
    EXPECT_EQ(CatchAtBoundary(0, fails, failingReport), 0);
}

}  // namespace
}  // namespace zarn
