#pragma once

#include "scheme/SchemeTexts.h"

#include <QObject>
#include <QUndoStack>

class MainWindow;
class QAction;

// The scheme as it stands, and which variant the controls show.
struct SchemeSnapshot
{
    SchemeVariants scheme;
    bool editingDark = false;
};

// The scheme's history for Edit > Undo and Redo. A step is a change of one box (typing in one
// box in a row merges into one step), of the base-colour mode, or a command that changes
// several boxes at once (a Step while it runs). Each step keeps the whole scheme before and
// after it, and undo and redo put the texts back as any put. SchemeChanged stays the changed
// flag: it is cleared when the history comes back to where the scheme was saved or loaded.
class SchemeHistory : public QObject
{
    Q_OBJECT

public:
    explicit SchemeHistory(MainWindow &window);

    // While one lives, the changes are one step named `caption`, or none without a caption
    // (a switch of variants, a load). Steps nest; the outermost one counts.
    class Step
    {
    public:
        explicit Step(SchemeHistory &history, const QString &caption = {});
        ~Step();
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        SchemeHistory &m_history;
    };

    QAction *createUndoAction(QObject *parent) const;
    QAction *createRedoAction(QObject *parent) const;

    // The scheme as it stands now starts the history, saved: after start-up and a load.
    void clear();
    // The scheme as it stands now is saved.
    void markSaved();

    // Puts a snapshot back into the controls; for the steps.
    void restore(const SchemeSnapshot &snapshot);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SchemeSnapshot current() const;
    void noteChange();
    QString captionOf(const SchemeSnapshot &after) const;

    MainWindow &m_window;
    QUndoStack m_stack;
    SchemeVariants m_committed; // the scheme after the last step
    int m_stepDepth = 0;
    QString m_stepCaption;
    bool m_stepStartedDark = false;
    bool m_restoring = false;
    bool m_moved = false; // an undo or redo is under way
    int m_typedBox = -1; // the box the user is typing into, until its change is noted
    int m_typingRun = 0; // changes with every move of the focus
};
