#pragma once

// Documents built by hand for the package tests, the fuzz targets and the benchmark.

#include "word/automationerror.h"
#include "word/engine/model.h"

#include <QByteArray>
#include <QColor>

#include <cstdint>
#include <functional>

namespace docxtest {

// The package tests use the engine's names, and its errors, unqualified.
using namespace word::engine;
using word::AutomationError;
namespace errors = word::errors;

// Encoded pictures made on the spot: a plain rectangle with a darker frame.
QByteArray pngPicture(int width, int height, QColor color);
QByteArray jpegPicture(int width, int height, QColor color);

Picture picture(const QByteArray& data, float width, float height);
TextRun run(const QString& text, const CharFormat& format = {});
Paragraph paragraph(std::vector<Inline> content, const ParaFormat& format = {}, const CharFormat& mark = {});
// A table of rows x columns cells sharing the page's text width, each with one paragraph.
Table table(const PageSetup& page, int rows, int columns);

// The paragraph format the letter layouts put on every paragraph (one-and-a-half spacing, no indents).
ParaFormat letterFormat(int alignment);
// Every member of a paragraph format away from its default.
ParaFormat everyMemberAwayFromItsDefault();

// A typical letter: about thirty paragraphs, a heading table of two cells (a picture in the first when
// withPictures), two more pictures in the body, and two lines across the page.
DocumentModel letterModel(bool withPictures);

// A model of random shape and content, with any Unicode, out-of-range values and broken rules, drawn from
// below(n), which returns a number in [0, n).
using Chooser = std::function<std::uint32_t(std::uint32_t)>;
DocumentModel randomModel(const Chooser& below);

} // namespace docxtest
