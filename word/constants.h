#pragma once

// The word processor's named constants, with the values its object model gives them.
namespace word {

enum WdColorIndex : int {
    wdAuto = 0,
    wdBlack = 1,
    wdBlue = 2,
    wdTurquoise = 3,
    wdBrightGreen = 4,
    wdPink = 5,
    wdRed = 6,
    wdYellow = 7,
    wdWhite = 8,
    wdDarkBlue = 9,
    wdTeal = 10,
    wdGreen = 11,
    wdViolet = 12,
    wdDarkRed = 13,
    wdDarkYellow = 14,
    wdGray50 = 15,
    wdGray25 = 16,
};

enum WdParagraphAlignment : int {
    wdAlignParagraphLeft = 0,
    wdAlignParagraphCenter = 1,
    wdAlignParagraphRight = 2,
    wdAlignParagraphJustify = 3,
};

enum WdLineSpacing : int {
    wdLineSpaceSingle = 0,
    wdLineSpace1pt5 = 1,
    wdLineSpaceDouble = 2,
};

enum WdOutlineLevel : int {
    wdOutlineLevel1 = 1,
    wdOutlineLevel9 = 9,
    wdOutlineLevelBodyText = 10,
};

} // namespace word
