#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// What the update server's reply says. Reading a reply only ever raises a flag or replaces a
// text, so a check reads into values it has reset first: a silent element then means false or
// empty, never what an earlier check heard.
struct VersionReply
{
    bool Current = false;
    bool NewVersion = false;
    QString UpdateAddress;
    QString Message;
};

// Why a reply could not be read: an element opened and never closed.
struct VersionReplyError
{
    qint32 Number = 0;
    QString Description;
};

// The number of a reply that cannot be read: that of an invalid argument, as when a piece of text
// that does not exist is asked for.
inline constexpr qint32 MalformedReplyNumber = 5;

// Reads a reply of the update server into `values`.
//
// The reply is plain text. Its first "<status>" … "</status>" holds the status block; a block of
// 20 characters or fewer is ignored. In a longer block the first "<current>", "<newversion>",
// "<updateurl>" and "<message>" elements are read, names case-sensitive: a flag is raised by
// exactly "1" and left alone by anything else, an address or message is taken as it stands, and an
// element that is not there leaves its value alone.
//
// An element opened but never closed (the status element included) makes the reply malformed:
// the error is returned and `values` is left exactly as it was, nothing of that reply taken.
std::optional<VersionReplyError> ParseVersionReply(const QString &reply, VersionReply &values);
