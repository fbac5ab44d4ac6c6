#pragma once

#include <QLabel>

// A label that acts as a web link: blue normally, magenta while the pointer is over it, and a
// press opens its address. The pointer's moves and presses over it are its own: they do not
// reach the surface below, whose moves turn the links blue again.
//
// From the keyboard it is reached with Tab, shows a focus frame around its text, and Enter,
// Return or Space open it. On a dark background the palette's link colours, made readable
// enough, stand in for the blue and the magenta.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

    // Blue again; the tab and frame surfaces call this when the pointer moves over them.
    void showNormalColour();
    void showHoverColour();
    bool isShowingHoverColour() const { return m_hover; }

Q_SIGNALS:
    void activated();

protected:
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showColour();

    bool m_hover = false;
    bool m_settingColour = false;
};
