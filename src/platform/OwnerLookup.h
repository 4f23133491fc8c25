#pragma once
// Owners of files: the uid's account name, and the machine's host name as its "domain".

#include <cstdint>
#include <string>

#include <QString>

namespace kf {

struct TOwner {
    QString sAccount; // the account name; the uid's number when it has no account
    QString sDomain;  // the host name for a known account; empty otherwise
    bool bFound = false;
};

// Cached per uid for the life of the process; safe from any thread.
[[nodiscard]] TOwner OwnerOfUid(uint32_t uid);

// The owner of the file at `path` (bytes; not followed when a link). False when the file
// cannot be examined (outputs unchanged) or its uid has no account (account = the number,
// domain empty).
bool OwnerOfFile(const std::string &path, QString &domain, QString &account);

} // namespace kf
