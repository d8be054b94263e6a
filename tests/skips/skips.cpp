#include "skips.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace skips {

namespace {

// "SKIP   : ArtworkTest::function(row) reason"
const QRegularExpression QtSkip(QStringLiteral(R"(^SKIP\s+:\s+(\S+?(?:\(.*?\))?)(?:\s+(.*))?$)"));
// "[  SKIPPED ] Suite.Test (0 ms)", not the summary's "[  SKIPPED ] 2 tests, listed below:"
const QRegularExpression GTestSkip(QStringLiteral(R"(^\[  SKIPPED \] (\S+)(?: \(\d+ ms\))?$)"));
const QRegularExpression GTestSummary(QStringLiteral(R"(^\[  SKIPPED \] \d+ tests?, listed below:$)"));

// GoogleTest prints the reason between "file:line: Skipped" and the "[  SKIPPED ]" line.
QString gtestReason(const QStringList& lines, qsizetype skippedLine) {
    QStringList reason;
    for (qsizetype i = skippedLine - 1; i >= 0; --i) {
        if (lines[i].endsWith(QStringLiteral(": Skipped")) || lines[i].startsWith(QStringLiteral("[ RUN")))
            break;
        reason.prepend(lines[i]);
    }
    return reason.join(u' ').trimmed();
}

QList<Skip> skipsInOutput(const QString& test, const QString& output) {
    QList<Skip> found;
    auto add = [&](const QString& name, const QString& reason) {
        for (const Skip& skip : found)
            if (skip.name == name)
                return;
        found.append({name, test, reason});
    };
    const QStringList lines = output.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (const auto qt = QtSkip.match(line); qt.hasMatch())
            add(qt.captured(1), qt.captured(2).trimmed());
        else if (const auto gtest = GTestSkip.match(line);
                 gtest.hasMatch() && !GTestSummary.match(line).hasMatch())
            add(gtest.captured(1), gtestReason(lines, i));
    }
    return found;
}

struct TestCase {
    QString name, status, skippedMessage, output;
};

// CTest's own verdicts: "notrun" for a skip it recognised, "disabled" for a test switched off.
bool ctestSkipped(const TestCase& test) {
    return test.status == u"notrun" || test.status == u"disabled";
}

} // namespace

Report readJUnit(const QByteArray& xml) {
    Report report;
    QXmlStreamReader reader(xml);
    bool inSuite = false;
    TestCase current;
    auto finishTest = [&] {
        ++report.testCount;
        QList<Skip> found = skipsInOutput(current.name, current.output);
        if (found.isEmpty() && ctestSkipped(current))
            found.append({current.name, current.name,
                          current.skippedMessage.isEmpty() ? current.status : current.skippedMessage});
        report.skips.append(found);
    };
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const auto element = reader.name();
            if (element == u"testsuite") {
                inSuite = true;
            } else if (element == u"testcase" && inSuite) {
                current = {reader.attributes().value(QStringLiteral("name")).toString(),
                           reader.attributes().value(QStringLiteral("status")).toString(),
                           {},
                           {}};
            } else if (element == u"skipped") {
                current.skippedMessage = reader.attributes().value(QStringLiteral("message")).toString();
            } else if (element == u"system-out") {
                current.output = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (token == QXmlStreamReader::EndElement && reader.name() == u"testcase") {
            finishTest();
        }
    }
    if (reader.hasError())
        report.error = reader.errorString();
    else if (!inSuite)
        report.error = QStringLiteral("no testsuite element");
    return report;
}

AllowedSkips readAllowedSkips(const QString& text) {
    AllowedSkips allowed;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype bar = line.indexOf(u'|');
        const QString name = line.left(bar).trimmed();
        const QString reason = bar < 0 ? QString() : line.mid(bar + 1).trimmed();
        if (name.isEmpty() || reason.isEmpty())
            allowed.errors.append(QStringLiteral("line %1: \"%2\" has no %3")
                                      .arg(i + 1)
                                      .arg(line, name.isEmpty() ? "name" : "reason"));
        else
            allowed.reasons.insert(name, reason);
    }
    return allowed;
}

QList<Skip> unlisted(const QList<Skip>& skips, const AllowedSkips& allowed) {
    QList<Skip> left;
    for (const Skip& skip : skips)
        if (!allowed.reasons.contains(skip.name))
            left.append(skip);
    return left;
}

} // namespace skips
