#pragma once

// What a test run left unchecked: the tests CTest skipped or did not run, and the cases the test programs
// themselves skipped (a Qt Test "SKIP" line, a GoogleTest "[  SKIPPED ]" line), read from CTest's JUnit
// report; and the list of skips that are allowed, each with the reason it checks nothing less there.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace skips {

struct Skip {
    QString name;   // "Class::function(row)", "Suite.Test", or CTest's name for a whole test
    QString test;   // the CTest test it happened in
    QString reason; // what the test said, when it said anything

    bool operator==(const Skip&) const = default;
};

struct Report {
    QList<Skip> skips;
    int testCount = 0;
    QString error; // not a JUnit report CTest writes
};

Report readJUnit(const QByteArray& xml);

// One entry a line: "<skip name> | <reason>"; blank lines and lines starting with '#' are passed over.
struct AllowedSkips {
    QHash<QString, QString> reasons; // by skip name
    QStringList errors;              // lines without a name or without a reason
};

AllowedSkips readAllowedSkips(const QString& text);

// The skips that the list does not allow, in report order.
QList<Skip> unlisted(const QList<Skip>& skips, const AllowedSkips& allowed);

} // namespace skips
