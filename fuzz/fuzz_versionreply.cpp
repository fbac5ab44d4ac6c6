// libFuzzer target for the reader of the update server's reply.
//
// Input: the first byte gives the values held from an earlier check (bit 0: current, bit 1: new
// version, bit 2: an address and a message) and the encoding of the rest (bit 3: UTF-16 instead of
// UTF-8); the rest is the reply. Invariants that hold for any reply are checked; a broken one
// aborts with the reply and the values.

#include "FuzzInput.h"
#include "VersionReply.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QString g_reply;

QString describe(const VersionReply &values)
{
    return QStringLiteral("current %1, new version %2, address \"%3\", message \"%4\"")
        .arg(values.Current)
        .arg(values.NewVersion)
        .arg(values.UpdateAddress, values.Message);
}

[[noreturn]] void broken(const char *invariant, const VersionReply &before, const VersionReply &after)
{
    std::fprintf(stderr, "Broken invariant: %s\n  reply: \"%s\"\n  before: %s\n  after: %s\n", invariant,
                 g_reply.toUtf8().constData(), describe(before).toUtf8().constData(),
                 describe(after).toUtf8().constData());
    std::abort();
}

#define CHECK(condition)                                                                                   \
    do {                                                                                                   \
        if (!(condition))                                                                                  \
            broken(#condition, before, after);                                                             \
    } while (false)

bool same(const VersionReply &a, const VersionReply &b)
{
    return a.Current == b.Current && a.NewVersion == b.NewVersion && a.UpdateAddress == b.UpdateAddress
        && a.Message == b.Message;
}

// The block between the first "<status>" and the "</status>" after it, or none.
bool statusBlock(const QString &reply, QString &block)
{
    const qsizetype open = reply.indexOf(QLatin1String("<status>"));
    if (open < 0)
        return false;
    const qsizetype end = reply.indexOf(QLatin1String("</status>"), open + 8);
    if (end < 0)
        return false;
    block = reply.mid(open + 8, end - open - 8);
    return true;
}

void check(const QString &reply, const VersionReply &before)
{
    VersionReply after = before;
    const auto error = ParseVersionReply(reply, after);

    // The reader is a function of its input.
    VersionReply again = before;
    const auto errorAgain = ParseVersionReply(reply, again);
    CHECK(error.has_value() == errorAgain.has_value() && same(after, again));

    if (error) {
        // A malformed reply takes nothing, and only a reply with a status element can be one.
        CHECK(same(after, before));
        CHECK(reply.contains(QLatin1String("<status>")));
        CHECK(error->Number == MalformedReplyNumber && !error->Description.isEmpty());
        return;
    }

    QString block;
    if (!statusBlock(reply, block) || block.size() <= 20) {
        CHECK(same(after, before));
        return;
    }

    // Flags only ever rise, and only by an element holding exactly "1".
    CHECK(!before.Current || after.Current);
    CHECK(!before.NewVersion || after.NewVersion);
    if (after.Current && !before.Current)
        CHECK(block.contains(QLatin1String("<current>1</current>")));
    if (after.NewVersion && !before.NewVersion)
        CHECK(block.contains(QLatin1String("<newversion>1</newversion>")));

    // A text read is the content of its element, which cannot hold the closing tag.
    if (after.UpdateAddress != before.UpdateAddress) {
        CHECK(block.contains(QLatin1String("<updateurl>") + after.UpdateAddress + QLatin1String("</updateurl>")));
        CHECK(!after.UpdateAddress.contains(QLatin1String("</updateurl>")));
    }
    if (after.Message != before.Message) {
        CHECK(block.contains(QLatin1String("<message>") + after.Message + QLatin1String("</message>")));
        CHECK(!after.Message.contains(QLatin1String("</message>")));
    }
    // An element present in the block was read.
    if (block.contains(QLatin1String("<message>")))
        CHECK(block.contains(QLatin1String("<message>") + after.Message + QLatin1String("</message>")));
    else
        CHECK(after.Message == before.Message);
    if (!block.contains(QLatin1String("<updateurl>")))
        CHECK(after.UpdateAddress == before.UpdateAddress);
    if (!block.contains(QLatin1String("<current>")))
        CHECK(after.Current == before.Current);
    if (!block.contains(QLatin1String("<newversion>")))
        CHECK(after.NewVersion == before.NewVersion);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t control = data[0];
    ++data;
    --size;

    VersionReply before;
    before.Current = control & 1;
    before.NewVersion = control & 2;
    if (control & 4) {
        before.UpdateAddress = QStringLiteral("https://127.0.0.1/earlier.exe");
        before.Message = QStringLiteral("an earlier message");
    }
    g_reply = InputText(data, size, control & 8);
    check(g_reply, before);
    return 0;
}
