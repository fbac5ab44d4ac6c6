#pragma once

#include <QString>

// The notepad's text between runs: one UTF-8 file in the user's data folder. It is written whole
// or not at all, so a failed write leaves the text of the last good one.
namespace NotepadStore {

QString FilePath();
// The kept text with its CR LF line ends; empty when nothing was kept or the file cannot be read.
QString Load();
// An empty text when the notes were written, else what went wrong, in words.
QString Save(const QString &notesText);

} // namespace NotepadStore

// Writes a text file as UTF-8, replacing it whole or not at all. An empty text when done, else
// the problem in words.
QString WriteTextFile(const QString &path, const QString &text);
