#include "VersionReply.h"

#include <QStringView>

#include <utility>

namespace {

constexpr qsizetype ShortestReadBlock = 21;

VersionReplyError notClosed(QStringView name)
{
    return {MalformedReplyNumber,
            QStringLiteral("Invalid procedure call or argument: the element <%1> is not closed").arg(name)};
}

// The content of the first element `name` in `block`: none when it is absent, an error when it
// is opened and not closed.
std::optional<VersionReplyError> element(QStringView block, QStringView name, std::optional<QString> &content)
{
    const QString opening = QStringLiteral("<%1>").arg(name);
    const QString closing = QStringLiteral("</%1>").arg(name);
    const qsizetype open = block.indexOf(opening);
    if (open < 0)
        return std::nullopt;
    const qsizetype start = open + opening.size();
    const qsizetype end = block.indexOf(closing, start);
    if (end < 0)
        return notClosed(name);
    content = block.sliced(start, end - start).toString();
    return std::nullopt;
}

} // namespace

std::optional<VersionReplyError> ParseVersionReply(const QString &reply, VersionReply &values)
{
    const QStringView status = u"status";
    const qsizetype open = reply.indexOf(QLatin1String("<status>"));
    if (open < 0)
        return std::nullopt;
    const qsizetype start = open + 8;
    const qsizetype end = reply.indexOf(QLatin1String("</status>"), start);
    if (end < 0)
        return notClosed(status);
    const QStringView block = QStringView(reply).sliced(start, end - start);
    if (block.size() < ShortestReadBlock)
        return std::nullopt;

    std::optional<QString> current, newVersion, updateAddress, message;
    for (auto [name, content] : {std::pair<QStringView, std::optional<QString> *>{u"current", &current},
                                 {u"newversion", &newVersion},
                                 {u"updateurl", &updateAddress},
                                 {u"message", &message}}) {
        if (auto error = element(block, name, *content))
            return error;
    }

    if (current == QLatin1String("1"))
        values.Current = true;
    if (newVersion == QLatin1String("1"))
        values.NewVersion = true;
    if (updateAddress)
        values.UpdateAddress = *updateAddress;
    if (message)
        values.Message = *message;
    return std::nullopt;
}
