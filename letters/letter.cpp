#include "letter.h"

#include "artwork/artwork.h"
#include "builder/form1.h"
#include "builder/lettertexts.h"
#include "builder/stylecatalog.h"
#include "word/engine/engine.h"

#include <QRegularExpression>

namespace tavrin::letters {

namespace {

// No one sees Form1's message boxes here: the connection to the built-in engine never raises one.
class NoUserInterface : public UserInterface {
public:
    void messageBox(const QString&) override {}
    void resetMousePointer() override {}
};

const QString CarriageReturnLineFeed = QStringLiteral("\r\n");

QString given(const std::optional<QString>& text, const Recipient& recipient) {
    // The line breaks are the option's own: a recipient's backslash-n stays as it is.
    return text ? personalised(withLineBreaks(*text), recipient) : QString();
}

std::optional<Alignment> alignmentNamed(const QString& name) {
    if (name == u"centered")
        return Alignment::Center;
    if (name == u"left")
        return Alignment::Left;
    if (name == u"right")
        return Alignment::Right;
    return std::nullopt;
}

} // namespace

QString personalised(const QString& text, const Recipient& recipient) {
    // One pass, so that a name holding "{first}" is never replaced again.
    static const QRegularExpression marks(QStringLiteral("\\{(name|first)\\}"));
    QString result;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : marks.globalMatch(text)) {
        result += QStringView(text).mid(from, match.capturedStart() - from);
        result += match.captured(1) == u"name" ? recipient.fullName : recipient.firstOrFullName();
        from = match.capturedEnd();
    }
    result += QStringView(text).mid(from);
    return result;
}

QString withLineBreaks(const QString& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n|\\\\n"));
    return QString(text).replace(lineEnd, CarriageReturnLineFeed);
}

void chooseStyleAndAlignment(WizardChoices& choices, const QString& style, const QString& align) {
    const StyleRow* row = styleRowForCommandLineName(style);
    choices.selectStyle(row ? std::optional(row->style) : std::nullopt);
    choices.selectAlignment(alignmentNamed(align));
}

WizardChoices choicesFor(const LetterOptions& options, const Recipient& recipient) {
    WizardChoices choices;
    chooseStyleAndAlignment(choices, options.style, options.align);
    choices.recNameText = recipient.fullName;
    choices.recAddressText = recipient.addressLines.join(CarriageReturnLineFeed);
    choices.checkOmit = options.omitRecipient ? 1 : 0;
    if (options.sample > 0) {
        choices.contentCombo = options.sample;
        choices.text1 = withLineBreaks(texts::sampleParagraphs().value(options.sample));
    } else {
        choices.text1 = given(options.content, recipient);
    }
    choices.nameText = given(options.writerName, recipient);
    choices.addressText = given(options.writerAddress, recipient);
    choices.checkOmit2 = options.omitWriter ? 1 : 0;
    choices.checkDate = options.noDate ? 0 : 1;
    return choices;
}

void amendRecord(LetterRecord& record, const LetterOptions& options, const Recipient& recipient) {
    if (options.salutation)
        record.SalutationText.setText(given(options.salutation, recipient));
    if (options.conclusion)
        record.Conclusiontext.setText(given(options.conclusion, recipient));
    if (options.closing)
        record.ClosingText.setText(given(options.closing, recipient));
}

word::engine::DocumentModel layOutLetter(const LetterOptions& options, const Recipient& recipient) {
    word::engine::Engine engine;
    // The style pictures go to the engine from memory: no file is written, so letters can be laid out
    // on several threads at once.
    engine.takePicturesFrom(artwork::bitmapNamed);
    MBas mBas;
    NoUserInterface ui;
    Form1 form({engine, mBas, ui, QString(), artwork::PictureHandOver::InMemory});
    // What Finish does, without the wizard's error trapping: a letter that fails is reported whole.
    form.Command1_Click();
    mBas.alignment = 0;
    form.Sapolnenie(choicesFor(options, recipient),
                    [&](LetterRecord& record) { amendRecord(record, options, recipient); });
    return word::engine::modelOf(engine.Global()->ActiveDocument());
}

} // namespace tavrin::letters
