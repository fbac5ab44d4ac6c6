#pragma once

#include "Twips.h"

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
