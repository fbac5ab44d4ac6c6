#pragma once

#include "CaptionTable.h"
#include "Twips.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

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

// A text box that shows a result: read-only, on the button-face background.
inline QLineEdit *makeResultField(QWidget *parent, const char *name, int left, int top, int width)
{
    QLineEdit *field = makeEntryField(parent, name, left, top, width);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    QPalette p = field->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    field->setPalette(p);
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
