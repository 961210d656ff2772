#include "TimeMaskEdit.h"
#include "ProgramFolderTest.h"
#include "QtPrinters.h"

#include <QTest>

using platform::TTimeMaskEdit;

namespace {

class TimeMaskEditTest : public ProgramFolderTest
{
};

TEST_F(TimeMaskEditTest, StartsBlank)
{
    TTimeMaskEdit edit;
    EXPECT_EQ(TTimeMaskEdit::BlankText, "  .  ");
    EXPECT_EQ(edit.Text(), "  .  ");
    EXPECT_TRUE(edit.IsBlank());
    EXPECT_EQ(edit.maxLength(), 5);
}

struct RoundTrip
{
    const char* set;
    const char* shown;
};

class TimeMaskRoundTripTest : public TimeMaskEditTest,
                              public ::testing::WithParamInterface<RoundTrip>
{
};

TEST_P(TimeMaskRoundTripTest, ShowsTheTimeWithBlanksAsSpaces)
{
    TTimeMaskEdit edit;
    edit.SetText("12.34");
    edit.SetText(GetParam().set);
    EXPECT_EQ(edit.Text(), GetParam().shown);
    EXPECT_EQ(edit.IsBlank(), edit.Text() == "  .  ");
}

INSTANTIATE_TEST_SUITE_P(Texts, TimeMaskRoundTripTest,
                         ::testing::Values(RoundTrip{"", "  .  "}, RoundTrip{"  .  ", "  .  "},
                                           RoundTrip{"00.15", "00.15"}, RoundTrip{"09.30", "09.30"},
                                           RoundTrip{" 9.30", " 9.30"}, RoundTrip{"9.30", " 9.30"},
                                           RoundTrip{"16.00", "16.00"},
                                           RoundTrip{"23.59", "23.59"}));

TEST_F(TimeMaskEditTest, TypedDigitsFillThePlaces)
{
    TTimeMaskEdit edit;
    edit.show();
    edit.setFocus();
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, "0930");
    EXPECT_EQ(edit.Text(), "09.30");
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.Text(), "  .  ");
}

} // namespace
