#pragma once

#include <QDir>
#include <QFileInfoList>
#include <QStringView>

// The entries of folder (of the kinds filters lets through, in sort's order) whose names begin
// with start and end with end, ignoring case as a name filter "start*end" does. The names are
// compared as they are: a name filter would be turned into a regular expression and compiled
// for every listing.
QFileInfoList EntriesNamed(const QDir &folder, QStringView start, QStringView end, QDir::Filters filters,
                           QDir::SortFlags sort = QDir::NoSort);
