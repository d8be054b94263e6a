#include "owncard.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace tavrin::contacts {

namespace {

// The home address first, then the first of any other kind.
std::optional<BookAddress> ownAddress(const BookContact& self) {
    for (const BookAddress& address : self.addresses)
        if (address.kind == AddressKind::Home)
            return address;
    if (self.addresses.empty())
        return std::nullopt;
    return self.addresses.front();
}

} // namespace

OwnCard ownCard(const std::optional<BookContact>& selfContact, const QString& accountFullName) {
    if (selfContact && !selfContact->formattedName.isEmpty())
        return {selfContact->formattedName, ownAddress(*selfContact)};
    return {accountFullName.trimmed(), std::nullopt};
}

QString fullNameFromGecos(const QByteArray& gecos) {
    const qsizetype comma = gecos.indexOf(',');
    return QString::fromUtf8(comma < 0 ? gecos : gecos.first(comma)).simplified();
}

QString accountFullName() {
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? std::size_t(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_gecos)
        return {};
    return fullNameFromGecos(QByteArray(found->pw_gecos));
}

} // namespace tavrin::contacts
