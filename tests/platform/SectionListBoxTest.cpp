#include "SectionListBox.h"
#include "ProgramFolderTest.h"
#include "QtPrinters.h"

#include <QSignalSpy>
#include <QTest>

using platform::TSectionListBox;

namespace {

const QColor Green(202, 255, 202);
const QColor Yellow(255, 255, 196);
const QColor Red(255, 202, 202);

class SectionListBoxTest : public ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        list.resize(400, 300);
        list.AddSection("9.30: Dentista", 1, Yellow,
                        {"<B>Descrizione:</B> controllo", "<B>Importanza:</B> Importante"});
        list.AddSection("11.00: Riunione", 0, Green, {"<B>Descrizione:</B> sala 2"});
        list.AddSection("16.00: Bolletta", 2, Red, {"<B>Descrizione:</B> luce"});
        list.show();
    }

    void click(const QPoint& at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(list.viewport(), button, {}, at);
    }

    TSectionListBox list;
};

TEST_F(SectionListBoxTest, KeepsWhatWasAddedAndFindsByExactCaption)
{
    EXPECT_EQ(list.SectionCount(), 3);
    EXPECT_EQ(list.SectionCaption(1), "11.00: Riunione");
    EXPECT_EQ(list.SectionDetails(0),
              QStringList({"<B>Descrizione:</B> controllo", "<B>Importanza:</B> Importante"}));
    EXPECT_EQ(list.SectionImage(2), 2);
    EXPECT_EQ(list.SectionColor(0), Yellow);

    EXPECT_EQ(list.IndexOfSection("16.00: Bolletta"), 2);
    EXPECT_EQ(list.IndexOfSection("16.00"), -1);
    EXPECT_EQ(list.IndexOfSection("16.00: bolletta"), -1);
    EXPECT_EQ(list.IndexOfSection("16.00: Bolletta "), -1);
    list.AddSection("9.30: Dentista", 0, Green, {});
    EXPECT_EQ(list.IndexOfSection("9.30: Dentista"), 0);
}

TEST_F(SectionListBoxTest, ClearForgetsSectionsSelectionAndFocus)
{
    list.SelectSection(1);
    list.FocusSection(1);
    list.Clear();
    EXPECT_EQ(list.SectionCount(), 0);
    EXPECT_EQ(list.SelectedSection(), -1);
    EXPECT_EQ(list.SelectedDetail(), -1);
    EXPECT_EQ(list.FocusedSection(), -1);
    EXPECT_EQ(list.IndexOfSection("9.30: Dentista"), -1);
    EXPECT_EQ(list.SectionAt(QPoint(50, 5)).section, -1);
}

TEST_F(SectionListBoxTest, SelectingOutsideTheListClearsTheSelection)
{
    list.SelectSection(0, 1);
    EXPECT_EQ(list.SelectedSection(), 0);
    EXPECT_EQ(list.SelectedDetail(), 1);
    list.SelectSection(3);
    EXPECT_EQ(list.SelectedSection(), -1);
    EXPECT_EQ(list.SelectedDetail(), -1);
}

struct ExpansionCase
{
    const char* name;
    bool single;
    bool firstStaysOpen;
};

class SectionExpansionTest : public SectionListBoxTest,
                             public ::testing::WithParamInterface<ExpansionCase>
{
};

TEST_P(SectionExpansionTest, OpeningASecondSection)
{
    const ExpansionCase c = GetParam();
    list.SetSingleExpansion(c.single);
    list.Expand(0);
    list.Expand(2);
    EXPECT_EQ(list.IsExpanded(0), c.firstStaysOpen);
    EXPECT_FALSE(list.IsExpanded(1));
    EXPECT_TRUE(list.IsExpanded(2));
}

TEST_P(SectionExpansionTest, ExpandAllOpensEveryOneAndCollapseAllClosesThem)
{
    list.SetSingleExpansion(GetParam().single);
    list.ExpandAll();
    for (int i = 0; i < list.SectionCount(); ++i)
        EXPECT_TRUE(list.IsExpanded(i)) << i;
    list.CollapseAll();
    for (int i = 0; i < list.SectionCount(); ++i)
        EXPECT_FALSE(list.IsExpanded(i)) << i;
}

INSTANTIATE_TEST_SUITE_P(Modes, SectionExpansionTest,
                         ::testing::Values(ExpansionCase{"Single", true, false},
                                           ExpansionCase{"Multiple", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SectionListBoxTest, StartsInSingleExpansionMode)
{
    EXPECT_TRUE(list.SingleExpansion());
}

TEST_F(SectionListBoxTest, DetailsTakeRoomOnlyWhileExpanded)
{
    const QRect secondBefore = list.SectionRect(1);
    EXPECT_TRUE(list.DetailRect(0, 0).isEmpty());
    list.Expand(0);
    ASSERT_FALSE(list.DetailRect(0, 1).isEmpty());
    EXPECT_GT(list.SectionRect(1).top(), list.DetailRect(0, 1).bottom());
    EXPECT_EQ(list.SectionAt(secondBefore.center()).section, 0);
    list.Collapse(0);
    EXPECT_EQ(list.SectionRect(1), secondBefore);
}

TEST_F(SectionListBoxTest, SectionAtTellsCaptionDetailOrNothing)
{
    list.Expand(0);
    using Hit = TSectionListBox::THit;
    const auto at = [&](const QPoint& p) {
        const Hit hit = list.SectionAt(p);
        return std::pair(hit.section, hit.detail);
    };
    EXPECT_EQ(at(list.SectionRect(0).center()), std::pair(0, -1));
    EXPECT_EQ(at(list.DetailRect(0, 0).center()), std::pair(0, 0));
    EXPECT_EQ(at(list.DetailRect(0, 1).center()), std::pair(0, 1));
    EXPECT_EQ(at(list.SectionRect(2).center()), std::pair(2, -1));
    EXPECT_EQ(at(list.SectionRect(2).bottomLeft() + QPoint(0, 5)), std::pair(-1, -1));
    EXPECT_EQ(at(QPoint(-1, 2)), std::pair(-1, -1));
}

TEST_F(SectionListBoxTest, ClickOnTheNodeTogglesWithoutSelecting)
{
    QSignalSpy clicks(&list, &TSectionListBox::sectionClick);
    click(list.NodeRect(1).center());
    EXPECT_TRUE(list.IsExpanded(1));
    click(list.NodeRect(1).center());
    EXPECT_FALSE(list.IsExpanded(1));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(list.SelectedSection(), -1);
}

TEST_F(SectionListBoxTest, ClickOnTheCaptionSelectsFocusesAndReports)
{
    QSignalSpy clicks(&list, &TSectionListBox::sectionClick);
    click(list.SectionRect(2).center());
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 2);
    EXPECT_EQ(list.SelectedSection(), 2);
    EXPECT_EQ(list.SelectedDetail(), -1);
    EXPECT_EQ(list.FocusedSection(), 2);
    EXPECT_FALSE(list.IsExpanded(2));
}

TEST_F(SectionListBoxTest, ClickOnADetailSelectsItsLine)
{
    list.Expand(0);
    QSignalSpy clicks(&list, &TSectionListBox::sectionClick);
    click(list.DetailRect(0, 1).center());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(list.SelectedSection(), 0);
    EXPECT_EQ(list.SelectedDetail(), 1);
}

TEST_F(SectionListBoxTest, ClickInEmptySpaceChangesNothing)
{
    list.SelectSection(1);
    QSignalSpy clicks(&list, &TSectionListBox::sectionClick);
    click(QPoint(100, list.SectionRect(2).bottom() + 20));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(list.SelectedSection(), 1);
}

TEST_F(SectionListBoxTest, DoubleClickOnASectionReportsIt)
{
    QSignalSpy doubles(&list, &TSectionListBox::sectionDblClick);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, list.SectionRect(1).center());
    ASSERT_EQ(doubles.count(), 1);
    EXPECT_EQ(doubles.at(0).at(0).toInt(), 1);
}

TEST_F(SectionListBoxTest, EveryReleaseIsReportedWithItsButton)
{
    QSignalSpy releases(&list, &TSectionListBox::mouseUp);
    QSignalSpy clicks(&list, &TSectionListBox::sectionClick);
    const QPoint onSecond = list.SectionRect(1).center();
    const QPoint empty(100, 290);
    click(onSecond, Qt::RightButton);
    click(empty, Qt::LeftButton);

    ASSERT_EQ(releases.count(), 2);
    EXPECT_EQ(releases.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(releases.at(0).at(1).toPoint(), onSecond);
    EXPECT_EQ(releases.at(1).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(releases.at(1).at(1).toPoint(), empty);
    // The owner decides what a right click selects.
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(list.SelectedSection(), -1);
}

TEST_F(SectionListBoxTest, ArrowKeysMoveTheSelectionAndReport)
{
    QSignalSpy clicks(&list, &TSectionListBox::sectionClick);
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.SelectedSection(), 0);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.SelectedSection(), 2);
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.SelectedSection(), 1);
    EXPECT_EQ(list.FocusedSection(), 1);

    QList<int> reported;
    for (const auto& args : clicks)
        reported.append(args.at(0).toInt());
    EXPECT_EQ(reported, QList<int>({0, 1, 2, 1}));
}

TEST_F(SectionListBoxTest, LongCaptionsAndDetailsWrapInsteadOfBeingCut)
{
    list.resize(160, 300);
    const QString words = "Riunione di redazione per il numero di dicembre con le nuove rubriche";
    const int index = list.AddSection(words, 0, Green, {"<B>Descrizione:</B> " + words});
    list.Expand(index);
    EXPECT_GT(list.SectionRect(index).height(), list.SectionRect(0).height());
    ASSERT_FALSE(list.DetailRect(index, 0).isEmpty());
    EXPECT_GT(list.DetailRect(index, 0).height(), 14);
}

TEST_F(SectionListBoxTest, SelectingScrollsTheSectionIntoSight)
{
    for (int i = 0; i < 30; ++i)
        list.AddSection(QString("%1.00: voce").arg(i), 0, Green, {});
    const int last = list.SectionCount() - 1;
    EXPECT_TRUE(list.SectionRect(last).isEmpty());

    list.SelectSection(last);
    const QRect shown = list.SectionRect(last);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_TRUE(list.SectionRect(0).isEmpty());
    EXPECT_EQ(list.SectionAt(shown.center()).section, last);
}

} // namespace
