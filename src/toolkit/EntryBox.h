#pragma once

#include <QLineEdit>

class TypingLimitValidator;

// A single-line text box with the behaviour the windows rely on:
// - the typing limit binds typing and pasting only, whatever the box held before; a text the
//   program puts is kept whole;
// - every put and every edit emits changed() at once, nested when a handler puts again, and a
//   put emits it even when it leaves the text as it was;
// - an optional key filter sees each typed character and may change or swallow it, while
//   editing keys and clipboard shortcuts keep working;
// - Enter is left to the window, whose default button takes it.
class EntryBox : public QLineEdit
{
    Q_OBJECT

public:
    // Returns the character to keep, or 0 to swallow the key; may also rewrite its argument.
    using KeyFilter = char16_t (*)(char16_t &code);

    explicit EntryBox(QWidget *parent = nullptr);

    void setTypingLimit(int limit);
    int typingLimit() const { return m_typingLimit; }
    void setKeyFilter(KeyFilter filter) { m_keyFilter = filter; }

    // Puts a text from the program: never cut at the typing limit.
    void put(const QString &text);

    // Selects `length` characters from `start`; a length of 0 only places the caret.
    void select(int start, int length);

Q_SIGNALS:
    void changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    QString filtered(const QString &typed) const;
    void fitLimitToText();
    void rememberKeptLength();

    TypingLimitValidator *m_limit;
    int m_typingLimit = 32767;
    KeyFilter m_keyFilter = nullptr;
};
