#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The brand file: an optional text file "AppData" in the program's folder that re-brands the
// program with another company's name and addresses. Each value is an element
// "<Key>value</Key>"; line breaks carry no meaning. Read once at start-up; without the file the
// maker's own values apply.
class CCustomBrand
{
public:
    // The folder that holds the brand file; empty: the program's folder.
    explicit CCustomBrand(QString programFolder = QString());

    // Reads the brand file and sets the program-wide brand values (Brand()).
    void LoadBrand();

    // The file's lines joined with nothing between them, or "" when there is no readable file.
    // Sets IsCustomBrand.
    QString ReadBrandFile();

    // The content of the element `key` in `text`. A key that is missing or not closed shows the
    // brand-file message and gives "".
    static QString GetBrandValue(const QString &text, const QString &key);

    bool IsCustomBrand() const { return m_isCustomBrand; }
    QString BrandText() const { return m_brandText; }

    // The lines of a file's bytes joined with nothing between them. UTF-8 unless the bytes start
    // with a byte-order mark; bytes that are no valid UTF-8 read as U+FFFD.
    static QString JoinBrandLines(const QByteArray &bytes);

    // Where the message about a broken brand file goes: by default a message box with an OK
    // button, titled with the application's name. An empty handler restores the default.
    using MessageHandler = std::function<void(const QString &text)>;
    static void setMessageHandler(MessageHandler handler);

private:
    QString brandFilePath() const;

    QString m_programFolder;
    QString m_brandText;
    bool m_isCustomBrand = false;
};
