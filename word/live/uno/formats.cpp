#include "formats.h"

#include "unotext.h"
#include "word/constants.h"
#include "word/engine/colorindex.h"

#include <com/sun/star/awt/FontWeight.hpp>
#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/style/BreakType.hpp>
#include <com/sun/star/style/LineSpacing.hpp>
#include <com/sun/star/style/LineSpacingMode.hpp>
#include <com/sun/star/style/ParagraphAdjust.hpp>

#include <iterator>
#include <utility>

namespace word::live {

using namespace css;
using Properties = std::vector<std::pair<OUString, uno::Any>>;

namespace {

// Writer's automatic colour.
constexpr sal_Int32 AutomaticColor = -1;

void write(const Target& target, const Properties& properties) {
    // One property goes by itself, with no look-up.
    if (properties.size() == 1 || !target.multiple().is()) {
        for (const auto& [name, value] : properties)
            target->setPropertyValue(name, value);
        return;
    }
    const auto& multiple = target.multiple();
    uno::Sequence<OUString> names(sal_Int32(properties.size()));
    uno::Sequence<uno::Any> values(sal_Int32(properties.size()));
    for (std::size_t i = 0; i < properties.size(); ++i) {
        names.getArray()[i] = properties[i].first;
        values.getArray()[i] = properties[i].second;
    }
    multiple->setPropertyValues(names, values);
}

// The values of the named properties, in one call where the target takes several at once.
std::vector<uno::Any> read(const Target& target, const std::vector<const char*>& names) {
    std::vector<uno::Any> values;
    const auto& multiple = target.multiple();
    if (!multiple.is()) {
        for (const char* name : names)
            values.push_back(target->getPropertyValue(OUString::createFromAscii(name)));
        return values;
    }
    uno::Sequence<OUString> sequence(sal_Int32(names.size()));
    sal_Int32 i = 0;
    for (const char* name : names)
        sequence.getArray()[i++] = OUString::createFromAscii(name);
    const uno::Sequence<uno::Any> read = multiple->getPropertyValues(sequence);
    values.assign(read.begin(), read.end());
    return values;
}

template <class Value> Value as(const uno::Any& any) {
    Value value{};
    any >>= value;
    return value;
}

Properties charProperties(CharMember member, const engine::CharFormat& f) {
    switch (member) {
    case CharMember::Name:
        return {{"CharFontName", uno::Any(toOUString(f.fontName))}};
    case CharMember::Size:
        return {{"CharHeight", uno::Any(f.size)}};
    case CharMember::ColorIndex:
        return {{"CharColor", uno::Any(writerColor(f.colorIndex))}};
    case CharMember::Bold:
        return {{"CharWeight", uno::Any(f.bold ? awt::FontWeight::BOLD : awt::FontWeight::NORMAL)}};
    }
    return {};
}

sal_Int16 paragraphAdjust(int alignment) {
    switch (alignment) {
    case wdAlignParagraphCenter:
        return sal_Int16(style::ParagraphAdjust_CENTER);
    case wdAlignParagraphRight:
        return sal_Int16(style::ParagraphAdjust_RIGHT);
    case wdAlignParagraphJustify:
        return sal_Int16(style::ParagraphAdjust_BLOCK);
    default:
        return sal_Int16(style::ParagraphAdjust_LEFT);
    }
}

int alignmentOf(sal_Int16 adjust) {
    switch (style::ParagraphAdjust(adjust)) {
    case style::ParagraphAdjust_CENTER:
        return wdAlignParagraphCenter;
    case style::ParagraphAdjust_RIGHT:
        return wdAlignParagraphRight;
    case style::ParagraphAdjust_BLOCK:
    case style::ParagraphAdjust_STRETCH:
        return wdAlignParagraphJustify;
    default:
        return wdAlignParagraphLeft;
    }
}

style::LineSpacing lineSpacing(int rule) {
    style::LineSpacing spacing;
    spacing.Mode = style::LineSpacingMode::PROP;
    spacing.Height = rule == wdLineSpace1pt5 ? 150 : rule == wdLineSpaceDouble ? 200 : 100;
    return spacing;
}

// Read as a multiple of single spacing, the way a package's line value is read.
int lineSpacingRuleOf(const style::LineSpacing& spacing) {
    if (spacing.Mode != style::LineSpacingMode::PROP || spacing.Height <= 125)
        return wdLineSpaceSingle;
    return spacing.Height <= 175 ? wdLineSpace1pt5 : wdLineSpaceDouble;
}

Properties paraProperties(ParaMember member, const engine::ParaFormat& f) {
    switch (member) {
    case ParaMember::Alignment:
        return {{"ParaAdjust", uno::Any(paragraphAdjust(f.alignment))}};
    case ParaMember::LeftIndent:
        return {{"ParaLeftMargin", uno::Any(hundredthsOfMillimetre(f.leftIndent))}};
    case ParaMember::RightIndent:
        return {{"ParaRightMargin", uno::Any(hundredthsOfMillimetre(f.rightIndent))}};
    case ParaMember::FirstLineIndent:
        return {{"ParaFirstLineIndent", uno::Any(hundredthsOfMillimetre(f.firstLineIndent))}};
    case ParaMember::SpaceBefore:
        return {{"ParaTopMargin", uno::Any(hundredthsOfMillimetre(f.spaceBefore))}};
    case ParaMember::SpaceAfter:
        return {{"ParaBottomMargin", uno::Any(hundredthsOfMillimetre(f.spaceAfter))}};
    case ParaMember::LineSpacingRule:
        return {{"ParaLineSpacing", uno::Any(lineSpacing(f.lineSpacingRule))}};
    case ParaMember::WidowControl: {
        const sal_Int8 lines = f.widowControl ? 2 : 0;
        return {{"ParaWidows", uno::Any(lines)}, {"ParaOrphans", uno::Any(lines)}};
    }
    case ParaMember::KeepWithNext:
        return {{"ParaKeepTogether", uno::Any(f.keepWithNext)}};
    case ParaMember::KeepTogether:
        return {{"ParaSplit", uno::Any(!f.keepTogether)}};
    case ParaMember::PageBreakBefore:
        return {{"BreakType",
                 uno::Any(f.pageBreakBefore ? style::BreakType_PAGE_BEFORE : style::BreakType_NONE)}};
    case ParaMember::NoLineNumber:
        return {{"ParaLineNumberCount", uno::Any(!f.noLineNumber)}};
    case ParaMember::Hyphenation:
        return {{"ParaIsHyphenation", uno::Any(f.hyphenation)}};
    case ParaMember::OutlineLevel:
        return {{"OutlineLevel",
                 uno::Any(sal_Int16(f.outlineLevel == wdOutlineLevelBodyText ? 0 : f.outlineLevel))}};
    }
    return {};
}

constexpr CharMember AllCharMembers[] = {CharMember::Name, CharMember::Size, CharMember::ColorIndex,
                                         CharMember::Bold};
constexpr ParaMember AllParaMembers[] = {
    ParaMember::Alignment,       ParaMember::LeftIndent,      ParaMember::RightIndent,
    ParaMember::FirstLineIndent, ParaMember::SpaceBefore,     ParaMember::SpaceAfter,
    ParaMember::LineSpacingRule, ParaMember::WidowControl,    ParaMember::KeepWithNext,
    ParaMember::KeepTogether,    ParaMember::PageBreakBefore, ParaMember::NoLineNumber,
    ParaMember::Hyphenation,     ParaMember::OutlineLevel,
};

} // namespace

const uno::Reference<beans::XMultiPropertySet>& Target::multiple() const {
    if (!lookedUp_) {
        multiple_.set(get(), uno::UNO_QUERY);
        lookedUp_ = true;
    }
    return multiple_;
}

sal_Int32 writerColor(int colorIndex) {
    const auto rgb = engine::rgbOfColorIndex(colorIndex);
    return rgb ? sal_Int32(*rgb & 0xFFFFFFu) : AutomaticColor;
}

int colorIndexOf(sal_Int32 color) {
    if (color == AutomaticColor)
        return wdAuto;
    for (int index = wdBlack; index <= wdGray25; ++index)
        if (writerColor(index) == (color & 0xFFFFFF))
            return index;
    return wdAuto;
}

namespace {

constexpr const char* CharFormatNames[] = {"CharFontName", "CharHeight", "CharColor", "CharWeight"};

engine::CharFormat charFormatOf(const uno::Any* values) {
    engine::CharFormat format;
    format.fontName = toQString(as<OUString>(values[0]));
    format.size = as<float>(values[1]);
    format.colorIndex = colorIndexOf(as<sal_Int32>(values[2]));
    format.bold = as<float>(values[3]) > awt::FontWeight::NORMAL;
    return format;
}

} // namespace

engine::CharFormat readCharFormat(const Target& target) {
    const auto values = read(target, {std::begin(CharFormatNames), std::end(CharFormatNames)});
    return charFormatOf(values.data());
}

PortionFormat readPortionFormat(const Target& portion) {
    std::vector<const char*> names = {"TextPortionType"};
    names.insert(names.end(), std::begin(CharFormatNames), std::end(CharFormatNames));
    const auto values = read(portion, names);
    return {as<OUString>(values[0]), charFormatOf(values.data() + 1)};
}

void writeCharMember(const Target& target, CharMember member, const engine::CharFormat& format) {
    write(target, charProperties(member, format));
}

void writeCharFormat(const Target& target, const engine::CharFormat& format) {
    Properties all;
    for (CharMember member : AllCharMembers)
        for (auto& property : charProperties(member, format))
            all.push_back(std::move(property));
    write(target, all);
}

engine::ParaFormat readParaFormat(const Target& target, Reach reach) {
    std::vector<const char*> names = {
        "ParaAdjust",       "ParaLeftMargin",      "ParaRightMargin",  "ParaFirstLineIndent", "ParaTopMargin",
        "ParaBottomMargin", "ParaLineSpacing",     "ParaWidows",       "ParaKeepTogether",    "ParaSplit",
        "BreakType",        "ParaLineNumberCount", "ParaIsHyphenation"};
    if (reach == Reach::WholeParagraph)
        names.push_back("OutlineLevel");
    const auto v = read(target, names);
    engine::ParaFormat f;
    f.alignment = alignmentOf(as<sal_Int16>(v[0]));
    f.leftIndent = pointsOf(as<sal_Int32>(v[1]));
    f.rightIndent = pointsOf(as<sal_Int32>(v[2]));
    f.firstLineIndent = pointsOf(as<sal_Int32>(v[3]));
    f.spaceBefore = pointsOf(as<sal_Int32>(v[4]));
    f.spaceAfter = pointsOf(as<sal_Int32>(v[5]));
    f.lineSpacingRule = lineSpacingRuleOf(as<style::LineSpacing>(v[6]));
    f.widowControl = as<sal_Int8>(v[7]) != 0;
    f.keepWithNext = as<bool>(v[8]);
    f.keepTogether = !as<bool>(v[9]);
    f.pageBreakBefore = as<style::BreakType>(v[10]) == style::BreakType_PAGE_BEFORE;
    f.noLineNumber = !as<bool>(v[11]);
    f.hyphenation = as<bool>(v[12]);
    if (reach == Reach::WholeParagraph) {
        const sal_Int16 level = as<sal_Int16>(v[13]);
        f.outlineLevel = level >= 1 && level <= 9 ? int(level) : int(wdOutlineLevelBodyText);
    }
    return f;
}

void writeParaMember(const Target& target, ParaMember member, const engine::ParaFormat& format) {
    write(target, paraProperties(member, format));
}

void writeParaFormat(const Target& target, const engine::ParaFormat& format, Reach reach) {
    Properties all;
    for (ParaMember member : AllParaMembers)
        if (reach == Reach::WholeParagraph || cursorTakes(member))
            for (auto& property : paraProperties(member, format))
                all.push_back(std::move(property));
    write(target, all);
}

bool cursorTakes(ParaMember member) {
    return member != ParaMember::OutlineLevel;
}

} // namespace word::live
