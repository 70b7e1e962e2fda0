#pragma once

class QKeyEvent;
class QPainter;
class QRect;
class QWidget;

// For custom widgets the keyboard can reach: the style's focus frame, drawn while `widget` has
// the focus, so the user always sees where the keys go.
void DrawFocusFrame(QPainter &painter, const QWidget &widget, const QRect &rect);

// Enter, Return or Space: the keys that press a focused link or panel, as they press a button.
bool IsActivationKey(const QKeyEvent &event);
