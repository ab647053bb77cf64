// The owner-drawn wrestler list as Qt paints it.
#include <gtest/gtest.h>

#include <QImage>
#include <QListWidget>
#include <QPixmap>

#include "ui/form/control_ids.h"
#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/qt_types.h"
#include "ui/wrestlers/wrestler_item_style.h"
#include "wrestler_list_fixture.h"

namespace {

using namespace ui::toolkit;
using uitest::WrestlerListTest;

TEST_F(WrestlerListTest, ItemsAreSixteenPixelsHighAndDrawnInTheColoursOfTheirState) {
  openExport(writeScenarioExport());  // F New Star (selected), M Champion, M Rookie (selected)
  focusControl("MAIN", ui::kOpenButton);
  auto* list = dynamic_cast<QListWidget*>(controlWidget("MAIN", ui::kWrestlerList));
  ASSERT_NE(list, nullptr);
  const auto background = [list](int row) {
    const QImage image = list->viewport()->grab().toImage();
    const QRect rect = list->visualItemRect(list->item(row));
    return rgbOf(QColor(image.pixel(rect.right() - 2, rect.center().y())));
  };
  EXPECT_EQ(list->visualItemRect(list->item(0)).height(), ui::kWrestlerItemHeight);
  EXPECT_EQ(background(0), paletteColour(28).value());
  EXPECT_EQ(background(1), paletteColour(27).value());
  EXPECT_EQ(background(2), paletteColour(27).value());

  focusItem(1);
  EXPECT_EQ(background(1), paletteColour(3).value());

  click(ui::kParseButton);  // the list is disabled in phase 2
  EXPECT_EQ(background(0), paletteColour(31).value());
  EXPECT_EQ(background(1), paletteColour(31).value());
}

}  // namespace
