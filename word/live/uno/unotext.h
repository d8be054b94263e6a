#pragma once

// Strings and lengths between Qt, the word processor interface and UNO.

#include <com/sun/star/uno/Sequence.hxx>
#include <rtl/ustring.hxx>

#include <QString>

#include <cmath>
#include <initializer_list>

namespace word::live {

using rtl::OUString;

inline OUString toOUString(const QString& text) {
    return OUString(reinterpret_cast<const sal_Unicode*>(text.utf16()), sal_Int32(text.size()));
}

inline QString toQString(const OUString& text) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.getStr()), text.getLength());
}

template <class Element> css::uno::Sequence<Element> sequenceOf(std::initializer_list<Element> elements) {
    return css::uno::Sequence<Element>(elements.begin(), sal_Int32(elements.size()));
}

// UNO measures in 1/100 mm, the interface in points.
inline sal_Int32 hundredthsOfMillimetre(double points) {
    return sal_Int32(std::lround(points * 2540.0 / 72.0));
}
inline float pointsOf(sal_Int32 hundredths) {
    return float(double(hundredths) * 72.0 / 2540.0);
}

} // namespace word::live
