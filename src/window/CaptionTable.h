#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QObject;
class QTabWidget;

// The design-time texts of the window's controls, kept as tagged strings ("Add to Notepad<0249>")
// so that every change of language translates from the tags again.
class CaptionTable
{
public:
    enum class Property { Text, ToolTip, TabText };

    // Keeps the control's design-time text. The control is given it by the first apply, and at
    // once from then on.
    void setText(QObject *control, const QString &taggedText);
    void setToolTip(QObject *control, const QString &taggedText);
    void setTabText(QTabWidget *tabs, int index, const QString &taggedText);

    bool hasText(const QObject *control) const { return has(control, Property::Text); }
    bool hasToolTip(const QObject *control) const { return has(control, Property::ToolTip); }

    // Sets every kept text through the tagged-string lookup, in the order they were kept.
    void apply();

    struct Entry
    {
        QPointer<QObject> control;
        Property property;
        int index;  // the tab of a TabText entry
        QString taggedText;
    };
    const QList<Entry> &entries() const { return m_entries; }

private:
    bool has(const QObject *control, Property property) const;
    void keep(const Entry &entry);
    static void write(const Entry &entry, const QString &text);

    QList<Entry> m_entries;
    bool m_applied = false;
};
