#pragma once

#include "ListingSnapshot.h"
#include "Settings.h"

#include <QWidget>

class frmeBayFees;

// A tool window beside the calculator window: it follows the listing of the tab in view, is
// shown and hidden from the Tools menu, and keeps its place and visibility between runs under
// its own setting names ("<name>" = "1" while shown, "<name>Place" = "x,y,width,height").
class ToolPanel : public QWidget
{
    Q_OBJECT

public:
    ToolPanel(frmeBayFees *window, const QString &settingName);

    const QString &SettingName() const { return m_settingName; }

    // Works the listing out again and shows it; called after every recalculation of the tab in
    // view, of the payment tab and after a change of site, while the panel is shown.
    virtual void Refresh(const ListingSnapshot &listing) = 0;
    // The panel's texts in the running language.
    virtual void ApplyLocalizedCaptions() = 0;

    // Where and whether the panel is shown, for the settings store; a panel adds its own inputs.
    virtual void AppendSettings(SettingValues &values) const;
    // The stored place when it lies on a screen now, else beside the calculator window, the
    // `order`-th panel a little lower than the one before.
    void RestorePlace(int order);
    static bool StoredVisible(const QString &settingName);

    // A tagged text in the running language.
    static QString Text(const char *tagged);
    // "eBay UK" and the like, by site code.
    static QString SiteName(qint32 site);

Q_SIGNALS:
    // The panel was shown or hidden, by its menu item, its close button or the keyboard.
    void visibilityChanged(bool shown);

protected:
    frmeBayFees *Window() const { return m_window; }

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    frmeBayFees *m_window;
    QString m_settingName;
};
