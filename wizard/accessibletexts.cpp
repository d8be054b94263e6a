#include "accessibletexts.h"

#include "frmmain.h"

namespace tavrin::accessible {

// Translated as the form's own texts.

QString thumbnailName(LetterLayout layout) {
    switch (layout) {
    case LetterLayout::Centered:
        return FrmMain::tr("Centered layout: a page with its heading block at the top centre");
    case LetterLayout::FlushLeft:
        return FrmMain::tr("Flush left layout: a page with its heading block at the top left");
    case LetterLayout::FlushRight:
        return FrmMain::tr("Flush right layout: a page with its heading block at the top right and its "
                           "closing lines at the right");
    }
    return {};
}

QString previewName(artwork::StylePreview style) {
    switch (style) {
    case artwork::StylePreview::Classic:
        return FrmMain::tr("Preview of the Classic style");
    case artwork::StylePreview::Dark:
        return FrmMain::tr("Preview of the Dark style");
    case artwork::StylePreview::Romantic:
        return FrmMain::tr("Preview of the Romantic style");
    case artwork::StylePreview::Elegant:
        return FrmMain::tr("Preview of the Elegant style");
    case artwork::StylePreview::Modernistic:
        return FrmMain::tr("Preview of the Modernistic style");
    }
    return {};
}

QString recipientOmitDescription() {
    return FrmMain::tr("Leaves the recipient's name and address out of the letter");
}

QString senderOmitDescription() {
    return FrmMain::tr("Leaves the writer's name and place out of the letter");
}

QString currentStepDescription() {
    return FrmMain::tr("Current step");
}

} // namespace tavrin::accessible
