#pragma once

#include "Twips.h"

#include <QLineEdit>
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
