#pragma once

#include <QLabel>

// A label that acts as a web link: blue normally, magenta while the pointer is over it, and a
// press opens its address. The pointer's moves and presses over it are its own: they do not
// reach the surface below, whose moves turn the links blue again.
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
    void enterEvent(QEnterEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void setColour(const QColor &colour);

    bool m_hover = false;
};
