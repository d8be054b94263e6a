#include "stylecatalog.h"

#include "form1.h"

#include <algorithm>
#include <array>

namespace tavrin {

namespace {

using artwork::StylePicture;
using artwork::StylePreview;

constexpr StylePicture RomanticPictures[] = {StylePicture::PictureRomantic, StylePicture::RomanticLine};
constexpr StylePicture DarkPictures[] = {StylePicture::PictureDark, StylePicture::DarkLine};
constexpr StylePicture ClassicPictures[] = {StylePicture::PictureClassic};
constexpr StylePicture ElegantPictures[] = {StylePicture::PictureElegant, StylePicture::ElegantLine,
                                            StylePicture::ElegantDown};
constexpr StylePicture ModernPictures[] = {StylePicture::PictureModern, StylePicture::ModernLine};

// Constant-initialised, so that the layouts' faces may be made from it before main.
constexpr std::array Catalogue = {
    StyleRow{Style::Simple,
             u"Simple",
             u"simple",
             u"Times New Roman",
             {},
             std::nullopt,
             &Form1::TemplateStyl,
             &WizardChoices::optSimple},
    StyleRow{Style::Romantic, u"Romantic", u"romantic", u"Monotype Corsiva", RomanticPictures,
             StylePreview::Romantic, &Form1::RomanticStyl, &WizardChoices::optRomantic},
    StyleRow{Style::Dark, u"Dark", u"dark", u"Franklin Gothic Medium", DarkPictures, StylePreview::Dark,
             &Form1::DarkStyl, &WizardChoices::optDark},
    StyleRow{Style::Classic, u"Classic", u"classic", u"Arial", ClassicPictures, StylePreview::Classic,
             &Form1::ClassicStyl, &WizardChoices::optClassic},
    StyleRow{Style::Elegant, u"Elegant", u"elegant", u"Garamond", ElegantPictures, StylePreview::Elegant,
             &Form1::ElegantStyl, &WizardChoices::optElegant},
    StyleRow{Style::Modern, u"Modernistic", u"modernistic", u"Courier", ModernPictures,
             StylePreview::Modernistic, &Form1::ModernStyl, &WizardChoices::optModern},
};

// A row for every style, each at the place of its value, so that a style's row is found by its value.
constexpr bool rowsFollowTheStyles() {
    if (Catalogue.size() != AllStyles.size())
        return false;
    for (std::size_t i = 0; i < Catalogue.size(); ++i)
        if (Catalogue[i].style != AllStyles[i] || std::size_t(AllStyles[i]) != i)
            return false;
    return true;
}
static_assert(rowsFollowTheStyles(), "one row a style, in the order of Style");

} // namespace

std::span<const StyleRow> styleCatalogue() {
    return Catalogue;
}

const StyleRow& styleRow(Style style) {
    return Catalogue[std::size_t(style)];
}

const StyleRow* styleRowForCommandLineName(QStringView name) {
    const auto row = std::ranges::find(Catalogue, name, &StyleRow::commandLineName);
    return row == Catalogue.end() ? nullptr : &*row;
}

QString styleName(Style style) {
    return styleRow(style).wizardName.toString();
}

} // namespace tavrin
