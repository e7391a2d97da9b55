// What the window paints: the selected areas stand out from the other
// cells. With DORVANE_SCREENSHOT_DIR set, the picture is kept there.

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTabBar>

#include "tests/sheetwindow/SheetWindowTestSupport.h"

namespace dorvane::shell::testing {
namespace {

class PaintTest : public WindowsTest {};

QColor ColourAt(SheetGrid& grid, const QImage& image, int row, int column) {
    // A point inside the cell, off its text and its grid lines.
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, column - 1));
    const QPoint inside = grid.viewport()->mapTo(grid.window(), cell.topLeft() + QPoint(2, cell.height() - 3));
    return image.pixelColor(inside * image.devicePixelRatio());
}

TEST_F(PaintTest, TwoSelectedAreasArePaintedAsSelected) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "xlsx/easyexcel_cellDataDemo.xlsx");
    WorkbookWindow& window = OpenWindow(file);
    window.resize(900, 420);
    SheetGrid& grid = *window.Grid;
    DragCells(grid, 2, 1, 4, 2);
    DragCells(grid, 6, 3, 8, 3, Qt::ControlModifier);
    ProcessEvents();
    ASSERT_EQ(windows().Application()->Selection()->Address(), "$A$2:$B$4,$C$6:$C$8");

    const QImage image = window.grab().toImage();
    const QColor selected = ColourAt(grid, image, 3, 2);
    EXPECT_EQ(ColourAt(grid, image, 7, 3), selected);
    EXPECT_NE(ColourAt(grid, image, 3, 4), selected) << "a cell outside both areas";
    EXPECT_NE(ColourAt(grid, image, 5, 1), selected) << "a cell between the areas";

    const QByteArray folder = qgetenv("DORVANE_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        const QString name = QDir(QString::fromLocal8Bit(folder)).filePath("workbook-window.png");
        EXPECT_TRUE(image.save(name)) << name.toStdString();
    }
}

}  // namespace
}  // namespace dorvane::shell::testing
