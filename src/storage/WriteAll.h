#pragma once

#include <QByteArrayView>
#include <QIODevice>

// Writes all of the data, going on after a short write, so that a failure (a full disk) is
// seen and described by the device's errorString(). Use on an unbuffered device, where a short
// write shows at once instead of vanishing in a later flush.
inline bool WriteAll(QIODevice &device, QByteArrayView data)
{
    while (!data.isEmpty()) {
        const qint64 written = device.write(data.data(), data.size());
        if (written <= 0)
            return false;
        data = data.sliced(written);
    }
    return true;
}
