#include "form1.h"

namespace tavrin {

// The letter's fixed paragraph format, put on the paragraph at the insertion point of the active
// document; only the alignment comes from the user. Each member is its own call, in this order, and the
// first failing call ends the routine with the rest unset.
void Form1::MacrosAbsaz() {
    word::Ref<word::Global> global = services_.word.Global();
    word::Ref<word::ParagraphFormat> format = global->Selection()->ParagraphFormat();

    format->setLeftIndent(global->CentimetersToPoints(0));
    format->setRightIndent(global->CentimetersToPoints(0));
    format->setSpaceBefore(0);
    format->setSpaceAfter(0);
    format->setLineSpacingRule(word::wdLineSpace1pt5);
    format->setAlignment(services_.mBas.alignment);
    format->setWidowControl(true);
    format->setKeepWithNext(false);
    format->setKeepTogether(false);
    format->setPageBreakBefore(false);
    format->setNoLineNumber(false);
    format->setHyphenation(true);
    format->setFirstLineIndent(global->CentimetersToPoints(0));
    format->setOutlineLevel(word::wdOutlineLevelBodyText);
}

} // namespace tavrin
