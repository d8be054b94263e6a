#include "macrosabsaz.h"

#include "form1.h"

namespace tavrin {

void letterParagraphFormat(const word::Ref<word::Global>& global, int alignment) {
    word::Ref<word::ParagraphFormat> format = global->Selection()->ParagraphFormat();

    format->setLeftIndent(global->CentimetersToPoints(0));
    format->setRightIndent(global->CentimetersToPoints(0));
    format->setSpaceBefore(0);
    format->setSpaceAfter(0);
    format->setLineSpacingRule(word::wdLineSpace1pt5);
    format->setAlignment(alignment);
    format->setWidowControl(true);
    format->setKeepWithNext(false);
    format->setKeepTogether(false);
    format->setPageBreakBefore(false);
    format->setNoLineNumber(false);
    format->setHyphenation(true);
    format->setFirstLineIndent(global->CentimetersToPoints(0));
    format->setOutlineLevel(word::wdOutlineLevelBodyText);
}

// The letter's paragraph format on the paragraph at the insertion point of the active document, with the
// user's alignment.
void Form1::MacrosAbsaz() {
    letterParagraphFormat(services_.word.Global(), services_.mBas.alignment);
}

} // namespace tavrin
