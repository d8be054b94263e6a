#include "options.h"

#include "builder/stylecatalog.h"
#include "contacts/encoding.h"

#include <QCommandLineParser>

namespace tavrin::letters {

namespace {

constexpr int SampleCount = 7;
// More letters at once than any machine has processors for.
constexpr int MaximumJobs = 256;
// A letter's content file is text, never more than this.
constexpr qint64 MaximumContentFileSize = qint64(1) << 20;

struct Definitions {
    QCommandLineOption recipients{QStringLiteral("recipients"), {}, QStringLiteral("FILE")};
    QCommandLineOption out{QStringLiteral("out"), {}, QStringLiteral("FOLDER")};
    QCommandLineOption style{QStringLiteral("style"), {}, QStringLiteral("STYLE")};
    QCommandLineOption align{QStringLiteral("align"), {}, QStringLiteral("ALIGNMENT")};
    QCommandLineOption salutation{QStringLiteral("salutation"), {}, QStringLiteral("TEXT")};
    QCommandLineOption content{QStringLiteral("content"), {}, QStringLiteral("TEXT")};
    QCommandLineOption contentFile{QStringLiteral("content-file"), {}, QStringLiteral("FILE")};
    QCommandLineOption sample{QStringLiteral("sample"), {}, QStringLiteral("N")};
    QCommandLineOption conclusion{QStringLiteral("conclusion"), {}, QStringLiteral("TEXT")};
    QCommandLineOption closing{QStringLiteral("closing"), {}, QStringLiteral("TEXT")};
    QCommandLineOption name{QStringLiteral("name"), {}, QStringLiteral("TEXT")};
    QCommandLineOption address{QStringLiteral("address"), {}, QStringLiteral("TEXT")};
    QCommandLineOption noDate{QStringLiteral("no-date")};
    QCommandLineOption omitWriter{QStringLiteral("omit-writer")};
    QCommandLineOption omitRecipient{QStringLiteral("omit-recipient")};
    QCommandLineOption pdf{QStringLiteral("pdf")};
    QCommandLineOption envelopes{QStringLiteral("envelopes"), {}, QStringLiteral("SIZE")};
    QCommandLineOption jobs{QStringLiteral("jobs"), {}, QStringLiteral("N")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringLiteral("version")};

    void addTo(QCommandLineParser& parser) const {
        for (const QCommandLineOption* option :
             {&recipients,    &out,        &style,     &align, &salutation, &content, &contentFile,
              &sample,        &conclusion, &closing,   &name,  &address,    &noDate,  &omitWriter,
              &omitRecipient, &pdf,        &envelopes, &jobs,  &help,       &version})
            parser.addOption(*option);
    }
};

// The text as a number from 1 to most; nothing when it is anything else.
std::optional<int> numberUpTo(const QString& text, int most) {
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    return isNumber && number >= 1 && number <= most ? std::optional(number) : std::nullopt;
}

ParsedCommandLine failure(const QString& error) {
    return {ParsedCommandLine::Outcome::Error, {}, error};
}

std::optional<QString> valueIfSet(const QCommandLineParser& parser, const QCommandLineOption& option) {
    return parser.isSet(option) ? std::optional(parser.value(option)) : std::nullopt;
}

// The name of the list that the given one stands for; empty when it is none of them.
QString chosenName(const QString& given, const QStringList& names, Qt::CaseSensitivity sensitivity) {
    for (const QString& name : names)
        if (name.compare(given, sensitivity) == 0)
            return name;
    return {};
}

// The letter's text in whichever encoding the file has; the caller words what went wrong.
Expected<contacts::DecodedText, contacts::FileReadError> readContentFile(const QString& path) {
    const Expected<QByteArray, contacts::FileReadError> bytes =
        contacts::readWholeFile(path, MaximumContentFileSize);
    if (!bytes)
        return Unexpected(bytes.error());
    return contacts::decodedText(*bytes);
}

QString contentFileProblem(const QString& path, const contacts::FileReadError& error) {
    if (error.reason == contacts::FileReadError::Reason::TooLarge)
        return path + QStringLiteral(" is too large for a letter");
    return QStringLiteral("cannot read ") + path + QStringLiteral(": ") + error.detail;
}

} // namespace

QStringList styleNames() {
    QStringList names;
    for (const StyleRow& row : styleCatalogue())
        names << row.commandLineName.toString();
    return names;
}
QStringList alignmentNames() {
    return {QStringLiteral("centered"), QStringLiteral("left"), QStringLiteral("right")};
}
QStringList envelopeNames() {
    return {QStringLiteral("DL"), QStringLiteral("C4"), QStringLiteral("C5"), QStringLiteral("C6"),
            QStringLiteral("10")};
}

QString versionText() {
    return QStringLiteral("tavrin-letters %1").arg(QStringLiteral(TAVRIN_VERSION));
}

QString usageText() {
    return QStringLiteral(
        "Usage: tavrin-letters --recipients FILE --out FOLDER [options]\n"
        "Writes one letter per recipient of an address book export (CSV or vCard) into FOLDER.\n"
        "\n"
        "  --recipients FILE   the address book export: CSV with a header row, or vCard\n"
        "  --out FOLDER        where the letters go; created when missing\n"
        "  --style simple|classic|dark|romantic|elegant|modernistic   (default simple)\n"
        "  --align centered|left|right                                 (default centered)\n"
        "  --salutation TEXT   --content TEXT | --content-file FILE | --sample N (1 to 7)\n"
        "  --conclusion TEXT   --closing TEXT\n"
        "  --name TEXT  --address TEXT       the writer; \"\\n\" or a real line break starts a new line\n"
        "  --no-date  --omit-writer  --omit-recipient\n"
        "  --pdf                              also FOLDER/letters.pdf: every letter, each from a new page\n"
        "  --envelopes DL|C4|C5|C6|10         also FOLDER/envelopes.pdf: one envelope per recipient\n"
        "  --jobs N                           lay out N letters at once (default: one per processor)\n"
        "  --help  --version\n"
        "\n"
        "In every text {name} is the recipient's full name and {first} their given name.\n"
        "Exit status: 0 all written, 1 some recipients left out or letters not written, 2 nothing done.\n");
}

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const Definitions d;
    d.addTo(parser);
    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().front()));
    if (parser.isSet(d.help))
        return {ParsedCommandLine::Outcome::Help, {}, {}};
    if (parser.isSet(d.version))
        return {ParsedCommandLine::Outcome::Version, {}, {}};

    LetterOptions options;
    options.recipientsFile = parser.value(d.recipients);
    options.outFolder = parser.value(d.out);
    if (options.recipientsFile.isEmpty())
        return failure(QStringLiteral("Missing --recipients FILE."));
    if (options.outFolder.isEmpty())
        return failure(QStringLiteral("Missing --out FOLDER."));

    if (parser.isSet(d.style) &&
        (options.style = chosenName(parser.value(d.style), styleNames(), Qt::CaseInsensitive)).isEmpty())
        return failure(QStringLiteral("Unknown style '%1'.").arg(parser.value(d.style)));
    if (parser.isSet(d.align) &&
        (options.align = chosenName(parser.value(d.align), alignmentNames(), Qt::CaseInsensitive)).isEmpty())
        return failure(QStringLiteral("Unknown alignment '%1'.").arg(parser.value(d.align)));
    if (parser.isSet(d.envelopes) &&
        (options.envelopes = chosenName(parser.value(d.envelopes), envelopeNames(), Qt::CaseInsensitive))
            .isEmpty())
        return failure(QStringLiteral("Unknown envelope size '%1'.").arg(parser.value(d.envelopes)));

    const int contentSources =
        int(parser.isSet(d.content)) + int(parser.isSet(d.contentFile)) + int(parser.isSet(d.sample));
    if (contentSources > 1)
        return failure(QStringLiteral("Give one of --content, --content-file and --sample."));
    options.content = valueIfSet(parser, d.content);
    if (parser.isSet(d.contentFile)) {
        const QString path = parser.value(d.contentFile);
        const Expected<contacts::DecodedText, contacts::FileReadError> content = readContentFile(path);
        if (!content)
            return failure(contentFileProblem(path, content.error()));
        options.content = content->text;
        if (content->encoding == contacts::Encoding::Windows1252)
            options.notes << path + QStringLiteral(": not UTF-8, read as Windows-1252");
    }
    if (parser.isSet(d.sample)) {
        const std::optional<int> sample = numberUpTo(parser.value(d.sample), SampleCount);
        if (!sample)
            return failure(QStringLiteral("--sample takes a number from 1 to %1.").arg(SampleCount));
        options.sample = *sample;
    }

    options.salutation = valueIfSet(parser, d.salutation);
    options.conclusion = valueIfSet(parser, d.conclusion);
    options.closing = valueIfSet(parser, d.closing);
    options.writerName = valueIfSet(parser, d.name);
    options.writerAddress = valueIfSet(parser, d.address);
    options.noDate = parser.isSet(d.noDate);
    options.omitWriter = parser.isSet(d.omitWriter);
    options.omitRecipient = parser.isSet(d.omitRecipient);
    options.pdf = parser.isSet(d.pdf);
    if (parser.isSet(d.jobs)) {
        const std::optional<int> jobs = numberUpTo(parser.value(d.jobs), MaximumJobs);
        if (!jobs)
            return failure(QStringLiteral("--jobs takes a number from 1 to %1.").arg(MaximumJobs));
        options.jobs = *jobs;
    }
    return {ParsedCommandLine::Outcome::Run, options, {}};
}

} // namespace tavrin::letters
