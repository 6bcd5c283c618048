// The wizard's header: where a step's description is drawn.
#include <gtest/gtest.h>

#include "shortcuts/ucWizard_TitleArea.h"

TEST(WizardTitleArea, ADescriptionTooLongForItsLineTakesTwoBetweenTitleAndBand)
{
    for (int dpi : {96, 120, 144}) {
        const ucWizard_TitleArea::Layout layout = ucWizard_TitleArea::LayoutFor(500, dpi);
        const int line = MulDiv(13, dpi, 96); // the dialog font's line at that resolution
        const RECT one = ucWizard_TitleArea::DescriptionRect(layout, line, line);
        EXPECT_TRUE(EqualRect(&one, &layout.StepDesc)) << dpi;
        const RECT two = ucWizard_TitleArea::DescriptionRect(layout, line, 2 * line);
        EXPECT_GE(two.bottom - two.top, 2 * line) << dpi;
        EXPECT_LE(two.bottom, layout.Band.top) << dpi << ": the band's text stays clear";
        EXPECT_GE(two.top, layout.Step.top + line) << dpi << ": the step's title stays clear";
        EXPECT_EQ(two.left, layout.StepDesc.left) << dpi;
        EXPECT_EQ(two.right, layout.StepDesc.right) << dpi;
    }
}
