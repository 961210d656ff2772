#include "Hints.h"
#include "ProgramFolderTest.h"

#include <QApplication>
#include <QHelpEvent>
#include <QWidget>

namespace {

// Counts the tool tip requests that reach it.
class HintProbe : public QWidget
{
public:
    int toolTips = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip)
            ++toolTips;
        return QWidget::event(event);
    }
};

class HintsTest : public ProgramFolderTest
{
protected:
    void askForToolTip(QWidget& widget)
    {
        QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), widget.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&widget, &event);
    }
};

TEST_F(HintsTest, ToolTipsReachWidgetsOnlyWhileHintsAreOn)
{
    HintProbe widget;
    widget.setToolTip("Visualizza la rubrica.");
    widget.show();

    platform::setHintsEnabled(false);
    askForToolTip(widget);
    EXPECT_FALSE(platform::hintsEnabled());
    EXPECT_EQ(widget.toolTips, 0);

    platform::setHintsEnabled(true);
    askForToolTip(widget);
    EXPECT_EQ(widget.toolTips, 1);
}

} // namespace
