#include "SchemeHistory.h"

#include "ColorEntryRows.h"
#include "MainWindow.h"
#include "storage/SchemeState.h"
#include "toolkit/EntryBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QUndoCommand>

#include <utility>

namespace {

constexpr int TypingId = 1;
enum : int { NoneChanged = -1, SeveralChanged = -2, ModeChanged = -3 };

// What the rows call a box's colour: "Face Color", "Base Color", "Hover Face Color".
QString colorName(int index)
{
    if (index >= EntryCount)
        return QString::fromUtf16(SchemeStates[size_t(index - EntryCount)].name);
    return QString::fromUtf16(index < ElementCount ? SchemeElements[size_t(index)].name
                                                   : BaseColorName);
}

// What changed in the variant shown: its one box whose text differs, or only its mode; the
// variant aside must be as it was.
int changedBox(const SchemeVariants &before, const SchemeSnapshot &after)
{
    const bool dark = after.editingDark;
    if (before.dark.has_value() != after.scheme.dark.has_value() || (dark && !before.dark)
        || (dark ? before.light != after.scheme.light : before.dark != after.scheme.dark))
        return SeveralChanged;
    const SchemeTexts &was = dark ? *before.dark : before.light;
    const SchemeTexts &now = dark ? *after.scheme.dark : after.scheme.light;
    int changed = NoneChanged;
    for (int i = 0; i < ColorEntryRows::RowCount; ++i) {
        if (was.at(i) == now.at(i))
            continue;
        if (changed != NoneChanged)
            return SeveralChanged;
        changed = i;
    }
    if (was.baseColor != now.baseColor)
        return changed == NoneChanged ? ModeChanged : SeveralChanged;
    return changed;
}

// One step: the scheme before and after it. Typing into one box, in one run of the focus,
// merges with the step before.
class SchemeStep : public QUndoCommand
{
public:
    SchemeStep(SchemeHistory &history, const QString &caption, const SchemeSnapshot &before,
               const SchemeSnapshot &after, int typedBox, int typingRun)
        : QUndoCommand(caption)
        , m_history(history)
        , m_before(before)
        , m_after(after)
        , m_typedBox(typedBox)
        , m_typingRun(typingRun)
    {
    }

    void undo() override { m_history.restore(m_before); }
    void redo() override
    {
        // The first redo is the push, when the change is made already.
        if (m_pushed)
            m_history.restore(m_after);
        m_pushed = true;
    }
    int id() const override { return m_typedBox < 0 ? -1 : TypingId; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const SchemeStep *>(other);
        if (next->m_typedBox != m_typedBox || next->m_typingRun != m_typingRun
            || next->m_after.editingDark != m_after.editingDark)
            return false;
        m_after = next->m_after;
        // Typed back to what it was: no step at all.
        setObsolete(m_after.scheme == m_before.scheme);
        return true;
    }

private:
    SchemeHistory &m_history;
    SchemeSnapshot m_before;
    SchemeSnapshot m_after;
    int m_typedBox;
    int m_typingRun;
    bool m_pushed = false;
};

} // namespace

SchemeHistory::SchemeHistory(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    for (int i = 0; i < ColorEntryRows::RowCount; ++i) {
        EntryBox *box = window.entryBox(i);
        connect(box, &QLineEdit::textEdited, this, [this, i] { m_typedBox = i; });
        // Connected after the rows' change handling, so its corrections are in.
        connect(box, &EntryBox::changed, this, &SchemeHistory::noteChange);
        box->installEventFilter(this);
    }
    connect(window.baseColorCheck(), &QCheckBox::toggled, this, &SchemeHistory::noteChange);
    connect(qApp, &QApplication::focusChanged, this, [this] { ++m_typingRun; });
    connect(&m_stack, &QUndoStack::indexChanged, this, [this] {
        if (std::exchange(m_moved, false))
            SchemeChanged = !m_stack.isClean();
    });
    clear();
}

SchemeHistory::Step::Step(SchemeHistory &history, const QString &caption)
    : m_history(history)
{
    if (history.m_stepDepth++ > 0)
        return;
    history.m_stepCaption = caption;
    history.m_stepStartedDark = history.m_window.isEditingDark();
}

SchemeHistory::Step::~Step()
{
    SchemeHistory &history = m_history;
    if (--history.m_stepDepth > 0)
        return;
    const SchemeSnapshot after = history.current();
    if (!history.m_stepCaption.isEmpty() && after.scheme != history.m_committed)
        history.m_stack.push(new SchemeStep(history, history.m_stepCaption,
                                            {history.m_committed, history.m_stepStartedDark}, after,
                                            -1, 0));
    history.m_committed = after.scheme;
}

QAction *SchemeHistory::createUndoAction(QObject *parent) const
{
    QAction *action = m_stack.createUndoAction(parent, tr("&Undo"));
    action->setShortcuts(QKeySequence::Undo);
    // The state window's boxes too.
    action->setShortcutContext(Qt::ApplicationShortcut);
    return action;
}

QAction *SchemeHistory::createRedoAction(QObject *parent) const
{
    QAction *action = m_stack.createRedoAction(parent, tr("&Redo"));
    action->setShortcuts(QKeySequence::Redo);
    action->setShortcutContext(Qt::ApplicationShortcut);
    return action;
}

void SchemeHistory::clear()
{
    m_stack.clear();
    m_committed = current().scheme;
    // A scheme that counts as changed has no saved state to come back to.
    if (SchemeChanged)
        m_stack.resetClean();
}

void SchemeHistory::markSaved()
{
    m_stack.setClean();
}

void SchemeHistory::restore(const SchemeSnapshot &snapshot)
{
    m_restoring = true;
    m_window.putScheme(snapshot.scheme, snapshot.editingDark);
    m_restoring = false;
    m_committed = current().scheme;
    m_moved = true;
    ++m_typingRun;
}

SchemeSnapshot SchemeHistory::current() const
{
    return {m_window.scheme(), m_window.isEditingDark()};
}

void SchemeHistory::noteChange()
{
    const int typed = std::exchange(m_typedBox, -1);
    if (m_restoring || m_stepDepth > 0)
        return;
    const SchemeSnapshot after = current();
    if (after.scheme == m_committed)
        return;
    const int box = changedBox(m_committed, after);
    const QString caption = box >= 0 ? colorName(box)
        : box == ModeChanged         ? tr("Base Color Mode")
                                     : tr("Color Change");
    const bool typing = typed >= 0 && typed == box;
    auto *step = new SchemeStep(*this, caption, {m_committed, after.editingDark}, after,
                                typing ? box : -1, m_typingRun);
    m_committed = after.scheme;
    m_stack.push(step);
}

bool SchemeHistory::eventFilter(QObject *watched, QEvent *event)
{
    // A line edit keeps the undo keys for its own typing; here they undo the scheme's steps,
    // of which the box's typing is one.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
