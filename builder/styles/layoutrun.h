#pragma once

// What the styled layouts share: one run of a layout routine on Form1. Each method is one word processor
// statement made through ignoreError, so a failing call skips that statement only and the layout goes on
// with its next step, as every layout routine does.
//
// "The selection" is the one taken from the new document's window; "the global selection" is the word
// processor's current one, the same while the new document is the active one. Typing, moving and
// formatting go through the selection; the band's range and table, the cell, the pictures and the rules
// are reached through the word processor's global object.

#include "artwork/artwork.h"
#include "builder/form1.h"
#include "builder/ignoreerror.h"
#include "builder/lettertexts.h"
#include "builder/stylecatalog.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <initializer_list>
#include <optional>
#include <span>
#include <tuple>

namespace tavrin::styles {

// Typed inside a text, a carriage return and line feed end the paragraph and start a new one.
inline const QString LineBreak = QStringLiteral("\r\n");

inline QString lineBreaks(int count) {
    return LineBreak.repeated(count);
}

// The date line: today in the system's short date form.
inline QString dateLine() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

// Whether a layout keeps the date line when the recipient is left out.
enum class DateWithoutRecipient { Stays, GoesToo };

// The date line and the recipient's name and address, each wanted or left out, with a blank line before
// and after; empty when both are left out.
inline QString dateAndRecipientLines(const Form1& form, DateWithoutRecipient dateRule) {
    const bool withRecipient = !isChecked(form.wizard().checkOmit);
    const bool withDate =
        isChecked(form.wizard().checkDate) && (withRecipient || dateRule == DateWithoutRecipient::Stays);
    const QString recipient = form.record.RecNameText + LineBreak + form.record.RecAddressText + LineBreak;
    if (withDate && withRecipient)
        return LineBreak + dateLine() + LineBreak + recipient;
    if (withDate)
        return LineBreak + dateLine() + LineBreak;
    if (withRecipient)
        return LineBreak + recipient;
    return {};
}

// The salutation, the body, the conclusion and the closing, then the signature mark and room to sign.
inline QString signedLetterBody(const LetterRecord& record, int blankLinesAfterSignature) {
    return LineBreak + record.SalutationText.text() + LineBreak + record.ContentText.text() + lineBreaks(2) +
           record.Conclusiontext.text() + LineBreak + record.ClosingText.text() + LineBreak +
           texts::signatureMark() + lineBreaks(blankLinesAfterSignature);
}

// A layout's text face. The three members are set one by one, in the order each step gives.
struct Face {
    QString name;
    float size;
    int colorIndex;
};

enum class FontMember { Name, Colour, Size };

class LayoutRun {
public:
    // The picture folder is chosen once per run: the program's directory, or a private folder when that
    // cannot be written; none when the pictures are handed over in memory.
    LayoutRun(Form1& form, Style style) : form_(form), pictures_(styleRow(style).pictures) {}

    // The style's pictures are written before the document exists and removed after the last insertion,
    // in the order its row lists them. A picture that cannot be written is simply missing from the letter,
    // and one that cannot be removed stays behind: neither is the user's to hear of.
    void writePictures() {
        for (auto picture : pictures_)
            std::ignore = folder().write(picture);
    }
    // The opening of the letters with a two-cell heading band: the pictures written, a new document
    // aligned as chosen and, at its end, the band's table with its rules made white.
    void newDocumentWithTwoCellBand() {
        writePictures();
        newDocument();
        alignAsChosen();
        endOf();
        addTable(1, 2);
        whiteRules();
    }
    void removePictures() {
        for (auto picture : pictures_)
            std::ignore = folder().remove(picture);
    }
    // Embedded inline at the global selection at its own size, not linked to the file.
    void insertPicture(artwork::StylePicture picture) {
        ignoreError(
            [&] { global()->Selection()->InlineShapes()->AddPicture(folder().path(picture), false, true); });
    }

    // A new document as Form1's document reference, activated, with its window's selection taken.
    void newDocument() {
        ignoreError([&] { form_.documentRef = form_.services().word.CreateDocument(); });
        ignoreError([&] { form_.documentRef->Activate(); });
        ignoreError([&] { selection_ = form_.documentRef->ActiveWindow()->Selection(); });
    }
    void releaseSelection() { selection_.reset(); }
    // Fails, and is skipped, when the connection found the word processor already running.
    void makeApplicationVisible() {
        ignoreError([&] { form_.applicationRef->setVisible(true); });
    }

    void typeText(const QString& text) {
        ignoreError([&] { selection_->TypeText(text); });
    }
    // Nothing is typed when the date and the recipient are both left out.
    void typeDateAndRecipient(DateWithoutRecipient dateRule) {
        if (const QString lines = dateAndRecipientLines(form_, dateRule); !lines.isEmpty())
            typeText(lines);
    }
    void typeParagraph() {
        ignoreError([&] { selection_->TypeParagraph(); });
    }
    void endOf() {
        ignoreError([&] { selection_->EndOf(); });
    }
    void moveRight() {
        ignoreError([&] { selection_->MoveRight(); });
    }
    void moveDown() {
        ignoreError([&] { selection_->MoveDown(); });
    }

    void align(int alignment) {
        ignoreError([&] { selection_->ParagraphFormat()->setAlignment(alignment); });
    }
    void alignAsChosen() { align(form_.services().mBas.alignment); }
    void setFont(const Face& face, std::initializer_list<FontMember> order) {
        for (auto member : order)
            setFontMember(face, member);
    }
    // The shared paragraph format; its first failure ends it and is ignored here.
    void macrosAbsaz() {
        ignoreError([&] { form_.MacrosAbsaz(); });
    }

    // The heading band: a table at the global selection's range, which Form1 keeps.
    void addTable(int rows, int columns) {
        ignoreError([&] { form_.rangeRef = global()->Selection()->Range(); });
        ignoreError([&] { global()->Selection()->Tables()->Add(form_.rangeRef, rows, columns); });
    }
    // The band's rules stay, coloured white so that no grid shows on a white page.
    void whiteRules() {
        ignoreError([&] { selection_->Tables()->Item(1)->Borders()->setInsideColorIndex(word::wdWhite); });
        ignoreError([&] { selection_->Tables()->Item(1)->Borders()->setOutsideColorIndex(word::wdWhite); });
    }
    void selectCell(int row, int column) {
        ignoreError([&] { global()->ActiveDocument()->Tables()->Item(1)->Cell(row, column)->Select(); });
    }

    // A straight line over the page, in points from its top-left corner, left selected.
    void addSelectedLine(float beginX, float beginY, float endX, float endY) {
        ignoreError(
            [&] { global()->ActiveDocument()->Shapes()->AddLine(beginX, beginY, endX, endY)->Select(); });
    }

private:
    word::Ref<word::Global> global() const { return form_.services().word.Global(); }

    // Chosen on first use, so that a layout without pictures never looks at the folder.
    const artwork::PictureFolder& folder() {
        if (!folder_)
            folder_.emplace(form_.services().programDirectory, form_.services().pictures);
        return *folder_;
    }

    void setFontMember(const Face& face, FontMember member) {
        switch (member) {
        case FontMember::Name:
            ignoreError([&] { selection_->Font()->setName(face.name); });
            break;
        case FontMember::Colour:
            ignoreError([&] { selection_->Font()->setColorIndex(face.colorIndex); });
            break;
        case FontMember::Size:
            ignoreError([&] { selection_->Font()->setSize(face.size); });
            break;
        }
    }

    Form1& form_;
    std::span<const artwork::StylePicture> pictures_;
    std::optional<artwork::PictureFolder> folder_;
    word::Ref<word::Selection> selection_;
};

} // namespace tavrin::styles
