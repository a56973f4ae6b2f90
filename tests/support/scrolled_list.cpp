// A list scrolled to its end by the arrow and the thumb of its bar, through the hit test.
#include "support/scrolled_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/headless.h"
#include "ui/render.h"

namespace corvanth::test {

void ScrollListToItsLastRow(ui::Form& f, ui::ListBox& list, int shown, const std::string& picture) {
    const int rows = static_cast<int>(list.items.size());
    ASSERT_GT(rows, shown);
    ASSERT_EQ(list.VisibleRows(), shown);
    ASSERT_EQ(list.topIndex, 0);
    const int chosen = list.ItemIndex();
    // The bar is 16 pixels wide at the list's right edge; on a list over four times as high its
    // arrows are as long as the bar is wide, and its middle column is 8 pixels from the edge.
    constexpr int kBar = 16, kMiddle = kBar / 2;
    const ui::Rect r = list.ScreenRect();
    {
        ui::SoftwareCanvas canvas(f.width, f.height);
        canvas.DrawForm(f);
        // White ink in the middle of either arrow.
        EXPECT_EQ(canvas.PixelAt(r.x + r.w - kMiddle, r.y + kMiddle), 0xFFFFFFu);
        EXPECT_EQ(canvas.PixelAt(r.x + r.w - kMiddle, r.y + r.h - kMiddle), 0xFFFFFFu);
        // The thumb, from the upper arrow down, is as long against the track between the arrows
        // as the rows shown are against all rows; the track shows below it.
        const int track = r.h - 2 * kBar, thumb = track * shown / rows;
        ASSERT_LT(thumb, track);
        EXPECT_NE(canvas.PixelAt(r.x + r.w - kMiddle, r.y + kBar + thumb / 2),
                  canvas.PixelAt(r.x + r.w - kMiddle, r.y + kBar + (thumb + track) / 2));
    }
    // The lower arrow: one row a click, rows - shown clicks to the end, and none past it.
    for (int click = 1; click <= rows - shown + 1; ++click) {
        ui::ClickThrough(f, list, list.width - kMiddle, list.height - kMiddle);
        EXPECT_EQ(list.topIndex, std::min(click, rows - shown)) << "click " << click;
    }
    EXPECT_EQ(list.ItemIndex(), chosen) << "a click on the bar chose a row";
    // The last row lies whole in the box (2 pixels of frame above the rows), and takes a click.
    const int ih = list.ItemHeight();
    const int lastTop = 2 + (rows - 1 - list.topIndex) * ih;
    EXPECT_LE(lastTop + ih, list.height);
    ui::ClickThrough(f, list, (list.width - kBar) / 2, lastTop + ih / 2);
    EXPECT_EQ(list.ItemIndex(), rows - 1);
    // The thumb dragged past the top shows the first row; dragged across onto the rows it stays
    // and its release chooses none of them; dragged past the bottom it shows the last row.
    auto dragThumb = [&](int toX, int toY) {
        const ui::Rect t = list.Track().ThumbRect();
        ui::DragThrough(f, list, list.width - kMiddle, t.y + t.h / 2, toX, toY);
    };
    dragThumb(list.width - kMiddle, -40);
    EXPECT_EQ(list.topIndex, 0);
    const ui::Rect t = list.Track().ThumbRect();
    dragThumb((list.width - kBar) / 2, t.y + t.h / 2);
    EXPECT_EQ(list.topIndex, 0);
    EXPECT_EQ(list.ItemIndex(), rows - 1) << "the thumb let go over a row chose it";
    dragThumb(list.width - kMiddle, list.height + 40);
    EXPECT_EQ(list.topIndex, rows - shown);
    ui::RenderFormToPng(f, std::string(CORVANTH_SCREENS_DIR) + "/" + picture + ".png");
}

}  // namespace corvanth::test
