#pragma once

// The programs the printing tests look through: poppler's pdfinfo, pdftotext and pdftoppm read what was
// written, LibreOffice renders the saved letter for comparison.

#include <QHash>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

#include <ostream>

// Texts in test messages as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace word::testing {

// The full path of a program, empty (and a test failure) when it is not installed.
QString requireProgram(const QString& name);

int pdfPageCount(const QString& pdf);
// The first page's size in points.
QSizeF pdfPageSize(const QString& pdf);
// The text of one page (from 1), or of every page when page is 0, laid out as on the page.
QString pdfText(const QString& pdf, int page = 0);
// Where each word of the first page stands (pdftotext -bbox): its top-left corner in points; of words
// that stand twice, the last.
QHash<QString, QPointF> pdfWordPositions(const QString& pdf);
// The displayed size in points of every picture drawn in the PDF, page by page.
std::vector<QSizeF> pdfPictureSizes(const QString& pdf);
// One page (from 1) as a greyscale image at the given resolution.
QImage pdfPageImage(const QString& pdf, int page, int dotsPerInch);

// LibreOffice's PDF of a .docx, written into folder with a LibreOffice profile of its own; empty when the
// conversion failed.
QString libreOfficePdf(const QString& docx, const QString& folder);

// The lines of a page's text with their words, spacing left out: what the line breaks are.
QStringList wordLines(const QString& text);

// The bands of dark ink down a page, in points: rows holding ink, gathered while less than a point of
// white lies between them, each with the left and right ends of its ink. A line of text, a picture or a
// rule makes a band.
std::vector<QRectF> inkBands(const QImage& page, qreal dotsPerInch);
// As many bands on both pages, each edge of each within tolerance points of the other's.
::testing::AssertionResult sameInkBands(const std::vector<QRectF>& ours, const std::vector<QRectF>& theirs,
                                        qreal tolerance);

} // namespace word::testing
