#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QWidget;

// The names a screen reader announces for the window's fields and lists, in the running
// language. A field beside a caption is named after that caption, as it stands (without its
// colon and mnemonic), so the name changes whenever the caption does; a control without a
// caption of its own gets a tagged text of its own.
class AccessibleNames : public QObject
{
public:
    // Kept by the window, as long as its controls live.
    explicit AccessibleNames(QObject *window) : QObject(window) {}

    void nameAfter(QWidget *control, const QLabel *caption);
    void nameAs(QWidget *control, const QString &taggedName);

    // Sets every name again from the captions and the tagged texts, in the running language.
    void apply() const;

    // "Op&ening Bid:" read out as "Opening Bid".
    static QString nameFromCaption(const QString &caption);

private:
    struct Entry
    {
        QPointer<QWidget> control;
        QPointer<const QLabel> caption;
        QString taggedName;
    };
    QList<Entry> m_entries;
};
