#include "livetesting.h"

#include "word/engine/docx.h"
#include "word/engine/paragraph.h"
#include "word/live/installation.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QUrl>

#include <atomic>
#include <cmath>
#include <csignal>
#include <iostream>

namespace tavrin::testing {

using namespace word::engine;

namespace {

constexpr float Tolerance = 0.5f; // points: what Writer's 1/100 mm and the package's units round away

bool near(float a, float b, float tolerance = Tolerance) {
    return std::abs(a - b) <= tolerance;
}

QString describe(const CharFormat& f) {
    return QStringLiteral("%1 %2pt colour %3%4")
        .arg(f.fontName)
        .arg(double(f.size))
        .arg(f.colorIndex)
        .arg(f.bold ? QStringLiteral(" bold") : QString());
}

QString describe(const ParaFormat& f) {
    return QStringLiteral("align %1, indents %2/%3/%4, space %5/%6, spacing %7, widow %8, keep %9/%10, "
                          "break %11, no-number %12, hyphens %13, outline %14")
        .arg(f.alignment)
        .arg(double(f.leftIndent))
        .arg(double(f.rightIndent))
        .arg(double(f.firstLineIndent))
        .arg(double(f.spaceBefore))
        .arg(double(f.spaceAfter))
        .arg(f.lineSpacingRule)
        .arg(f.widowControl)
        .arg(f.keepWithNext)
        .arg(f.keepTogether)
        .arg(f.pageBreakBefore)
        .arg(f.noLineNumber)
        .arg(f.hyphenation)
        .arg(f.outlineLevel);
}

// Writer's filter writes a page break before a paragraph as a break at the end of the one above, which a
// package cannot say of the paragraph itself: that member is compared through the interface instead.
bool sameFormat(const ParaFormat& a, const ParaFormat& b) {
    return a.alignment == b.alignment && near(a.leftIndent, b.leftIndent) &&
           near(a.rightIndent, b.rightIndent) && near(a.firstLineIndent, b.firstLineIndent) &&
           near(a.spaceBefore, b.spaceBefore) && near(a.spaceAfter, b.spaceAfter) &&
           a.lineSpacingRule == b.lineSpacingRule && a.widowControl == b.widowControl &&
           a.keepWithNext == b.keepWithNext && a.keepTogether == b.keepTogether &&
           a.noLineNumber == b.noLineNumber && a.hyphenation == b.hyphenation &&
           a.outlineLevel == b.outlineLevel;
}

// Each character of the paragraph with its format; a picture is one character with its sizes.
struct Character {
    QString text;
    CharFormat format;
    const Picture* picture = nullptr;
};
std::vector<Character> charactersOf(const Paragraph& paragraph) {
    std::vector<Character> characters;
    for (const Inline& item : paragraph.content) {
        if (const auto* run = std::get_if<TextRun>(&item)) {
            for (qsizetype i = 0; i < run->text.size(); ++i)
                characters.push_back({run->text.mid(i, 1), run->format, nullptr});
        } else {
            characters.push_back({QString(PictureCharacter), {}, &std::get<Picture>(item)});
        }
    }
    return characters;
}

void compareParagraphs(const QString& where, const Paragraph& expected, const Paragraph& actual,
                       QStringList& differences) {
    const QString expectedText = textOf(expected);
    const QString actualText = textOf(actual);
    if (expectedText != actualText) {
        differences
            << QStringLiteral("%1: text \"%2\", expected \"%3\"").arg(where, actualText, expectedText);
        return;
    }
    if (!sameFormat(expected.format, actual.format))
        differences << QStringLiteral("%1 \"%2\": paragraph format %3, expected %4")
                           .arg(where, expectedText, describe(actual.format), describe(expected.format));
    if (isEmptyParagraph(expected) && expected.markFormat != actual.markFormat)
        differences << QStringLiteral("%1 (empty): mark %2, expected %3")
                           .arg(where, describe(actual.markFormat), describe(expected.markFormat));
    const auto expectedCharacters = charactersOf(expected);
    const auto actualCharacters = charactersOf(actual);
    for (std::size_t i = 0; i < expectedCharacters.size(); ++i) {
        const Character& e = expectedCharacters[i];
        const Character& a = actualCharacters[i];
        if (e.picture) {
            if (!a.picture || e.picture->pixelWidth != a.picture->pixelWidth ||
                e.picture->pixelHeight != a.picture->pixelHeight ||
                !near(e.picture->width, a.picture->width) || !near(e.picture->height, a.picture->height))
                differences
                    << QStringLiteral("%1 \"%2\": picture %3 differs").arg(where, expectedText).arg(i);
        } else if (e.format != a.format) {
            differences << QStringLiteral("%1 \"%2\": character %3 '%4' in %5, expected %6")
                               .arg(where, expectedText)
                               .arg(i)
                               .arg(e.text, describe(a.format), describe(e.format));
            return; // one per paragraph says enough
        }
    }
}

void compareTables(const QString& where, const Table& expected, const Table& actual,
                   QStringList& differences) {
    if (expected.rows.size() != actual.rows.size() || expected.rows[0].size() != actual.rows[0].size()) {
        differences << QStringLiteral("%1: a table of %2 x %3, expected %4 x %5")
                           .arg(where)
                           .arg(actual.rows.size())
                           .arg(actual.rows[0].size())
                           .arg(expected.rows.size())
                           .arg(expected.rows[0].size());
        return;
    }
    for (std::size_t c = 0; c < expected.columnWidths.size() && c < actual.columnWidths.size(); ++c)
        if (!near(expected.columnWidths[c], actual.columnWidths[c], 1.0f))
            differences << QStringLiteral("%1: column %2 is %3 pt wide, expected %4")
                               .arg(where)
                               .arg(c + 1)
                               .arg(double(actual.columnWidths[c]))
                               .arg(double(expected.columnWidths[c]));
    for (std::size_t r = 0; r < expected.rows.size(); ++r) {
        for (std::size_t c = 0; c < expected.rows[r].size(); ++c) {
            const auto& e = expected.rows[r][c].paragraphs;
            const auto& a = actual.rows[r][c].paragraphs;
            const QString cell = QStringLiteral("%1 cell (%2,%3)").arg(where).arg(r + 1).arg(c + 1);
            if (e.size() != a.size()) {
                differences
                    << QStringLiteral("%1: %2 paragraphs, expected %3").arg(cell).arg(a.size()).arg(e.size());
                continue;
            }
            for (std::size_t p = 0; p < e.size(); ++p)
                compareParagraphs(QStringLiteral("%1 paragraph %2").arg(cell).arg(p + 1), e[p], a[p],
                                  differences);
        }
    }
}

} // namespace

bool runningInCi() {
    return qEnvironmentVariable("CI") == u"true";
}

std::optional<QString> whyLiveTestsCannotRun() {
    if (!QFileInfo::exists(QStringLiteral(TAVRIN_LIVE_PLUGIN)))
        return QStringLiteral("the live plugin was not built (%1)").arg(QStringLiteral(TAVRIN_LIVE_PLUGIN));
    const auto installation = word::live::inspectInstallation(QStringLiteral(TAVRIN_LIVE_PROGRAM_DIR));
    if (!installation.installed || !installation.hasWriter) {
        const QString why = installation.whyNot + QStringLiteral(" (tools/setup.sh --tests installs it)");
        if (runningInCi())
            return std::nullopt; // CI installs it: the tests run and fail
        return why;
    }
    return std::nullopt;
}

word::live::ChooserSettings privateOfficeSettings(const QString& profileFolder, const QString& pipeName) {
    word::live::ChooserSettings settings;
    settings.pluginPath = QStringLiteral(TAVRIN_LIVE_PLUGIN);
    settings.office.programDirectory = QStringLiteral(TAVRIN_LIVE_PROGRAM_DIR);
    settings.office.pipeName = pipeName;
    settings.office.profileDirectory = profileFolder;
    settings.office.headless = true;
    settings.office.callTimeLimit = std::chrono::seconds(20);
    settings.office.startTimeLimit = std::chrono::seconds(90);
    return settings;
}

QString uniquePipeName(const QString& purpose) {
    static std::atomic<int> counter = 0;
    return QStringLiteral("tavrin-test-%1-%2-%3")
        .arg(purpose)
        .arg(QCoreApplication::applicationPid())
        .arg(++counter);
}

std::vector<qint64> officeProcessesOnPipe(const QString& pipeName) {
    const QByteArray accept = QStringLiteral("pipe,name=%1;").arg(pipeName).toUtf8();
    std::vector<qint64> found;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isProcess = false;
        const qint64 processId = entry.toLongLong(&isProcess);
        if (!isProcess)
            continue;
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (!commandLine.open(QIODevice::ReadOnly))
            continue;
        const QByteArray arguments = commandLine.readAll();
        if (arguments.contains(accept) && arguments.contains("soffice.bin"))
            found.push_back(processId);
    }
    return found;
}

void killOfficeProcesses(const QString& pipeName) {
    for (qint64 processId : officeProcessesOnPipe(pipeName)) {
        ::kill(pid_t(processId), SIGCONT);
        ::kill(pid_t(processId), SIGKILL);
    }
    for (int wait = 0; wait < 50 && !officeProcessesOnPipe(pipeName).empty(); ++wait)
        QThread::msleep(100);
}

void pauseOfficeProcesses(const QString& pipeName, bool paused) {
    for (qint64 processId : officeProcessesOnPipe(pipeName))
        ::kill(pid_t(processId), paused ? SIGSTOP : SIGCONT);
}

void startOfficeProcess(const QString& profileFolder, const QString& pipeName) {
    QStringList arguments{QStringLiteral("-env:UserInstallation=%1")
                              .arg(QUrl::fromLocalFile(profileFolder).toString(QUrl::FullyEncoded)),
                          QStringLiteral("--headless"),
                          QStringLiteral("--invisible"),
                          QStringLiteral("--norestore"),
                          QStringLiteral("--nologo"),
                          QStringLiteral("--nodefault"),
                          QStringLiteral("--nolockcheck")};
    if (!pipeName.isEmpty())
        arguments << QStringLiteral("--accept=pipe,name=%1;urp;StarOffice.ComponentContext").arg(pipeName);
    QProcess process;
    process.setProgram(QDir(QStringLiteral(TAVRIN_LIVE_PROGRAM_DIR)).filePath(QStringLiteral("soffice")));
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.startDetached();
}

bool endLiveOfficeCleanly() {
    if (!word::live::endLiveOffice()) {
        std::cerr << "The live word processor did not end: a session is still held or a call still runs.\n";
        return false;
    }
    const QDir tasks(QStringLiteral("/proc/self/task"));
    const QStringList threads = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (threads.size() == 1)
        return true;
    std::cerr << "Threads still running at the end:";
    for (const QString& thread : threads) {
        QFile name(tasks.filePath(thread + QStringLiteral("/comm")));
        name.open(QIODevice::ReadOnly);
        std::cerr << ' ' << thread.toStdString() << " (" << name.readAll().trimmed().toStdString() << ')';
    }
    std::cerr << '\n';
    return false;
}

PrivateOffice::PrivateOffice(const QString& purpose)
    : settings_(privateOfficeSettings(profile_.path(), uniquePipeName(purpose))) {}

PrivateOffice::~PrivateOffice() {
    // Whatever still runs on the pipe is this test's own.
    word::live::ChoosingProvider provider(settings_, {});
    try {
        provider.GetObject();
        if (auto* office = provider.liveOffice())
            office->shutDown();
    } catch (const word::AutomationError&) {
    }
    killOfficeProcesses(pipeName());
}

word::engine::DocumentModel readBack(const word::Ref<word::Document>& document, const QString& folder,
                                     const QString& name) {
    const QString path = QDir(folder).filePath(name);
    document->SaveAs(path);
    return openDocx(path);
}

QStringList documentDifferences(const DocumentModel& expected, const DocumentModel& actual) {
    QStringList differences;
    if (!near(expected.page.width, actual.page.width) || !near(expected.page.height, actual.page.height) ||
        !near(expected.page.leftMargin, actual.page.leftMargin) ||
        !near(expected.page.rightMargin, actual.page.rightMargin) ||
        !near(expected.page.topMargin, actual.page.topMargin) ||
        !near(expected.page.bottomMargin, actual.page.bottomMargin))
        differences << QStringLiteral("the page differs");
    const std::size_t blocks = std::min(expected.body.size(), actual.body.size());
    if (expected.body.size() != actual.body.size())
        differences
            << QStringLiteral("%1 blocks, expected %2").arg(actual.body.size()).arg(expected.body.size());
    for (std::size_t b = 0; b < blocks; ++b) {
        const QString where = QStringLiteral("block %1").arg(b + 1);
        const auto* expectedParagraph = std::get_if<Paragraph>(&expected.body[b]);
        const auto* actualParagraph = std::get_if<Paragraph>(&actual.body[b]);
        if (bool(expectedParagraph) != bool(actualParagraph)) {
            differences << QStringLiteral("%1: %2, expected %3")
                               .arg(where,
                                    actualParagraph ? QStringLiteral("a paragraph")
                                                    : QStringLiteral("a table"),
                                    expectedParagraph ? QStringLiteral("a paragraph")
                                                      : QStringLiteral("a table"));
            break; // everything after is shifted
        }
        if (expectedParagraph)
            compareParagraphs(where, *expectedParagraph, *actualParagraph, differences);
        else
            compareTables(where, std::get<Table>(expected.body[b]), std::get<Table>(actual.body[b]),
                          differences);
    }
    if (expected.shapes.size() != actual.shapes.size()) {
        differences
            << QStringLiteral("%1 lines, expected %2").arg(actual.shapes.size()).arg(expected.shapes.size());
    } else {
        for (std::size_t s = 0; s < expected.shapes.size(); ++s) {
            const LineShape& e = expected.shapes[s];
            const LineShape& a = actual.shapes[s];
            if (!near(e.beginX, a.beginX) || !near(e.beginY, a.beginY) || !near(e.endX, a.endX) ||
                !near(e.endY, a.endY))
                differences << QStringLiteral("line %1 runs %2,%3 to %4,%5; expected %6,%7 to %8,%9")
                                   .arg(s + 1)
                                   .arg(double(a.beginX))
                                   .arg(double(a.beginY))
                                   .arg(double(a.endX))
                                   .arg(double(a.endY))
                                   .arg(double(e.beginX))
                                   .arg(double(e.beginY))
                                   .arg(double(e.endX))
                                   .arg(double(e.endY));
        }
    }
    return differences;
}

} // namespace tavrin::testing
