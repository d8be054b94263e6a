#pragma once

#include "previews.h"

#include <QImage>

namespace artgen {

// Mock letter pages, roughly as each style lays a letter out, for judging the pictures at their
// own size next to text. Only written with --look; stand-in fonts from the Liberation family.
QImage classicLetter(const StylePictures& pictures);
QImage darkLetter(const StylePictures& pictures);
QImage romanticLetter(const StylePictures& pictures);
QImage elegantLetter(const StylePictures& pictures);
QImage modernLetter(const StylePictures& pictures);

} // namespace artgen
