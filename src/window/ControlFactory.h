#pragma once

#include "CaptionTable.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>

#include <algorithm>

// Creates a child control with its name and its place in twips.
template <typename Control>
Control *makeControl(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    Twips::place(control, left, top, width, height);
    return control;
}

// A text box for an amount or count the user types, one row high.
inline QLineEdit *makeEntryField(QWidget *parent, const char *name, int left, int top, int width)
{
    auto *field = makeControl<QLineEdit>(parent, name, left, top, width, 315);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return field;
}

// The width a line edit gives its text: the style's contents rectangle less the text margins
// and the two pixels the line edit keeps on each side.
inline int lineEditTextRoom(const QLineEdit *field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    const QRect contents = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;
}

// A result is never shown cut short: the fields are made wide enough for the amounts the
// entries allow, and a text wider still (an exchange rate far beyond any currency's) is drawn
// in a smaller font, for that text only. The start of the text stays in view.
inline void keepResultWhole(QLineEdit *field)
{
    const QFont designFont = field->font();
    QObject::connect(field, &QLineEdit::textChanged, field, [field, designFont](const QString &text) {
        QFont font = designFont;
        const int room = lineEditTextRoom(field);
        while (font.pointSizeF() > 1.0 && QFontMetrics(font, field).horizontalAdvance(text) > room)
            font.setPointSizeF(std::max(1.0, font.pointSizeF() - 0.25));
        if (font != field->font())
            field->setFont(font);
        field->setCursorPosition(0);
    });
}

// A text box that shows a result: read-only, on the button-face background, in bold for a
// total.
inline QLineEdit *makeResultField(QWidget *parent, const char *name, int left, int top, int width, bool bold = false)
{
    QLineEdit *field = makeEntryField(parent, name, left, top, width);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    QPalette p = field->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    field->setPalette(p);
    if (bold) {
        QFont font = field->font();
        font.setBold(true);
        field->setFont(font);
    }
    keepResultWhole(field);
    return field;
}

// A button with its tagged caption and tool tip, one button high.
inline QPushButton *makeButton(CaptionTable &captions, QWidget *parent, const char *name, int left, int top, int width,
                               const char *caption, const char *tip)
{
    auto *button = makeControl<QPushButton>(parent, name, left, top, width, 375);
    captions.setText(button, QString::fromUtf8(caption));
    captions.setToolTip(button, QString::fromUtf8(tip));
    return button;
}
