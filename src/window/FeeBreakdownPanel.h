#pragma once

#include "ToolPanel.h"

#include <QStringList>

class QLabel;
class QPushButton;
class QTreeWidget;
struct FeeBreakdown;
struct BreakdownLine;

// The Tools menu's panel of every fee of the listing on its own line, with the tier it fell in
// and the share of each tier of the final value fee, and the total the tab shows.
class FeeBreakdownPanel : public ToolPanel
{
    Q_OBJECT

public:
    explicit FeeBreakdownPanel(frmeBayFees *window);

    void Refresh(const ListingSnapshot &listing) override;
    void ApplyLocalizedCaptions() override;

    // The breakdown as the panel shows it: a heading, then one line per fee ("name: amount",
    // with what decided it), and the total.
    QString Heading() const { return m_heading; }
    QStringList Lines() const;

private:
    struct Row
    {
        QString name;    // a fee's name, or what decided the fee above
        QString amount;  // none on a line of detail
        bool detail() const { return amount.isEmpty(); }
    };
    void display(const FeeBreakdown &breakdown, const ListingSnapshot &listing, const QString &currency);
    void showRows(QList<Row> rows);
    void setTotal(const QString &total);

    QLabel *m_heading_label = nullptr;
    QTreeWidget *m_list = nullptr;
    QLabel *m_total = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_addToNotes = nullptr;
    QString m_heading;
    QList<Row> m_rows;    // as the list shows them
    QString m_totalLine;  // none while the listing shows no fees
};
