#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// The text of an INI file as the classic profile functions read and write it: "[section]"
// lines, then "key=value" lines. Section and key names match without regard to letter case;
// the first matching section and key count. Lines end with LF, with or without a CR before it;
// lines that are neither a section nor a key (such as a header line) are kept where they are.
// Whatever these functions write ends every line with CR LF.
namespace IniText {

std::optional<QByteArray> value(QByteArrayView text, QByteArrayView section, QByteArrayView key);

// The section's key names in file order.
QList<QByteArray> keyNames(QByteArrayView text, QByteArrayView section);

// The text with the key set to the value: replaced in place, or added at the end of its
// section, or added with a new section at the end of the text.
QByteArray withValue(QByteArrayView text, QByteArrayView section, QByteArrayView key,
                     QByteArrayView value);

QByteArray withoutKey(QByteArrayView text, QByteArrayView section, QByteArrayView key);
QByteArray withoutSection(QByteArrayView text, QByteArrayView section);

// The text with the section holding just these keys, each with an empty value.
QByteArray withKeys(QByteArrayView text, QByteArrayView section, const QList<QByteArray> &keys);

} // namespace IniText
