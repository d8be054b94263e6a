#pragma once

// What a screen reader says about the wizard's pictures and boxes whose captions do not tell it all.

#include "artwork/artwork.h"
#include "thumbnails.h"

#include <QString>

namespace tavrin::accessible {

// What a layout thumbnail on the first page shows.
QString thumbnailName(LetterLayout layout);
// What a style preview on the last page shows.
QString previewName(artwork::StylePreview style);
// What the two Omit boxes leave out of the letter.
QString recipientOmitDescription();
QString senderOmitDescription();
// Said of the side bar's step whose page is shown.
QString currentStepDescription();

} // namespace tavrin::accessible
