// The summary toolbar: frameless, top-most, rounded, dragged only by its
// own surface with the left button alone.

#include <QApplication>
#include <QBitmap>
#include <QMouseEvent>
#include <QTest>

#include "summary/windows/Form6.h"
#include "tests/shell/ShellTestSupport.h"

namespace dorvane::shell::testing {
namespace {

class ToolbarTest : public ShellTest {
protected:
    Form6& ShownToolbar() {
        MakeShell();
        Form6& toolbar = shell().Toolbar();
        toolbar.move(200, 150);
        toolbar.show();
        return toolbar;
    }

    static void Send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
                     Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    // Presses with `button` at `from` on `target`, then moves by `delta`
    // with `held` down.
    static void Drag(QWidget* target, QPoint from, QPoint delta, Qt::MouseButton button,
                     Qt::MouseButtons held) {
        Send(target, QEvent::MouseButtonPress, from, button, held);
        Send(target, QEvent::MouseMove, from + delta, Qt::NoButton, held);
        Send(target, QEvent::MouseButtonRelease, from + delta, button, Qt::NoButton);
    }
};

TEST_F(ToolbarTest, IsFramelessTopMostAndRounded) {
    Form6& toolbar = ShownToolbar();
    EXPECT_TRUE(toolbar.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(toolbar.windowFlags() & Qt::WindowStaysOnTopHint);
    const QRegion region = toolbar.mask();
    EXPECT_FALSE(region.contains(QPoint(0, 0))) << "the corner is cut";
    EXPECT_FALSE(region.contains(QPoint(toolbar.width() - 1, toolbar.height() - 1)));
    EXPECT_TRUE(region.contains(QPoint(toolbar.width() / 2, 0)));
    EXPECT_TRUE(region.contains(QPoint(3, 3)));
}

TEST_F(ToolbarTest, LeftButtonAloneDragsTheBar) {
    Form6& toolbar = ShownToolbar();
    const QPoint start = toolbar.pos();
    const QPoint onBar(toolbar.width() - 60, toolbar.height() / 2);
    ASSERT_EQ(toolbar.childAt(onBar), nullptr) << "a spot of the bar's own surface";
    Drag(&toolbar, onBar, QPoint(30, 12), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(toolbar.pos(), start + QPoint(30, 12));
    EXPECT_EQ(toolbar.DragOrigin(), onBar);
}

TEST_F(ToolbarTest, OtherButtonsDoNotDrag) {
    Form6& toolbar = ShownToolbar();
    const QPoint start = toolbar.pos();
    const QPoint onBar(toolbar.width() - 60, toolbar.height() / 2);
    Drag(&toolbar, onBar, QPoint(30, 12), Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(toolbar.pos(), start);
    Drag(&toolbar, onBar, QPoint(30, 12), Qt::LeftButton, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(toolbar.pos(), start);
    // The press of any button records the origin.
    const QPoint elsewhere(toolbar.width() - 70, 5);
    Send(&toolbar, QEvent::MouseButtonPress, elsewhere, Qt::MiddleButton, Qt::MiddleButton);
    EXPECT_EQ(toolbar.DragOrigin(), elsewhere);
}

TEST_F(ToolbarTest, SummaryButtonAndCloseMarkAreNoDragHandles) {
    Form6& toolbar = ShownToolbar();
    const QPoint start = toolbar.pos();
    for (QWidget* picture : std::initializer_list<QWidget*>{toolbar.Picture1, toolbar.Image1}) {
        const QPoint middle = picture->rect().center();
        Send(picture, QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
        Send(picture, QEvent::MouseMove, middle + QPoint(40, 10), Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(toolbar.pos(), start) << picture->objectName().toStdString();
        // Released away from the picture: no click.
        Send(picture, QEvent::MouseButtonRelease, middle + QPoint(400, 10), Qt::LeftButton,
             Qt::NoButton);
    }
    EXPECT_TRUE(toolbar.isVisible());
}

}  // namespace
}  // namespace dorvane::shell::testing
