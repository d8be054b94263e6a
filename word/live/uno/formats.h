#pragma once

// The interface's character and paragraph formats as Writer's properties. The formats are the built-in
// engine's (word/engine/model.h), so that both word processors describe a letter the same way.
//
// Character: Name = CharFontName, Size = CharHeight, ColorIndex = CharColor (wdAuto is Writer's automatic
// colour; a colour outside the sixteen reads as wdAuto), Bold = CharWeight.
// Paragraph: Alignment = ParaAdjust; the indents = ParaLeftMargin, ParaRightMargin, ParaFirstLineIndent;
// SpaceBefore and SpaceAfter = ParaTopMargin and ParaBottomMargin; LineSpacingRule = a proportional
// ParaLineSpacing of 100, 150 or 200 %; WidowControl = ParaWidows and ParaOrphans (2 lines, or none);
// KeepWithNext = ParaKeepTogether; KeepTogether = not ParaSplit; PageBreakBefore = BreakType;
// NoLineNumber = not ParaLineNumberCount; Hyphenation = ParaIsHyphenation; OutlineLevel = OutlineLevel
// (body text is 0 in Writer).

#include "word/engine/model.h"

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <rtl/ustring.hxx>

#include <vector>

namespace word::live {

enum class CharMember { Name, Size, ColorIndex, Bold };
enum class ParaMember {
    Alignment,
    LeftIndent,
    RightIndent,
    FirstLineIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacingRule,
    WidowControl,
    KeepWithNext,
    KeepTogether,
    PageBreakBefore,
    NoLineNumber,
    Hyphenation,
    OutlineLevel,
};

// What takes and gives properties. Several are set or read at once through the object's
// XMultiPropertySet, which is looked up on first use and kept with the target: each look-up is a call
// into LibreOffice.
class Target : public css::uno::Reference<css::beans::XPropertySet> {
public:
    using Reference::Reference;
    Target() = default;
    Target(const Reference& properties) : Reference(properties) {}

    // Empty when the object has none.
    const css::uno::Reference<css::beans::XMultiPropertySet>& multiple() const;

private:
    mutable css::uno::Reference<css::beans::XMultiPropertySet> multiple_;
    mutable bool lookedUp_ = false;
};

// The format of the text in the target (its start where it varies).
engine::CharFormat readCharFormat(const Target& target);
// Sets one member, or all of them.
void writeCharMember(const Target& target, CharMember member, const engine::CharFormat& format);
void writeCharFormat(const Target& target, const engine::CharFormat& format);

// A text portion's kind (its TextPortionType) and the format of its text, read in one call.
struct PortionFormat {
    rtl::OUString type;
    engine::CharFormat format;
};
PortionFormat readPortionFormat(const Target& portion);

// What a paragraph target reaches: the paragraph object takes every member, a text cursor all but the
// outline level (which Writer keeps over a paragraph end).
enum class Reach { WholeParagraph, Cursor };
engine::ParaFormat readParaFormat(const Target& target, Reach reach = Reach::WholeParagraph);
void writeParaMember(const Target& target, ParaMember member, const engine::ParaFormat& format);
void writeParaFormat(const Target& target, const engine::ParaFormat& format,
                     Reach reach = Reach::WholeParagraph);
// Whether a text cursor takes the member for the paragraph it stands in (only the paragraph object takes
// the outline level).
bool cursorTakes(ParaMember member);

// Writer's colour for a colour index, and back.
sal_Int32 writerColor(int colorIndex);
int colorIndexOf(sal_Int32 writerColor);

} // namespace word::live
