#include "EntryBox.h"

#include "TypingLimitValidator.h"

#include <QKeyEvent>

#include <algorithm>

EntryBox::EntryBox(QWidget *parent)
    : QLineEdit(parent)
    , m_limit(new TypingLimitValidator(this))
{
    setValidator(m_limit);
    connect(this, &QLineEdit::textChanged, this, &EntryBox::changed);
    // Typing may never shorten the limit below the text, or QLineEdit would cut the text.
    connect(this, &QLineEdit::textEdited, this, &EntryBox::fitLimitToText);
    // Before every edit the validator knows how much of the text the edit keeps.
    connect(this, &QLineEdit::textChanged, this, &EntryBox::rememberKeptLength);
    connect(this, &QLineEdit::selectionChanged, this, &EntryBox::rememberKeptLength);
    connect(this, &QLineEdit::cursorPositionChanged, this, &EntryBox::rememberKeptLength);
}

void EntryBox::setTypingLimit(int limit)
{
    m_typingLimit = limit;
    m_limit->setLimit(limit);
    fitLimitToText();
}

void EntryBox::put(const QString &text)
{
    // QLineEdit applies maxLength to setText too; raise it around the put, and never below
    // the current text, which a shorter limit would cut (and report as a change).
    const int roomy = std::max({m_typingLimit, int(text.size()), int(this->text().size())});
    if (maxLength() != roomy)
        setMaxLength(roomy);
    const bool nested = m_limit->programPut();
    m_limit->setProgramPut(true);
    if (text == this->text())
        Q_EMIT changed(); // QLineEdit is silent when the text stays, the handlers are not
    else
        setText(text);
    m_limit->setProgramPut(nested);
    // A nested put from a change handler may have left a longer text than ours.
    fitLimitToText();
}

void EntryBox::rememberKeptLength()
{
    m_limit->setKeptLength(text().size() - selectedText().size());
}

void EntryBox::fitLimitToText()
{
    const int limit = std::max(m_typingLimit, int(text().size()));
    if (maxLength() != limit)
        setMaxLength(limit);
}

void EntryBox::select(int start, int length)
{
    if (length > 0)
        setSelection(start, length);
    else
        setCursorPosition(start);
}

QString EntryBox::filtered(const QString &typed) const
{
    QString kept;
    for (QChar ch : typed) {
        char16_t code = ch.unicode();
        if (const char16_t result = m_keyFilter(code))
            kept.append(QChar(result));
    }
    return kept;
}

static bool isTypedCharacter(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    return !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

void EntryBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    if (!m_keyFilter || !isTypedCharacter(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString kept = filtered(event->text());
    if (kept.isEmpty()) {
        event->accept();
    } else if (kept == event->text()) {
        QLineEdit::keyPressEvent(event);
    } else {
        QKeyEvent replaced(event->type(), event->key(), event->modifiers(), kept,
                           event->isAutoRepeat(), ushort(event->count()));
        QLineEdit::keyPressEvent(&replaced);
    }
}

void EntryBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!m_keyFilter || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent replaced(event->preeditString(), event->attributes());
    replaced.setCommitString(filtered(event->commitString()), event->replacementStart(),
                             event->replacementLength());
    QLineEdit::inputMethodEvent(&replaced);
}
