// Keyboard and screen-reader support of the window: the standard shortcuts of the menu items,
// Tab in the notepad, and the names the fields and lists are announced by.

#include "frmeBayFees.h"

#include "AccessibleNames.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The platform's keys for a standard command; where the platform has none (Quit on Windows),
// the key the other desktops use.
void giveStandardShortcut(QAction *item, QKeySequence::StandardKey command, const QKeySequence &otherwise)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    if (keys.isEmpty())
        keys.append(otherwise);
    item->setShortcuts(keys);
}

// In the notepad Tab and Shift+Tab move on to the next and previous control, as everywhere in
// the window; Ctrl+Tab types a tab character.
class NotepadTabKeys : public QObject
{
public:
    explicit NotepadTabKeys(QPlainTextEdit *notes) : QObject(notes), m_notes(notes)
    {
        notes->setTabChangesFocus(true);
        notes->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_notes || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Tab || key->modifiers() != Qt::ControlModifier)
            return false;
        // The key is the notepad's, not a shortcut of the window.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (!m_notes->isReadOnly())
            m_notes->insertPlainText(QStringLiteral("\t"));
        return true;
    }

private:
    QPlainTextEdit *m_notes;
};

} // namespace

void frmeBayFees::installAccessibility()
{
    giveStandardShortcut(mnuHelpContents, QKeySequence::HelpContents, QKeySequence(Qt::Key_F1));
    giveStandardShortcut(mnuFilePrint, QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P));
    giveStandardShortcut(mnuFileExit, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    giveStandardShortcut(mnuFileNewWindow, QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N));

    new NotepadTabKeys(txtNotes);

    m_accessibleNames = new AccessibleNames(this);
    AccessibleNames &names = *m_accessibleNames;
    const std::pair<QWidget *, QLabel *> captioned[] = {
        {txtStartingPrice, lblStartingPrice},
        {txtPrice, lblPrice},
        {txtInsertionFee, lblInsertionFee},
        {txtExtras, lblExtraFeatures},
        {txtFVF, lblFVF},
        {txtFees, lblFees},
        {cboTypeOfMultiItemListing, lblTypeOfMultiItemListing},
        {txtDutchItemsOffered, lblDutchItemsOffered},
        {txtDutchOpeningPrice, lblDutchOpeningPrice},
        {txtDutchItemsSold, lblDutchItemsSold},
        {txtDutchFinalPrice, lblDutchSalesPrice},
        {txtTotalDutchAuctionSales, lblTotalDutchAuctionSales},
        {txtExtraFeaturesDutch, lblExtraFeaturesDutch},
        {txtDutchFees, lblDutchFees},
        {txtDutchCostPerItem, lblDutchFeesPerItem},
        {txtPaymentAmount, lblPaymentAmount},
        {txtPayPalFee, lblPayPalFees},
    };
    for (const auto &[control, caption] : captioned)
        names.nameAfter(control, caption);
    // Controls whose neighbour is no caption of theirs: a frame's title, a currency, a tick box.
    names.nameAs(cboSingleItemType, QStringLiteral("Listing type<0740>"));
    names.nameAs(cboIsReserve, QStringLiteral("Reserve price<0741>"));
    names.nameAs(cboRealEstateType, QStringLiteral("Type of real estate listing<0742>"));
    names.nameAs(cboExtraPhotos, QStringLiteral("Number of extra pictures<0743>"));
    names.nameAs(cboExtraPicturesDutch, QStringLiteral("Number of extra pictures<0743>"));
    names.nameAs(txtConversion, QStringLiteral("Exchange rate<0744>"));
    names.nameAs(txtNotes, QStringLiteral("Notepad<0745>"));
    ApplyAccessibleNames();

    // The price captions change with the listing type and the reserve, after the lists' own
    // handlers (connected earlier) have set them.
    for (QComboBox *list : {cboSingleItemType, cboIsReserve, cboTypeOfMultiItemListing})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { ApplyAccessibleNames(); });
}

void frmeBayFees::ApplyAccessibleNames()
{
    if (m_accessibleNames)
        m_accessibleNames->apply();
}
