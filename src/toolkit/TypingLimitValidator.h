#pragma once

#include <QValidator>

// Cuts what an edit inserts into a line edit so that the text holds at most `limit` characters,
// however long the text was before: pasting over a longer text the program put leaves `limit`
// characters, not the old length. The owner tells it how much of its text the next edit keeps
// (the text less its selection), and when the program puts a text, which is never cut.
class TypingLimitValidator : public QValidator
{
    Q_OBJECT

public:
    explicit TypingLimitValidator(QObject *parent = nullptr);

    void setLimit(int limit) { m_limit = limit; }
    void setKeptLength(qsizetype length) { m_keptLength = length; }
    void setProgramPut(bool on) { m_programPut = on; }
    bool programPut() const { return m_programPut; }

    State validate(QString &input, int &pos) const override;

private:
    int m_limit = 32767;
    qsizetype m_keptLength = 0;
    bool m_programPut = false;
};
