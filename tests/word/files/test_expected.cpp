// The value-or-reason type every part outside the object model reports with.

#include "word/files/expected.h"

#include <gtest/gtest.h>

#include <QString>

#include <memory>
#include <variant>

namespace {

using tavrin::Expected;
using tavrin::Unexpected;

enum class Why { Missing, Refused };

Expected<int, Why> halve(int number) {
    if (number % 2 != 0)
        return Unexpected(Why::Refused);
    return number / 2;
}

TEST(Expected, CarriesTheValueOrTheReason) {
    const auto half = halve(8);
    ASSERT_TRUE(half);
    EXPECT_EQ(*half, 4);
    EXPECT_EQ(half.value_or(-1), 4);

    const auto odd = halve(7);
    ASSERT_FALSE(odd);
    EXPECT_EQ(odd.error(), Why::Refused);
    EXPECT_EQ(odd.value_or(-1), -1);
}

// A value and a reason of the same type are still told apart.
TEST(Expected, TellsAValueFromAReasonOfTheSameType) {
    const Expected<QString, QString> found = QStringLiteral("Ann");
    const Expected<QString, QString> failed = Unexpected(QStringLiteral("no such card"));
    EXPECT_TRUE(found.has_value());
    EXPECT_EQ(found.value(), QStringLiteral("Ann"));
    EXPECT_FALSE(failed.has_value());
    EXPECT_EQ(failed.error(), QStringLiteral("no such card"));
}

TEST(Expected, MovesAValueThatCannotBeCopied) {
    Expected<std::unique_ptr<int>, Why> owned = std::make_unique<int>(3);
    const std::unique_ptr<int> taken = std::move(owned).value();
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(*taken, 3);
}

TEST(Expected, ReportsDoneOrWhyNot) {
    const Expected<void, Why> done;
    const Expected<void, Why> notDone = Unexpected(Why::Missing);
    EXPECT_TRUE(done);
    EXPECT_FALSE(notDone);
    EXPECT_EQ(notDone.error(), Why::Missing);
}

// Asking for what is not there is a bug, and says so rather than reading garbage.
TEST(Expected, AskingForWhatIsNotThereThrows) {
    EXPECT_THROW((void)halve(7).value(), std::bad_variant_access);
    EXPECT_THROW((void)halve(8).error(), std::bad_variant_access);
    const Expected<void, Why> done;
    EXPECT_THROW((void)done.error(), std::bad_optional_access);
}

} // namespace
