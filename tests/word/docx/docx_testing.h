#pragma once

// Looking inside packages, and making damaged ones, with libzip directly rather than through the code
// under test.

#include <QByteArray>

#include <string>
#include <utility>
#include <vector>

namespace docxtest {

// The uncompressed bytes of one entry; empty when the package has no such entry.
QByteArray partOf(const QByteArray& package, const std::string& name);
std::vector<std::string> entryNames(const QByteArray& package);
// A zip of the given entries, deflated.
QByteArray zipOf(const std::vector<std::pair<std::string, QByteArray>>& entries);
// The same package with one entry replaced (or added) and the others kept.
QByteArray withPart(const QByteArray& package, const std::string& name, const QByteArray& data);
QByteArray withoutPart(const QByteArray& package, const std::string& name);

// The XML between the first "<tag" and its matching "</tag>" (or the "/>" of an empty element).
QByteArray element(const QByteArray& xml, const QByteArray& tag, int occurrence = 0);

} // namespace docxtest
