#pragma once

#include <QFrame>

// A thin line joining a dependent option to the option it depends on: drawn in the window-text
// colour while the parent option is on, in the inactive-caption colour (greyed) while it is
// off, and in the window-background colour until the first refresh.
class ConnectorLine : public QFrame
{
    Q_OBJECT

public:
    enum class State { Unset, ParentOn, ParentOff };

    explicit ConnectorLine(QWidget *parent = nullptr);

    void setState(State state);
    State state() const { return m_state; }
    QColor colour() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    State m_state = State::Unset;
};
