#pragma once

#include <QString>
#include <exception>
#include <gtest/gtest.h>

// EXPECT_TRUE(failsWith<EMemTableError>([&] { ... }, "text")): the action must raise an error of
// the given class whose message is exactly the text.
template <typename Error = std::exception, typename Action>
::testing::AssertionResult failsWith(Action&& action, const QString& expected)
{
    try {
        action();
    } catch (const Error& e) {
        const QString got = QString::fromUtf8(e.what());
        if (got == expected)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "raised \"" << got.toStdString()
                                             << "\", expected \"" << expected.toStdString() << '"';
    } catch (const std::exception& e) {
        return ::testing::AssertionFailure() << "raised an error of another class: \"" << e.what()
                                             << "\", expected \"" << expected.toStdString() << '"';
    }
    return ::testing::AssertionFailure()
           << "raised nothing, expected \"" << expected.toStdString() << '"';
}
