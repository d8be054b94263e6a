#include "letterview.h"

#include "artwork/artwork.h"

#include <QImage>

namespace tavrin::testing {

using namespace word::engine;

namespace {

constexpr artwork::StylePicture AllPictures[] = {
    artwork::StylePicture::PictureClassic,  artwork::StylePicture::PictureElegant,
    artwork::StylePicture::ElegantLine,     artwork::StylePicture::ElegantDown,
    artwork::StylePicture::PictureRomantic, artwork::StylePicture::RomanticLine,
    artwork::StylePicture::PictureDark,     artwork::StylePicture::DarkLine,
    artwork::StylePicture::PictureModern,   artwork::StylePicture::ModernLine,
};

QString textOf(const Paragraph& paragraph) {
    QString text;
    for (const Inline& piece : paragraph.content) {
        if (const auto* run = std::get_if<TextRun>(&piece))
            text += run->text;
        else
            text += pictureMark(std::get<Picture>(piece));
    }
    return text;
}

} // namespace

QString pictureMark(const Picture& picture) {
    for (auto stylePicture : AllPictures) {
        if (artwork::image(stylePicture).size() == QSize(picture.pixelWidth, picture.pixelHeight))
            return u'<' + artwork::fileName(stylePicture) + u'>';
    }
    return QStringLiteral("<picture %1 x %2>").arg(picture.pixelWidth).arg(picture.pixelHeight);
}

std::vector<CharFormat> LetterLine::runFormats() const {
    std::vector<CharFormat> formats;
    for (const Inline& piece : paragraph->content) {
        if (const auto* run = std::get_if<TextRun>(&piece))
            formats.push_back(run->format);
    }
    return formats;
}

std::string LetterLine::shown() const {
    return (cell.isEmpty() ? text : cell + u' ' + text).toStdString();
}

std::vector<LetterLine> linesOf(const DocumentModel& model) {
    std::vector<LetterLine> lines;
    for (const Block& block : model.body) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            lines.push_back({QString(), textOf(*paragraph), paragraph});
            continue;
        }
        const auto& table = std::get<Table>(block);
        for (size_t row = 0; row < table.rows.size(); ++row) {
            for (size_t column = 0; column < table.rows[row].size(); ++column) {
                const QString cell = QStringLiteral("(%1,%2)").arg(row + 1).arg(column + 1);
                for (const Paragraph& paragraph : table.rows[row][column].paragraphs)
                    lines.push_back({cell, textOf(paragraph), &paragraph});
            }
        }
    }
    return lines;
}

std::vector<std::string> shownLines(const std::vector<LetterLine>& lines) {
    std::vector<std::string> shown;
    for (const LetterLine& line : lines)
        shown.push_back(line.shown());
    return shown;
}

std::vector<const Table*> tablesOf(const DocumentModel& model) {
    std::vector<const Table*> tables;
    for (const Block& block : model.body) {
        if (const auto* table = std::get_if<Table>(&block))
            tables.push_back(table);
    }
    return tables;
}

} // namespace tavrin::testing
