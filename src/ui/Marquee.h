#pragma once

#include "MarqueeCycle.h"

#include <QObject>

class MainStatusBar;
class MarqueeStrip;
class QTimer;

// Runs the advertisement through the status bar's marquee panel: every 45 ms (Timer1) the
// text moves one character further in from the right on the off-screen strip, whose image
// the panel shows.
class Marquee : public QObject
{
    Q_OBJECT

public:
    // The strip and the timer belong to `window`.
    Marquee(MainStatusBar *statusBar, QWidget *window);

    // Fits the strip to the marquee panel's width and the status bar's height, and starts the
    // ticks; they run from then on for the whole run.
    void prepare();
    void tick();

    const MarqueeCycle &cycle() const { return m_cycle; }
    MarqueeStrip *strip() const { return m_strip; }
    QTimer *timer() const { return m_timer; }

private:
    MainStatusBar *m_statusBar;
    MarqueeStrip *m_strip;
    QTimer *m_timer;
    MarqueeCycle m_cycle;
};
