#pragma once

#include <QDir>
#include <QFileInfoList>
#include <QStringView>

// The entries of folder (of the kinds filters lets through) whose names begin with start and end
// with end, ignoring case as a name filter "start*end" does, in the order of their names (as
// QDir::Name sorts them). The names are compared as they are read: a name filter would be turned
// into a regular expression and compiled for every listing, and every entry of the folder given
// a QFileInfo of its own.
QFileInfoList EntriesNamed(const QDir &folder, QStringView start, QStringView end, QDir::Filters filters);
