// Fails a test run that skipped anything not on the list of allowed skips: in CI a skip means a check
// that did not happen, so each one must be listed with the reason it is allowed there.
//
// Usage: check_skips JUNIT_REPORT ALLOWED_SKIPS
// JUNIT_REPORT is what `ctest --output-junit` wrote, with the passed tests' output kept whole
// (`--test-output-size-passed`), since the test programs report their own skips there.

#include "skips.h"

#include <QFile>

#include <cstdio>

namespace {

constexpr int Unlisted = 1, UsageError = 2, UnreadableInput = 3;

bool readFile(const char* path, QByteArray& bytes) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return true;
}

void print(const char* label, const skips::Skip& skip, const QString& reason) {
    std::printf("%s %s (in %s): %s\n", label, qPrintable(skip.name), qPrintable(skip.test),
                qPrintable(reason));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s JUNIT_REPORT ALLOWED_SKIPS\n", argv[0]);
        return UsageError;
    }
    QByteArray junit, list;
    if (!readFile(argv[1], junit) || !readFile(argv[2], list)) {
        std::fprintf(stderr, "%s: cannot read %s or %s\n", argv[0], argv[1], argv[2]);
        return UnreadableInput;
    }
    const skips::Report report = skips::readJUnit(junit);
    if (!report.error.isEmpty() || report.testCount == 0) {
        std::fprintf(stderr, "%s: %s holds no test results: %s\n", argv[0], argv[1],
                     qPrintable(report.error.isEmpty() ? QStringLiteral("no test case") : report.error));
        return UnreadableInput;
    }
    const skips::AllowedSkips allowed = skips::readAllowedSkips(QString::fromUtf8(list));
    for (const QString& error : allowed.errors)
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(error));

    const QList<skips::Skip> left = skips::unlisted(report.skips, allowed);
    for (const skips::Skip& skip : report.skips)
        if (!left.contains(skip))
            print("allowed skip", skip, allowed.reasons.value(skip.name));
    for (const skips::Skip& skip : left)
        print("SKIPPED, NOT CHECKED:", skip, skip.reason);
    std::printf("%d tests, %lld skips, %lld not allowed\n", report.testCount,
                static_cast<long long>(report.skips.size()), static_cast<long long>(left.size()));
    return left.isEmpty() && allowed.errors.isEmpty() ? 0 : Unlisted;
}
